// SPDX-License-Identifier: MIT
#pragma once
// The main window: the program's menus, a one-pane status bar that shows "Ready" or the
// prompt of the highlighted command (and, at its right, the folder where the program keeps
// its files), the test-run form as its only view, and the exit sequence on File > Exit
// (Ctrl+Q) and on the close box.

#include "core/session/calibration_edit.hpp"
#include "core/session/session.hpp"
#include "gui/platform/report_destination.hpp"

#include <QMainWindow>
#include <QPointer>

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
    // Shows the window maximized, or at the size and state it was closed in last time.
    void showAsLeft();

    // The history's notes in the status bar: after an accepted run its marks (or nothing),
    // and at any time the note, given once, that the history cannot be used or written.
    void showHistoryNotes(bool afterRun);
    // Calibration > History ...: the window of the cells' history (one at a time).
    void showHistoryWindow();
    QLabel* historyNote() const { return historyNote_; }

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
    QLabel* historyNote_ = nullptr;
    QPointer<QWidget> historyWindow_;
};

} // namespace rheo
