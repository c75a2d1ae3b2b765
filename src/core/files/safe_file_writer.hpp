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

// What the operator is told when a save failed.
std::string saveFailedMessage(const std::string& path, const std::string& reason);

} // namespace rheo
