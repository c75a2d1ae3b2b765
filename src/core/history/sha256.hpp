// SPDX-License-Identifier: MIT
#pragma once
// SHA-256 of a file's bytes, so that the history can name the exact calibration a run was
// computed with.

#include <optional>
#include <string>
#include <string_view>

namespace rheo {

// The digest as 64 lower-case hexadecimal digits.
std::string sha256Hex(std::string_view bytes);

// The digest of a file's bytes, or nothing when the file cannot be read.
std::optional<std::string> fileSha256(const std::string& path);

} // namespace rheo
