// SPDX-License-Identifier: MIT
#include "gui/app/installed_help_file.hpp"

#include <system_error>

namespace rheo {
namespace {

bool isFile(const std::filesystem::path& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

// The directory of the running program with links resolved, so that a link to the program
// elsewhere still leads to the files installed with it; empty when the system does not say.
std::filesystem::path programDirectory() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program.parent_path();
}

} // namespace

std::string findInstalledHelpFile(const std::filesystem::path& programDirectory,
                                  const std::filesystem::path& fromProgramDirectory,
                                  const std::filesystem::path& installedPath) {
    if (!programDirectory.empty()) {
        for (const std::filesystem::path& candidate :
             {programDirectory / "RHEO.chm", programDirectory / fromProgramDirectory}) {
            if (isFile(candidate))
                return candidate.lexically_normal().string();
        }
    }
    return isFile(installedPath) ? installedPath.string() : std::string();
}

std::string installedHelpFile() {
    return findInstalledHelpFile(programDirectory(), RHEO_HELP_FROM_PROGRAM_DIRECTORY,
                                 RHEO_INSTALLED_HELP_FILE);
}

} // namespace rheo
