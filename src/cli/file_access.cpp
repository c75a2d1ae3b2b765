#include "cli/file_access.hpp"

#include "core/files/calibration_file.hpp"
#include "core/files/results_file.hpp"

namespace rheo::cli {

// Each call goes through the core's dialog-driven command, the path standing in for the
// dialog's choice, so that every check and message after the dialog is the program's own.

bool loadCalibration(const std::string& path, CalibrationData& calibration) {
    CommandLineDialogs dialogs;
    dialogs.usePath(path);
    return loadCalibrationFile(calibration, dialogs);
}

bool loadCalibrationIfGiven(const std::optional<std::string>& path, CalibrationData& calibration) {
    if (!path) {
        calibration.reset();
        return true;
    }
    return loadCalibration(*path, calibration);
}

bool saveCalibration(const std::string& path, const CalibrationData& calibration) {
    CommandLineDialogs dialogs;
    dialogs.usePath(path);
    return saveCalibrationFile(calibration, dialogs);
}

bool loadResults(const std::string& path, std::vector<TestResult>& results) {
    CommandLineDialogs dialogs;
    dialogs.usePath(path);
    return loadResultsFile(results, dialogs);
}

bool saveResults(const std::string& path, std::vector<TestResult>& results) {
    CommandLineDialogs dialogs;
    dialogs.usePath(path);
    return saveResultsFile(results, dialogs);
}

} // namespace rheo::cli
