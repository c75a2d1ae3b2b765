// SPDX-License-Identifier: MIT
#pragma once
// Saving without ever leaving a half-written file: the bytes go to a temporary file beside
// the target (same directory, so the final rename stays on one file system); every write,
// the flush, the sync to disk and the close are checked, and only then is the temporary
// file renamed over the target. On any failure the temporary file is removed, the old file
// stays exactly as it was, and the reason is reported.

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace rheo {

// The system calls of a save, one member per step. Each returns 0 on success or an errno
// value. Tests replace one of them to make exactly that step fail.
struct SaveSteps {
    std::function<int(std::FILE*, const char*, std::size_t)> write;
    std::function<int(std::FILE*)> flush;
    std::function<int(std::FILE*)> sync;
    std::function<int(std::FILE*)> close; // always called once per opened file
    std::function<int(const std::string& from, const std::string& to)> rename;
    // After the rename, so that the new name survives a power failure; its result cannot
    // undo the save any more and is not reported.
    std::function<int(const std::string& directory)> syncDirectory;
    // While a long file is still being written: starts writing what it holds so far to the
    // disk, so that the sync at the end has little left to wait for. Only a hint: nothing
    // depends on it, and it may be left empty.
    std::function<void(std::FILE*)> startWriteBack;
};

// The steps the program really uses.
SaveSteps systemSaveSteps();

struct SaveOutcome {
    bool saved = false;
    std::string reason; // why not, in words, when !saved
};

// Writes `bytes` exactly (no line-end translation) to `path` through a temporary file.
SaveOutcome saveBytesSafely(const std::string& path, std::string_view bytes);
SaveOutcome saveBytesSafely(const std::string& path, std::string_view bytes,
                            const SaveSteps& steps);

// The temporary file of a save, written piece by piece: a file too long to be built whole in
// memory first is made and handed over a block at a time.
class SaveStream {
public:
    SaveStream(std::FILE* file, const SaveSteps& steps) : file_(file), steps_(steps) {}
    SaveStream(const SaveStream&) = delete;
    SaveStream& operator=(const SaveStream&) = delete;

    // Appends the bytes exactly. After a failed write nothing more is written, and the save
    // fails with that write's reason.
    void write(std::string_view bytes);
    bool failed() const { return error_ != 0; }
    int error() const { return error_; }

private:
    std::FILE* file_;
    const SaveSteps& steps_;
    int error_ = 0;
    std::size_t notYetOnTheWay_ = 0; // bytes written since the last startWriteBack
};

// A save whose bytes `produce` writes into the stream. When `produce` returns false the save
// is given up: nothing is saved, the old file stays, and the outcome gives no reason (the
// producer knows why).
SaveOutcome saveSafely(const std::string& path, const std::function<bool(SaveStream&)>& produce);
SaveOutcome saveSafely(const std::string& path, const std::function<bool(SaveStream&)>& produce,
                       const SaveSteps& steps);

// What the operator is told when a save failed; that the previous file was kept only when
// there is one.
std::string saveFailedMessage(const std::string& path, const std::string& reason);

} // namespace rheo
