// SPDX-License-Identifier: MIT
#pragma once
// The temporary file of a save, from its creation until it is renamed over its target. It is
// removed when the save fails or is left early, and also when SIGINT, SIGTERM or SIGHUP ends
// the program in the middle of a long write: the program then ends as that signal would have
// ended it, without leaving a hidden file behind. A signal that the program ignores or handles
// itself is left as it is. One save at a time: the signal handler knows a single file.

#include <functional>
#include <string>

namespace rheo {

class PendingFile {
public:
    // Takes over the ending signals that are left to their default action.
    PendingFile();
    // Removes the file unless it was kept, and gives the signals back.
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // Calls `createFile`, which creates the file, sets `path` and returns its descriptor (or a
    // negative value), with the ending signals held back, so that the file never exists
    // unrecorded. Returns what `createFile` returned.
    int create(const std::function<int(std::string& path)>& createFile);

    const std::string& path() const { return path_; }

    // The file was renamed over its target: there is nothing left to remove.
    void keep();

private:
    std::string path_;
    bool handlers_[3] = {};
};

} // namespace rheo
