// SPDX-License-Identifier: MIT
#include "gui/app/rheo_app.hpp"

#include "core/history/login_name.hpp"
#include "core/history/sqlite_history.hpp"
#include "gui/app/application_icon.hpp"
#include "gui/app/history_window.hpp"
#include "gui/dialogs/calibration_dialogs.hpp"
#include "gui/runs/rheo_view.hpp"

#include <QApplication>
#include <filesystem>
#include <system_error>

namespace rheo {

CRHEOApp::CRHEOApp(UserDialogs& dialogs, const Clock& clock, HelpLauncher& help,
                   ReportDestination& reports, AlarmSound& alarm)
    : help_(help), reports_(reports), alarm_(alarm), session_(dialogs, clock) {}

CRHEOApp::~CRHEOApp() = default;

bool CRHEOApp::InitInstance(const std::optional<std::string>& rheoVariable,
                            const std::optional<std::string>& workingDirectory,
                            const std::optional<std::string>& menuDirectory) {
    // Every window takes the program's icon, the start-up message about the calibration
    // file as well as the main window.
    QApplication::setWindowIcon(applicationIcon());
    const std::string directory = appDirectoryFor(rheoVariable, workingDirectory, menuDirectory);
    if (menuDirectory && directory == *menuDirectory + "/") {
        // The per-user folder on its first use; a folder that cannot be made is told by the
        // calibration's start-up message and by the save that fails there.
        std::error_code error;
        std::filesystem::create_directories(*menuDirectory, error);
    }
    // A missing calibration file has shown its message; the program starts all the same
    // with every cell uncalibrated.
    session_.startUp(directory);
    openHistory();
    frame_ = std::make_unique<CMainFrame>(
        WindowServices{session_, help_, reports_, alarm_,
                       [this](CalibrationDialog dialog) { openCalibrationDialog(dialog); }});
    frame_->showHistoryNotes(false);
    frame_->showAsLeft();
    return true;
}

void CRHEOApp::openHistory() {
    session_.setCheckTolerance(historyCheckTolerance());
    const std::string path = session_.appDirectory() + kHistoryFileName;
    // Without a directory of its own the program would scatter history files wherever it
    // was started.
    if (!session_.appDirectory().empty())
        history_ = SqliteHistory::open(path);
    if (history_)
        session_.setHistory(*history_, currentLoginName());
    else
        session_.historyUnavailable(path);
}

void CRHEOApp::openCalibrationDialog(CalibrationDialog dialog) {
    CRHEOView& view = frame_->view();
    runCalibrationDialog(dialog, session_, help_, frame_.get(),
                         [&view] { view.refreshCalibrationTexts(); });
}

} // namespace rheo
