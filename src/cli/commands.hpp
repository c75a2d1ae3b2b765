// SPDX-License-Identifier: MIT
#pragma once
// The subcommands of rheo-cli. Each takes the words after its name and returns the exit
// status (exit_codes.hpp).

#include <string>
#include <vector>

namespace rheo::cli {

using Words = std::vector<std::string>;

// The whole command line after the program's name: the subcommand named, its usage, or the
// general usage; memory running out stops the command with a message. Returns the exit
// status.
int runCommandLine(const Words& words);

int runCommand(const Words& words);
int batchCommand(const Words& words);
int recommendCommand(const Words& words);
int standardsCommand(const Words& words);
int resultsCommand(const Words& words);
int mergeCommand(const Words& words);
int convertCommand(const Words& words);
int calibrateSettingsCommand(const Words& words);
int calibrateCellCommand(const Words& words);
int calibrateVolumeCommand(const Words& words);
int calibrateAbCommand(const Words& words);
int calibrateStandardCommand(const Words& words);
int reportCalibrationCommand(const Words& words);
int reportResultsCommand(const Words& words);
int completionCommand(const Words& words);
int historyCommand(const Words& words);

} // namespace rheo::cli
