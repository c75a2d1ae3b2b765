// SPDX-License-Identifier: MIT
#pragma once
// File-name rules of the file dialogs and of the files looked for beside another file.

#include <optional>
#include <string>

namespace rheo {

// The extension as the file dialog reports it: the text after the last "." of the last
// path component, without the dot; empty when that component has no dot.
std::string fileExtension(const std::string& path);

// A results file is named with the extension "csv", in lower case only.
bool isResultsFileName(const std::string& path);

// The directory part of a path, "." when the path names no directory.
std::string directoryOf(const std::string& path);

// The path of the regular file `name` in `directory`: the exact name when it exists,
// otherwise the first (in byte order) whose name differs from it only in ASCII letter case.
// Files that came from Windows keep whatever case they were written with.
std::optional<std::string> findFileIgnoringCase(const std::string& directory,
                                                const std::string& name);

} // namespace rheo
