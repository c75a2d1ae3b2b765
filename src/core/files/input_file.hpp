// SPDX-License-Identifier: MIT
#pragma once
// Opening a file for reading. Only ordinary files are read: a directory, a device such as
// /dev/zero or a pipe would give an endless or blocking read, so it counts as a file that
// cannot be opened.

#include <cstdio>
#include <memory>
#include <string>

namespace rheo {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using InputFile = std::unique_ptr<std::FILE, FileCloser>;

// The open file, or null when it does not exist, cannot be read or is no ordinary file.
InputFile openInputFile(const std::string& path);

// What the operator is told when reading a file failed part-way (`errorNumber` an errno
// value): a load that meets such an error takes nothing from the file.
std::string readFailedMessage(const std::string& path, int errorNumber);
// What the operator is told when a file is too large for the memory of the machine.
std::string tooLargeToLoadMessage(const std::string& path);

} // namespace rheo
