// SPDX-License-Identifier: MIT
#pragma once
// The help file that comes with the installed program. Help opens the RHEO.chm of the
// program's directory (the variable RHEO or the working directory) first; a program started
// from a directory without one shows the installed file instead, so that help works from
// anywhere.

#include <filesystem>
#include <string>

namespace rheo {

// The first of these that is a file, or an empty path when none is:
//  - RHEO.chm beside the program (the build tree keeps it there);
//  - `fromProgramDirectory` taken from the program's directory (bin/../share/rheo/RHEO.chm),
//    so that an installation that was moved or unpacked elsewhere finds its own file;
//  - `installedPath`, where the installation was meant to put it.
// An empty `programDirectory` (unknown) skips the first two.
std::string findInstalledHelpFile(const std::filesystem::path& programDirectory,
                                  const std::filesystem::path& fromProgramDirectory,
                                  const std::filesystem::path& installedPath);

// The installed help file of this program: its own directory read from the system, the two
// paths from the install layout the program was built for.
std::string installedHelpFile();

} // namespace rheo
