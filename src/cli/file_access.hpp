#pragma once
// The program's files, read and written by the core's own rules (extension checks, the
// "RHEO Version 2" test, the older three-file import, their messages); the path named on
// the command line stands in for the file dialog's choice.

#include "cli/command_line_dialogs.hpp"
#include "core/model/model.hpp"

#include <optional>
#include <string>
#include <vector>

namespace rheo::cli {

// As the menu command "Load calibration data from a file": true when the file was read.
bool loadCalibration(const std::string& path, CalibrationData& calibration);

// The calibration a calibrate subcommand starts from: the file when one is named, the
// defaults of a fresh calibration otherwise. False when the named file was not read.
bool loadCalibrationIfGiven(const std::optional<std::string>& path, CalibrationData& calibration);

// As the menu command "Save calibration data to a file": true when every byte was written.
bool saveCalibration(const std::string& path, const CalibrationData& calibration);

// As "Load test data from a file": the rows read go in front of those already in
// `results`. True when the file was read.
bool loadResults(const std::string& path, std::vector<TestResult>& results);

// As "Save test data to a file": true when every byte was written.
bool saveResults(const std::string& path, std::vector<TestResult>& results);

} // namespace rheo::cli
