// SPDX-License-Identifier: MIT
#pragma once
// The running program for one rheo-cli command: the core's session, with its messages on
// standard error, the paths named on the command line standing in for the file dialogs'
// choices, and the command's clock ("--at" or the local clock). The file operations go
// through the session's own commands, so every check and message after the file dialog
// is the program's own.

#include "cli/arguments.hpp"
#include "cli/command_line_dialogs.hpp"
#include "cli/history_command.hpp"
#include "core/session/calibration_edit.hpp"
#include "core/session/session.hpp"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace rheo::cli {

class CommandSession {
public:
    // Saves and accepted runs are recorded in the history beside the calibration.
    explicit CommandSession(const Clock& clock);
    // A history that could not be used or written is told on standard error, once.
    ~CommandSession();
    CommandSession(const CommandSession&) = delete;
    CommandSession& operator=(const CommandSession&) = delete;

    Session& session() { return session_; }
    CommandLineDialogs& dialogs() { return dialogs_; }

    // As the menu command "Load calibration data from a file": true when the file was read.
    bool loadCalibration(const std::string& path);
    // The named file, or the defaults of a fresh calibration when none is named.
    bool loadCalibrationIfGiven(const std::optional<std::string>& path);
    // As "Save calibration data to a file": true when every byte was written.
    bool saveCalibration(const std::string& path);
    // As "Load test data from a file": the rows read go in front of those held.
    bool loadResults(const std::string& path);
    // As "Save test data to a file": true when every byte was written.
    bool saveResults(const std::string& path);

private:
    CommandLineDialogs dialogs_;
    CommandHistory history_;
    Session session_;
};

// The files of a calibrate subcommand: the calibration it starts from (the defaults of a
// fresh calibration when none is named) and the file it writes.
struct CalibrationFiles {
    std::optional<std::string> calibrationPath;
    std::string outPath;
};

// The end of a calibrate subcommand's command line: plain arguments refused, every option
// well formed, and an output the command may write (the calibration it edits in place, or a
// new file, never one of `alsoRead`). The exit status when the command ends here, its
// complaint already written.
std::optional<int> calibrateCommandLineRefused(const std::string& name, OptionReader& options,
                                               const CalibrationFiles& files,
                                               std::vector<std::string> alsoRead = {});

// Opens `dialog` on the calibration the session holds, lets `apply` make the edits, presses
// OK and writes `outPath`. `apply` returns kDone when every edit was made, kRefused when one
// was refused (the others are kept and saved), or another status to end the command with
// nothing saved (an input file that could not be read to its end). The exit status: that
// status, a file that cannot be written, else refused or done.
int editCalibration(CommandSession& command, const std::string& outPath, CalibrationDialog dialog,
                    const std::function<int(CalibrationEdit&)>& apply);

// The same after reading the calibration the files name (a file that cannot be read ends
// the command before any edit); `apply` returns false when an edit was refused.
int editCalibrationFile(CommandSession& command, const CalibrationFiles& files,
                        CalibrationDialog dialog,
                        const std::function<bool(CalibrationEdit&)>& apply);

} // namespace rheo::cli
