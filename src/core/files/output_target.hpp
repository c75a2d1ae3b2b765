// SPDX-License-Identifier: MIT
#pragma once
// Where a save may write. Every output of the program (its own files, the reports as PDF or
// trace) asks here before anything is written, so that a save never turns a device, a pipe
// or a directory into a file, and never replaces a file this user may not write.

#include <optional>
#include <string>

namespace rheo {

// Nothing when a save may write `path`: no file of that name exists yet, or it is an
// ordinary file (a link to one counts as that file) that this user may write. Otherwise
// why not, in words: "It is not an ordinary file", or "It may not be written: " followed
// by the system's reason.
std::optional<std::string> outputTargetRefusal(const std::string& path);

// True when both paths name one existing file (the same device and inode), whatever links,
// hard links or spellings of the path lead to it.
bool isSameFile(const std::string& first, const std::string& second);

} // namespace rheo
