#include "core/files/input_file.hpp"

#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rheo {

InputFile openInputFile(const std::string& path) {
    // Non-blocking open, so that a pipe is refused instead of waiting for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return nullptr;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    std::FILE* file = ::fdopen(fd, "rb");
    if (file == nullptr) {
        ::close(fd);
        return nullptr;
    }
    return InputFile(file);
}

std::string readFailedMessage(const std::string& path, int errorNumber) {
    return "The file could not be read:\n" + path +
           "\nReading failed: " + std::strerror(errorNumber) + ".\nNothing was loaded from it.";
}

std::string tooLargeToLoadMessage(const std::string& path) {
    return "The file could not be read:\n" + path +
           "\nIt is too large to be held in memory.\nNothing was loaded from it.";
}

} // namespace rheo
