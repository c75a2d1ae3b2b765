#include "core/files/output_target.hpp"

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace rheo {

std::optional<std::string> outputTargetRefusal(const std::string& path) {
    struct stat target {};
    // Nothing there yet: the save creates the file, and says so when it cannot.
    if (::stat(path.c_str(), &target) != 0)
        return std::nullopt;
    if (!S_ISREG(target.st_mode))
        return std::string("It is not an ordinary file");
    // A save replaces the file by renaming a new one over it, which the directory allows even
    // where the file itself is write-protected; a plain open for writing would have been
    // refused there, and so is the save. access() asks without opening, so that nothing
    // watching the file sees it opened for writing.
    if (::access(path.c_str(), W_OK) != 0) {
        const int error = errno != 0 ? errno : EACCES;
        return std::string("It may not be written: ") + std::strerror(error);
    }
    return std::nullopt;
}

bool isSameFile(const std::string& first, const std::string& second) {
    struct stat a {};
    struct stat b {};
    return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace rheo
