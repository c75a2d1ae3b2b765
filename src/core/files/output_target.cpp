// SPDX-License-Identifier: MIT
#include "core/files/output_target.hpp"

#include "core/text/program_texts.hpp"
#include <cstring>

#include "core/files/posix_file.hpp"

namespace rheo {

std::optional<std::string> outputTargetRefusal(const std::string& path) {
    const auto target = posix::fileInfo(path);
    // Nothing there yet: the save creates the file, and says so when it cannot.
    if (!target)
        return std::nullopt;
    if (!target->ordinary)
        return std::string(file_texts::kNotAnOrdinaryFile);
    // A save replaces the file by renaming a new one over it, which the directory allows even
    // where the file itself is write-protected; a plain open for writing would have been
    // refused there, and so is the save.
    if (const int error = posix::writeAccessError(path); error != 0)
        return file_texts::kMayNotBeWritten + std::string(std::strerror(error));
    return std::nullopt;
}

bool isSameFile(const std::string& first, const std::string& second) {
    const auto a = posix::fileInfo(first);
    const auto b = posix::fileInfo(second);
    return a && b && a->device == b->device && a->inode == b->inode;
}

} // namespace rheo
