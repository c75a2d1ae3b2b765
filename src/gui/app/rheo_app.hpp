// SPDX-License-Identifier: MIT
#pragma once
// The application object: it owns the running program (the core's session) and the main
// window, and starts them in the order the program always has: the working cell, the
// program's directory, the automatic load of its calibration file, then the window.
// Everything it works with is passed in, so that tests replace the message boxes, the
// clock, help, printing and sound.

#include "core/session/session.hpp"
#include "gui/app/main_frame.hpp"

#include <memory>
#include <optional>
#include <string>

namespace rheo {

class CRHEOApp {
public:
    CRHEOApp(UserDialogs& dialogs, const Clock& clock, HelpLauncher& help,
             ReportDestination& reports, AlarmSound& alarm);
    ~CRHEOApp();
    CRHEOApp(const CRHEOApp&) = delete;
    CRHEOApp& operator=(const CRHEOApp&) = delete;

    // Start-up. `rheoVariable` is the environment variable "RHEO" (its value is the
    // directory prefix of RHEO.DAT and RHEO.chm, used unchanged), `workingDirectory` the
    // directory the program was started in, `menuDirectory` the per-user folder of a program
    // started from the desktop menu (made when it becomes the program's directory). Shows the
    // main window maximized, or as it was left.
    // The history RHEO-history.sqlite is opened in the same directory (the program
    // goes on without it, and says so, when it cannot be used), with the reference-check
    // tolerance of the settings.
    bool InitInstance(const std::optional<std::string>& rheoVariable,
                      const std::optional<std::string>& workingDirectory,
                      const std::optional<std::string>& menuDirectory = std::nullopt);

    Session& session() { return session_; }
    CMainFrame* mainFrame() { return frame_.get(); }

private:
    void openCalibrationDialog(CalibrationDialog dialog);
    void openHistory();

    // The history beside the calibration; declared before the session, which records into it.
    std::unique_ptr<History> history_;
    HelpLauncher& help_;
    ReportDestination& reports_;
    AlarmSound& alarm_;
    Session session_;
    std::unique_ptr<CMainFrame> frame_;
};

} // namespace rheo
