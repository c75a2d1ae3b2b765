#include "gui/app/rheo_app.hpp"

#include "core/history/login_name.hpp"
#include "core/history/sqlite_history.hpp"
#include "gui/app/history_window.hpp"
#include "gui/dialogs/calibration_dialogs.hpp"
#include "gui/runs/rheo_view.hpp"

namespace rheo {

CRHEOApp::CRHEOApp(UserDialogs& dialogs, const Clock& clock, HelpLauncher& help,
                   ReportDestination& reports, AlarmSound& alarm)
    : help_(help), reports_(reports), alarm_(alarm), session_(dialogs, clock) {}

CRHEOApp::~CRHEOApp() = default;

bool CRHEOApp::InitInstance(const std::optional<std::string>& rheoVariable,
                            const std::optional<std::string>& workingDirectory) {
    // A missing calibration file has shown its message; the program starts all the same
    // with every cell uncalibrated.
    session_.startUp(appDirectoryFor(rheoVariable, workingDirectory));
    openHistory();
    frame_ = std::make_unique<CMainFrame>(
        WindowServices{session_, help_, reports_, alarm_,
                       [this](CalibrationDialog dialog) { openCalibrationDialog(dialog); }});
    frame_->showHistoryNotes(false);
    frame_->showMaximized();
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
