// The program's start-up, its main window's menus and status bar, every menu command
// reaching its operation, and the exit sequence on the close box.
#include "core/files/calibration_file.hpp"
#include "gui/app/main_frame.hpp"
#include "gui/app/rheo_app.hpp"
#include "gui/runs/rheo_view.hpp"

#include "core/reports/report_queries.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_dir.hpp"
#include "window_fakes.hpp"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace rheo::testing {
namespace {

const LocalDateTime kNow = makeLocalDateTime(2014, 3, 5, 9, 7);

bool drew(const RecordingSurface& report, const std::string& text) {
    return findText(report, text).page != 0;
}

// A calibration file with a company name the tests can recognise.
std::string writeCalibration(const TempDir& dir, const std::string& name) {
    CalibrationData data;
    data.companyName = "Start-up Lab";
    return dir.write(name, calibrationFileText(data));
}

struct Program {
    ScriptedDialogs dialogs;
    FixedClock clock{kNow};
    RecordingHelp help;
    RecordingReports reports;
    CountingAlarm alarm;
    CRHEOApp app{dialogs, clock, help, reports, alarm};
};

// "RHEO" is the directory prefix as it stands (with or without its separator, the file is
// that text followed by "RHEO.DAT"), found in any letter case; without it the working
// directory is used. A missing file is told once and every cell stays uncalibrated. The
// window opens maximized over a normal size of 788 x 577 under its title.
TEST(StartUp, FindsTheCalibrationFileAndOpensTheWindow) {
    TempDir dir;
    writeCalibration(dir, "rheo.Dat");
    const std::string folder = dir.path().string();
    struct Case {
        std::optional<std::string> rheo, working;
        bool loaded;
    };
    const Case cases[] = {
        {folder + "/", std::nullopt, true},
        {folder, std::nullopt, false}, // ".../dirRHEO.DAT" names no file
        {std::nullopt, folder, true},
        {std::nullopt, folder + "/missing", false},
    };
    for (const Case& c : cases) {
        Program p;
        ASSERT_TRUE(p.app.InitInstance(c.rheo, c.working));
        EXPECT_EQ(p.app.session().calibration().companyName, c.loaded ? "Start-up Lab" : "");
        EXPECT_EQ(p.dialogs.messages.size(), c.loaded ? 0u : 1u);
        CMainFrame* frame = p.app.mainFrame();
        EXPECT_TRUE(frame->isMaximized());
        EXPECT_EQ(frame->normalGeometry().size(), QSize(788, 577));
        EXPECT_EQ(frame->windowTitle(), "Vantor Viscosity Calculator");
        EXPECT_EQ(p.app.session().calibrationCell(), 1);
    }
}

// The main window on its own, with every service recorded.
struct Window {
    Window() : session(dialogs, clock), frame(services()) {}

    WindowServices services() {
        return {session, help, reports, alarm,
                [this](CalibrationDialog dialog) { dialogsOpened.push_back(dialog); }};
    }
    void trigger(const std::vector<QString>& path) {
        QAction* action = menuAction(frame.menuBar(), path);
        ASSERT_NE(action, nullptr) << path.back().toStdString();
        action->trigger();
    }

    ScriptedDialogs dialogs;
    FixedClock clock{kNow};
    RecordingHelp help;
    RecordingReports reports;
    CountingAlarm alarm;
    std::vector<CalibrationDialog> dialogsOpened;
    Session session;
    CMainFrame frame;
};

// Every command of the three menus with its status-bar prompt; "Ready" otherwise.
TEST(MainWindow, MenusCarryTheirCommandsAndPrompts) {
    Window w;
    const std::pair<std::vector<QString>, QString> prompts[] = {
        {{"&File", "&Test Data", "&Load ..."}, "Load test data from a file"},
        {{"&File", "&Test Data", "&Save ..."}, "Save test data to a file"},
        {{"&File", "&Test Data", "&Print ..."}, "Print test data to any windows printer"},
        {{"&File", "&Calibration Data", "&Load ..."}, "Load calibration data from a file"},
        {{"&File", "&Calibration Data", "&Save ..."}, "Save calibration data to a file"},
        {{"&File", "&Calibration Data", "&Print", "&All"}, "Print calibration data for all cells"},
        {{"&File", "&Calibration Data", "&Print", "Cell &3"}, "Print calibration data for cell 3"},
        {{"&File", "E&xit"}, "Exit the RHEO application"},
        {{"&Calibration", "&General Settings ..."}, "General Settings"},
        {{"&Calibration", "Cell &Data ..."}, "Edit data for the cells"},
        {{"&Calibration", "Cell &Volumes ..."}, "Calculate volume for the cells"},
        {{"&Calibration", "&A B Calculation ..."}, "Calculate the A and B constants for the cells"},
        {{"&Calibration", "&Standard Viscosities ..."},
         "Edit the standard vicosities used for estimating pressures"},
        {{"&Help", "&Contents"}, "Detailed help"},
    };
    for (const auto& [path, prompt] : prompts) {
        QAction* action = menuAction(w.frame.menuBar(), path);
        ASSERT_NE(action, nullptr) << path.back().toStdString();
        EXPECT_EQ(action->statusTip(), prompt);
        EXPECT_TRUE(action->shortcut().isEmpty()); // no command of the program has a key
    }
    const auto* ready = w.frame.statusBar()->findChild<QLabel*>();
    ASSERT_NE(ready, nullptr);
    EXPECT_EQ(ready->text(), "Ready");
}

// The file commands open their dialogs; the report commands draw their report for the
// printer, the preview or a PDF; the calibration menu opens its dialogs; help shows the
// welcome page under the program's directory.
TEST(MainWindow, EveryCommandReachesItsOperation) {
    Window w;
    w.trigger({"&File", "&Test Data", "&Load ..."});
    w.trigger({"&File", "&Test Data", "&Save ..."});
    w.trigger({"&File", "&Calibration Data", "&Load ..."});
    w.trigger({"&File", "&Calibration Data", "&Save ..."});
    EXPECT_EQ(w.dialogs.transcript,
              (std::vector<std::string>{"open: Select Calculated Results File",
                                        "save: Save Current Calculated Results",
                                        "open: Select RHEO Calibration File",
                                        "save: Save Current Calibration Settings"}));

    w.trigger({"&File", "&Test Data", "&Print ..."});
    EXPECT_TRUE(drew(w.reports.lastReport, "Sample ID Name"));
    w.trigger({"&File", "&Calibration Data", "Print Pre&view", "Cell &3"});
    EXPECT_TRUE(drew(w.reports.lastReport, "Cell 3   Volume Calculation Data"));
    EXPECT_FALSE(drew(w.reports.lastReport, "Cell 1   Volume Calculation Data"));
    w.dialogs.willChoose("/tmp/all.pdf");
    w.trigger({"&File", "&Calibration Data", "&Export PDF", "&All"});
    EXPECT_TRUE(drew(w.reports.lastReport, "Standard Name"));
    w.dialogs.willChoose(std::nullopt);
    w.trigger({"&File", "&Test Data", "&Export PDF ..."});
    EXPECT_EQ(w.reports.calls, (std::vector<std::string>{"print", "preview", "pdf /tmp/all.pdf"}));
    EXPECT_EQ(w.dialogs.saveRequests.back().defaultName, "RHEO_Results.pdf");

    for (const char* item : {"&General Settings ...", "Cell &Data ...", "Cell &Volumes ...",
                             "&A B Calculation ...", "&Standard Viscosities ..."})
        w.trigger({"&Calibration", item});
    EXPECT_EQ(w.dialogsOpened, (std::vector<CalibrationDialog>{
                                   CalibrationDialog::GeneralSettings, CalibrationDialog::CellData,
                                   CalibrationDialog::CellVolumes, CalibrationDialog::AbCalculation,
                                   CalibrationDialog::StandardViscosities}));

    w.session.startUp("/opt/rheo/");
    w.trigger({"&Help", "&Contents"});
    EXPECT_EQ(w.help.pages, std::vector<std::string>{"/opt/rheo//RHEO.chm::/RHEO/Welcome.htm"});
}

// The close box runs the exit sequence: No to "Are you sure you want to exit?" keeps the
// window; Yes closes it. Escape never closes the main window.
TEST(MainWindow, CloseBoxAsksAndEscapeDoesNothing) {
    Window w;
    w.frame.show();
    QTest::keyClick(&w.frame, Qt::Key_Escape);
    EXPECT_TRUE(w.frame.isVisible());
    EXPECT_TRUE(w.dialogs.questions.empty());

    w.dialogs.willAnswer(false);
    EXPECT_FALSE(w.frame.close());
    EXPECT_TRUE(w.frame.isVisible());
    w.dialogs.willAnswer(true);
    w.trigger({"&File", "E&xit"});
    EXPECT_FALSE(w.frame.isVisible());
    EXPECT_EQ(w.dialogs.questions, std::vector<std::string>(2, "Are you sure you want to exit?"));
}

} // namespace
} // namespace rheo::testing
