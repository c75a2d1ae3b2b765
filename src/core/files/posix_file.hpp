// SPDX-License-Identifier: MIT
#pragma once
// The system's file operations, the only place of the core that calls them: opening,
// asking about a file, creating, syncing, renaming and removing. Everything else of the
// program's files (reading by lines, safe saving, the formats, the commands) goes through
// here, so that the rules about devices, pipes, links and owners are kept in one place.
// The calls that report failure return 0 or an errno value.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace rheo::posix {

// What the program asks about an existing file.
struct FileInfo {
    bool ordinary = false; // a regular file, neither directory, device, pipe nor socket
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    unsigned owner = 0;
    unsigned group = 0;
    unsigned mode = 0; // permission bits, set-ID and sticky bits
};

// The file a path names, links followed; nothing when there is none.
std::optional<FileInfo> fileInfo(const std::string& path);
// The same for the path itself: a link counts as a link, not as what it points to.
std::optional<FileInfo> linkInfo(const std::string& path);
// The same for an open file.
std::optional<FileInfo> openFileInfo(std::FILE* file);

// 0 when this user may write the file, otherwise why not (errno, EACCES when not told).
// Asks without opening, so that nothing watching the file sees it opened for writing.
int writeAccessError(const std::string& path);

// An ordinary file opened for reading in binary mode, or null when it does not exist, cannot
// be read or is no ordinary file. A pipe is refused at once instead of waiting for a writer.
std::FILE* openOrdinaryFileForReading(const std::string& path);

// Creates a file that does not exist yet, for writing only (mode 0666 before the umask).
// Returns its descriptor, or -1 with `error` set (EEXIST when the name is taken).
int createNewFile(const std::string& path, int& error);
// Gives the file `fd` the owner, group and permission bits of `model`, as far as this process
// may set them (the group alone when the owner cannot be kept). The owner goes first:
// changing it would clear the set-user-ID and set-group-ID bits again.
void takeOwnerAndPermissions(int fd, const FileInfo& model);
// A stream writing to `fd` in binary mode; on failure `fd` is closed and null returned with
// `error` set.
std::FILE* openDescriptorForWriting(int fd, int& error);

// Sends what the system holds of the file to the disk.
int syncFile(std::FILE* file);
// Starts writing what the system already holds of the file to the disk, without waiting.
void startWriteBack(std::FILE* file);
// Makes the names in a directory durable (after a rename into it).
int syncDirectory(const std::string& directory);
// Renames over an existing file in one step.
int renameFile(const std::string& from, const std::string& to);
// Removes a name; safe to call from a signal handler.
void removeFile(const char* path);

// The id of this process.
long processId();
// True only when the system says no process of that id exists any more.
bool processIsGone(long id);
// The machine's memory in bytes, nothing when the system does not say.
std::optional<double> physicalMemoryBytes();

} // namespace rheo::posix
