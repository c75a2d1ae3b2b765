// SPDX-License-Identifier: MIT
// rheo-cli: the calculator without a window, for scripts, LIMS exports and acceptance
// checks. It calls the same core code as the window; everything but this main() is the
// library rheo_cli.

#include "cli/commands.hpp"
#include "cli/exit_codes.hpp"

#include <clocale>
#include <cstdio>

int main(int argc, char** argv) {
    // The locale of the environment, as the window gets it: every number written or read
    // goes through the C-locale helpers, so "." stays the decimal point under any locale.
    std::setlocale(LC_ALL, "");
    const int status = rheo::cli::runCommandLine(rheo::cli::Words(argv + 1, argv + argc));
    // Output that never reached its destination (a full disk, a closed pipe) is a failure.
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return status == rheo::cli::kDone ? rheo::cli::kFileFailed : status;
    return status;
}
