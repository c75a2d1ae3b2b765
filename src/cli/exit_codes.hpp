// SPDX-License-Identifier: MIT
#pragma once
// The exit status of rheo-cli: scripts outside the project rely on these values.

namespace rheo::cli {

enum ExitCode : int {
    kDone = 0,               // everything asked for was done
    kBadCommandLine = 1,     // unknown option, missing or malformed argument: usage on stderr
    kFileFailed = 2,         // a file could not be read or written, or was refused
    kRefused = 3,            // the calculation or a calibration check refused the input
    kHistoryCheckFailed = 4, // history --check: a reference check is due or out of tolerance
};

} // namespace rheo::cli
