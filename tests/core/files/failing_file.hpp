// SPDX-License-Identifier: MIT
#pragma once
// An open file whose reading fails part-way, as a disk or network error would make it fail:
// it gives its bytes, then every further read fails with EIO.

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/files/input_file.hpp"

namespace rheo::testing {

inline InputFile fileFailingAfter(std::string bytes) {
    struct Contents {
        std::string bytes;
        std::size_t at = 0;
    };
    cookie_io_functions_t io{};
    io.read = [](void* cookie, char* buffer, std::size_t size) -> ssize_t {
        auto& contents = *static_cast<Contents*>(cookie);
        if (contents.at == contents.bytes.size()) {
            errno = EIO;
            return -1;
        }
        const std::size_t count = std::min(size, contents.bytes.size() - contents.at);
        std::memcpy(buffer, contents.bytes.data() + contents.at, count);
        contents.at += count;
        return static_cast<ssize_t>(count);
    };
    io.close = [](void* cookie) {
        delete static_cast<Contents*>(cookie);
        return 0;
    };
    return InputFile(::fopencookie(new Contents{std::move(bytes)}, "rb", io));
}

} // namespace rheo::testing
