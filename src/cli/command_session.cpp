// SPDX-License-Identifier: MIT
#include "cli/command_session.hpp"

#include "cli/command_support.hpp"
#include "cli/exit_codes.hpp"
#include "cli/output.hpp"
#include "cli/output_paths.hpp"
#include "core/history/login_name.hpp"

namespace rheo::cli {

CommandSession::CommandSession(const Clock& clock) : session_(dialogs_, clock) {
    session_.setHistory(history_, currentLoginName());
}

CommandSession::~CommandSession() {
    if (auto note = history_.unusableNote()) {
        session_.takeHistoryNotice();
        writeLine(stderr, *note);
    } else if ((note = session_.takeHistoryNotice())) {
        writeLine(stderr, *note);
    }
}

bool CommandSession::loadCalibration(const std::string& path) {
    history_.useCalibration(path);
    dialogs_.usePath(path);
    return session_.loadCalibration();
}

bool CommandSession::loadCalibrationIfGiven(const std::optional<std::string>& path) {
    return !path || loadCalibration(*path);
}

bool CommandSession::saveCalibration(const std::string& path) {
    history_.useCalibration(path);
    dialogs_.usePath(path);
    return session_.saveCalibration();
}

bool CommandSession::loadResults(const std::string& path) {
    dialogs_.usePath(path);
    return session_.loadResults().has_value();
}

bool CommandSession::saveResults(const std::string& path) {
    dialogs_.usePath(path);
    return session_.saveResults();
}

std::optional<int> calibrateCommandLineRefused(const std::string& name, OptionReader& options,
                                               const CalibrationFiles& files,
                                               std::vector<std::string> alsoRead) {
    options.refusePlainArguments();
    if (!options.ok())
        return badCommandLine(name, options.error());
    if (!outputAllowed(files.outPath, {files.calibrationPath, std::move(alsoRead)},
                       InPlace::Calibration))
        return kFileFailed;
    return std::nullopt;
}

int editCalibration(CommandSession& command, const std::string& outPath, CalibrationDialog dialog,
                    const std::function<int(CalibrationEdit&)>& apply) {
    int status = kDone;
    {
        CalibrationEdit edit(command.session(), dialog);
        status = apply(edit);
        if (status != kDone && status != kRefused)
            return status; // the edit is cancelled: nothing is saved
        edit.commit();
    }
    if (!command.saveCalibration(outPath))
        return kFileFailed;
    return status;
}

int editCalibrationFile(CommandSession& command, const CalibrationFiles& files,
                        CalibrationDialog dialog,
                        const std::function<bool(CalibrationEdit&)>& apply) {
    if (!command.loadCalibrationIfGiven(files.calibrationPath))
        return kFileFailed;
    return editCalibration(command, files.outPath, dialog, [&](CalibrationEdit& edit) -> int {
        return apply(edit) ? kDone : kRefused;
    });
}

} // namespace rheo::cli
