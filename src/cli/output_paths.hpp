// SPDX-License-Identifier: MIT
#pragma once
// Where a subcommand may write, checked before it reads or writes anything: never over
// something that is no ordinary file or that this user may not write, and never over a file
// the subcommand itself reads (through a link, a hard link or another spelling of the path
// as well), except the calibration file that a calibrate subcommand edits in place.

#include <optional>
#include <string>
#include <vector>

namespace rheo::cli {

// The files a subcommand reads.
struct ReadFiles {
    // Read by the calibration-file rules; for the older format its companion files beside
    // it are read as well.
    std::optional<std::string> calibration;
    std::vector<std::string> others;
};

enum class InPlace {
    No,
    Calibration, // the output may be the calibration file itself (not its companions)
};

// True when `output` may be written; otherwise the save-failure message saying why is on
// standard error.
bool outputAllowed(const std::string& output, const ReadFiles& read, InPlace inPlace = InPlace::No);

} // namespace rheo::cli
