// SPDX-License-Identifier: MIT
#include "core/files/posix_file.hpp"

#include <cerrno>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rheo::posix {
namespace {

// errno of the call just made, never 0 for a call that reported failure.
int lastError() {
    return errno != 0 ? errno : EIO;
}

FileInfo infoOf(const struct stat& status) {
    FileInfo info;
    info.ordinary = S_ISREG(status.st_mode);
    info.device = static_cast<std::uint64_t>(status.st_dev);
    info.inode = static_cast<std::uint64_t>(status.st_ino);
    info.size = status.st_size > 0 ? static_cast<std::uint64_t>(status.st_size) : 0;
    info.owner = status.st_uid;
    info.group = status.st_gid;
    info.mode = status.st_mode & 07777;
    return info;
}

} // namespace

std::optional<FileInfo> fileInfo(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return infoOf(status);
}

std::optional<FileInfo> linkInfo(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0)
        return std::nullopt;
    return infoOf(status);
}

std::optional<FileInfo> openFileInfo(std::FILE* file) {
    struct stat status {};
    const int descriptor = ::fileno(file);
    if (descriptor < 0 || ::fstat(descriptor, &status) != 0)
        return std::nullopt;
    return infoOf(status);
}

int writeAccessError(const std::string& path) {
    errno = 0;
    if (::access(path.c_str(), W_OK) == 0)
        return 0;
    return errno != 0 ? errno : EACCES;
}

std::FILE* openOrdinaryFileForReading(const std::string& path) {
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
    if (file == nullptr)
        ::close(fd);
    return file;
}

int createNewFile(const std::string& path, int& error) {
    errno = 0;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        error = errno == EEXIST ? EEXIST : lastError();
    return fd;
}

void takeOwnerAndPermissions(int fd, const FileInfo& model) {
    if (::fchown(fd, model.owner, model.group) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), model.group) != 0) {
        // Neither may be set: the file belongs to this user, as a new file would.
    }
    ::fchmod(fd, model.mode);
}

std::FILE* openDescriptorForWriting(int fd, int& error) {
    std::FILE* file = ::fdopen(fd, "wb");
    if (file == nullptr) {
        error = lastError();
        ::close(fd);
    }
    return file;
}

int syncFile(std::FILE* file) {
    errno = 0;
    return ::fsync(::fileno(file)) == 0 ? 0 : lastError();
}

void startWriteBack(std::FILE* file) {
    ::sync_file_range(::fileno(file), 0, 0, SYNC_FILE_RANGE_WRITE);
}

int syncDirectory(const std::string& directory) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return lastError();
    errno = 0;
    const int error = ::fsync(fd) == 0 ? 0 : lastError();
    ::close(fd);
    return error;
}

int renameFile(const std::string& from, const std::string& to) {
    errno = 0;
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : lastError();
}

void removeFile(const char* path) {
    ::unlink(path);
}

long processId() {
    return static_cast<long>(::getpid());
}

bool processIsGone(long id) {
    return ::kill(static_cast<pid_t>(id), 0) != 0 && errno == ESRCH;
}

std::optional<double> physicalMemoryBytes() {
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageBytes = ::sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageBytes <= 0)
        return std::nullopt;
    return static_cast<double>(pages) * static_cast<double>(pageBytes);
}

} // namespace rheo::posix
