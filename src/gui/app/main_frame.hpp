#pragma once
// The main window: the program's menus, a one-pane status bar that shows "Ready" or the
// prompt of the highlighted command, the test-run form as its only view, and the exit
// sequence on File > Exit and on the close box.

#include "core/session/calibration_edit.hpp"
#include "core/session/session.hpp"
#include "gui/platform/report_destination.hpp"

#include <QMainWindow>

#include <functional>
#include <optional>

class QLabel;
class QMenu;

namespace rheo {

class AlarmSound;
class CRHEOView;
class HelpLauncher;

// What the main window and its form work with; the application object owns all of it.
struct WindowServices {
    Session& session;
    HelpLauncher& help;
    ReportDestination& reports;
    AlarmSound& alarm;
    // Runs one calibration dialog modally (the Calibration menu's commands).
    std::function<void(CalibrationDialog)> openCalibrationDialog;
};

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(WindowServices services, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CRHEOView& view() { return *view_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildFileMenu();
    void buildCalibrationMenu();
    void buildHelpMenu();
    void addCalibrationReportMenu(QMenu* parent, const QString& title, ReportWay way);
    void printTestDataTo(ReportWay way);
    // All cells without `cellIndex`, else the cell of index 0 to 4.
    void printCalibrationTo(ReportWay way, std::optional<int> cellIndex);
    void sendReport(ReportWay way, const ReportDrawing& draw, const FileDialogRequest& pdfDialog);
    void loadCalibration();
    void showAbout();

    WindowServices services_;
    CRHEOView* view_ = nullptr;
    QLabel* ready_ = nullptr;
};

} // namespace rheo
