// SPDX-License-Identifier: MIT
#pragma once
// A fresh directory for one test, removed with everything in it at the end.

#include <filesystem>
#include <string>

namespace rheo::testing {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Path of a file inside the directory.
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // Writes bytes exactly as given (no line-end translation) and returns the path.
    std::string write(const std::string& name, const std::string& bytes) const;
    // Reads a file's bytes; empty when it is missing.
    static std::string read(const std::string& path);

private:
    std::filesystem::path path_;
};

// Path of a file under tests/data.
std::string testDataFile(const std::string& name);

} // namespace rheo::testing
