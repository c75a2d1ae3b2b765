#include "core/files/safe_file_writer.hpp"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include "core/files/output_target.hpp"
#include "core/files/pending_file.hpp"
#include "core/text/c_format.hpp"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rheo {
namespace {

namespace fs = std::filesystem;

// How much of a long save is handed to the disk at a time while it is being written.
constexpr std::size_t kWriteBackBytes = 8 * 1024 * 1024;

// errno of the call just made, never 0 for a call that reported failure.
int lastError() {
    return errno != 0 ? errno : EIO;
}

std::string describe(const char* step, int error) {
    return std::string(step) + ": " + std::strerror(error);
}

// Follows a symbolic link so that the save replaces the file it points to, not the link.
fs::path resolvedTarget(const std::string& path) {
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(path, error))) {
        const fs::path resolved = fs::weakly_canonical(path, error);
        if (!error)
            return resolved;
    }
    return fs::path(path);
}

// Gives the new file the owner, group and permission bits of the file it replaces, as far as
// this process may set them (the group alone when the owner cannot be kept). The owner goes
// first: changing it would clear the set-user-ID and set-group-ID bits again.
void keepOwnerAndPermissions(int fd, const struct stat& target) {
    if (::fchown(fd, target.st_uid, target.st_gid) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), target.st_gid) != 0) {
        // Neither may be set: the file belongs to this user, as a new file would.
    }
    ::fchmod(fd, target.st_mode & 07777);
}

// The start of the hidden name of a temporary file of the target; the process id and a
// count follow: ".RHEO.DAT.saving-4711-0".
std::string temporaryNamePrefix(const fs::path& target) {
    std::string base = target.filename().string();
    if (base.size() > 180)
        base.resize(180); // leave room for the suffix within the usual 255-byte name limit
    return "." + base + ".saving-";
}

// The process id of a temporary file name of the target's, or nothing for any other name.
std::optional<long> savingProcess(const std::string& name, const std::string& prefix) {
    if (name.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    const std::string_view rest = std::string_view(name).substr(prefix.size());
    const std::size_t dash = rest.find('-');
    const auto digits = [](std::string_view text) {
        return !text.empty() && text.size() <= 18 &&
               text.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (dash == std::string_view::npos || !digits(rest.substr(0, dash)) ||
        !digits(rest.substr(dash + 1)))
        return std::nullopt;
    return std::stol(std::string(rest.substr(0, dash)));
}

// A save ended by SIGKILL or a power failure leaves its temporary file. Those of the target
// whose process is gone are removed; a file of a running process is its save in progress.
void removeLeftoverTemporaries(const fs::path& target) {
    const std::string prefix = temporaryNamePrefix(target);
    const fs::path directory = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::error_code error;
    for (fs::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        const std::optional<long> process = savingProcess(it->path().filename().string(), prefix);
        if (!process || *process <= 0 || *process == static_cast<long>(::getpid()))
            continue;
        if (::kill(static_cast<pid_t>(*process), 0) == 0 || errno != ESRCH)
            continue;
        struct stat entry {};
        if (::lstat(it->path().c_str(), &entry) == 0 && S_ISREG(entry.st_mode))
            ::unlink(it->path().c_str());
    }
}

// A fresh file beside the target, created exclusively so no other file is ever reused.
// Owner, group and permissions follow the target's when it exists (the umask otherwise).
int createTemporaryBeside(const fs::path& target, std::string& temporaryPath, int& error) {
    static unsigned counter = 0;
    const std::string prefix = temporaryNamePrefix(target);
    struct stat targetStat {};
    const bool targetExists = ::stat(target.c_str(), &targetStat) == 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name =
            prefix + cformat("%ld-%u", static_cast<long>(::getpid()), counter++);
        const fs::path candidate = target.parent_path() / name;
        errno = 0;
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            if (targetExists)
                keepOwnerAndPermissions(fd, targetStat);
            temporaryPath = candidate.string();
            return fd;
        }
        if (errno != EEXIST) {
            error = lastError();
            return -1;
        }
    }
    error = EEXIST;
    return -1;
}

} // namespace

SaveSteps systemSaveSteps() {
    SaveSteps steps;
    steps.write = [](std::FILE* file, const char* data, std::size_t size) {
        errno = 0;
        if (size == 0 || std::fwrite(data, 1, size, file) == size)
            return 0;
        return lastError();
    };
    steps.flush = [](std::FILE* file) {
        errno = 0;
        return std::fflush(file) == 0 ? 0 : lastError();
    };
    steps.sync = [](std::FILE* file) {
        errno = 0;
        return ::fsync(::fileno(file)) == 0 ? 0 : lastError();
    };
    steps.close = [](std::FILE* file) {
        errno = 0;
        return std::fclose(file) == 0 ? 0 : lastError();
    };
    steps.rename = [](const std::string& from, const std::string& to) {
        errno = 0;
        return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : lastError();
    };
    steps.startWriteBack = [](std::FILE* file) {
        // Only what the system already holds; what stdio still buffers goes with the flush.
        ::sync_file_range(::fileno(file), 0, 0, SYNC_FILE_RANGE_WRITE);
    };
    steps.syncDirectory = [](const std::string& directory) {
        const int fd = ::open(directory.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return lastError();
        errno = 0;
        const int error = ::fsync(fd) == 0 ? 0 : lastError();
        ::close(fd);
        return error;
    };
    return steps;
}

void SaveStream::write(std::string_view bytes) {
    if (error_ != 0)
        return;
    error_ = steps_.write(file_, bytes.data(), bytes.size());
    notYetOnTheWay_ += bytes.size();
    if (error_ == 0 && notYetOnTheWay_ >= kWriteBackBytes && steps_.startWriteBack) {
        steps_.startWriteBack(file_);
        notYetOnTheWay_ = 0;
    }
}

SaveOutcome saveBytesSafely(const std::string& path, std::string_view bytes) {
    return saveBytesSafely(path, bytes, systemSaveSteps());
}

SaveOutcome saveBytesSafely(const std::string& path, std::string_view bytes,
                            const SaveSteps& steps) {
    return saveSafely(
        path,
        [bytes](SaveStream& out) {
            out.write(bytes);
            return true;
        },
        steps);
}

SaveOutcome saveSafely(const std::string& path, const std::function<bool(SaveStream&)>& produce) {
    return saveSafely(path, produce, systemSaveSteps());
}

SaveOutcome saveSafely(const std::string& path, const std::function<bool(SaveStream&)>& produce,
                       const SaveSteps& steps) {
    SaveOutcome outcome;
    if (path.empty()) {
        outcome.reason = "No file name was given";
        return outcome;
    }
    const fs::path target = resolvedTarget(path);
    if (auto refusal = outputTargetRefusal(target.string())) {
        outcome.reason = std::move(*refusal);
        return outcome;
    }

    removeLeftoverTemporaries(target);
    // Removed on every failure below, and when the program is ended by a signal meanwhile.
    PendingFile temporary;
    int error = 0;
    const int fd = temporary.create(
        [&](std::string& created) { return createTemporaryBeside(target, created, error); });
    if (fd < 0) {
        outcome.reason = describe("Creating the file failed", error);
        return outcome;
    }
    std::FILE* file = ::fdopen(fd, "wb");
    if (file == nullptr) {
        error = lastError();
        ::close(fd);
        outcome.reason = describe("Creating the file failed", error);
        return outcome;
    }

    SaveStream stream(file, steps);
    if (!produce(stream)) {
        steps.close(file);
        return outcome; // given up: the temporary file goes, the old file stays
    }
    const char* failedStep = nullptr;
    if ((error = stream.error()) != 0)
        failedStep = "Writing failed";
    else if ((error = steps.flush(file)) != 0)
        failedStep = "Writing failed";
    else if ((error = steps.sync(file)) != 0)
        failedStep = "Writing to the disk failed";
    const int closeError = steps.close(file);
    if (failedStep == nullptr && closeError != 0) {
        error = closeError;
        failedStep = "Closing the file failed";
    }
    if (failedStep == nullptr && (error = steps.rename(temporary.path(), target.string())) != 0)
        failedStep = "Replacing the file failed";
    if (failedStep != nullptr) {
        outcome.reason = describe(failedStep, error);
        return outcome;
    }
    temporary.keep();
    // Makes the rename itself durable; a failure here cannot undo the save any more.
    const fs::path directory = target.parent_path();
    steps.syncDirectory(directory.empty() ? std::string(".") : directory.string());
    outcome.saved = true;
    return outcome;
}

std::string saveFailedMessage(const std::string& path, const std::string& reason) {
    // A failed save never touches the target: a file there now was there before.
    std::error_code error;
    const bool previousFile = !path.empty() && fs::exists(fs::path(path), error);
    return "The file could not be saved:\n" + path + "\n" + reason + "." +
           (previousFile ? "\nThe previous file was kept unchanged." : "");
}

} // namespace rheo
