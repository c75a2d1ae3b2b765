// SPDX-License-Identifier: MIT
#include "core/files/safe_file_writer.hpp"

#include "core/text/program_texts.hpp"
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include "core/files/output_target.hpp"
#include "core/files/pending_file.hpp"
#include "core/files/posix_file.hpp"
#include "core/text/c_format.hpp"

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
        if (!process || *process <= 0 || *process == posix::processId() ||
            !posix::processIsGone(*process))
            continue;
        const auto entry = posix::linkInfo(it->path().string());
        if (entry && entry->ordinary)
            posix::removeFile(it->path().c_str());
    }
}

// A fresh file beside the target, created exclusively so no other file is ever reused.
// Owner, group and permissions follow the target's when it exists (the umask otherwise).
int createTemporaryBeside(const fs::path& target, std::string& temporaryPath, int& error) {
    static unsigned counter = 0;
    const std::string prefix = temporaryNamePrefix(target);
    const auto existing = posix::fileInfo(target.string());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = prefix + cformat("%ld-%u", posix::processId(), counter++);
        const fs::path candidate = target.parent_path() / name;
        const int fd = posix::createNewFile(candidate.string(), error);
        if (fd >= 0) {
            if (existing)
                posix::takeOwnerAndPermissions(fd, *existing);
            temporaryPath = candidate.string();
            return fd;
        }
        if (error != EEXIST)
            return -1;
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
    steps.sync = posix::syncFile;
    steps.close = [](std::FILE* file) {
        errno = 0;
        return std::fclose(file) == 0 ? 0 : lastError();
    };
    steps.rename = posix::renameFile;
    // Only what the system already holds; what stdio still buffers goes with the flush.
    steps.startWriteBack = posix::startWriteBack;
    steps.syncDirectory = posix::syncDirectory;
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
        outcome.reason = file_texts::kNoFileName;
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
        outcome.reason = describe(file_texts::kCreatingFailed, error);
        return outcome;
    }
    std::FILE* file = posix::openDescriptorForWriting(fd, error);
    if (file == nullptr) {
        outcome.reason = describe(file_texts::kCreatingFailed, error);
        return outcome;
    }

    SaveStream stream(file, steps);
    if (!produce(stream)) {
        steps.close(file);
        return outcome; // given up: the temporary file goes, the old file stays
    }
    const char* failedStep = nullptr;
    if ((error = stream.error()) != 0)
        failedStep = file_texts::kWritingFailed;
    else if ((error = steps.flush(file)) != 0)
        failedStep = file_texts::kWritingFailed;
    else if ((error = steps.sync(file)) != 0)
        failedStep = file_texts::kWritingToDiskFailed;
    const int closeError = steps.close(file);
    if (failedStep == nullptr && closeError != 0) {
        error = closeError;
        failedStep = file_texts::kClosingFailed;
    }
    if (failedStep == nullptr && (error = steps.rename(temporary.path(), target.string())) != 0)
        failedStep = file_texts::kReplacingFailed;
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
    return file_texts::kCouldNotSave + path + "\n" + reason + "." +
           (previousFile ? file_texts::kPreviousFileKept : "");
}

} // namespace rheo
