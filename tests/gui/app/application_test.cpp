// SPDX-License-Identifier: MIT
// The application: its start-up, its main window's menus and status bar, every menu command
// reaching its operation, the exit sequence on the close box, the About box and the icon, and
// the installed help file: the first of its places that holds the file (beside the program,
// along the install layout from the program's directory, the installed path), so that a
// moved or unpacked installation finds its own file before the one it was built for.

#include "core/files/calibration_file.hpp"
#include "core/reports/report_queries.hpp"
#include "core/session/calibration_edit.hpp"
#include "core/text/program_texts.hpp"
#include "gui/app/about_dialog.hpp"
#include "gui/app/application_icon.hpp"
#include "gui/app/installed_help_file.hpp"
#include "gui/app/main_frame.hpp"
#include "gui/app/rheo_app.hpp"
#include "gui/platform/remembered_places.hpp"
#include "support/temp_dir.hpp"
#include "window_test_support.hpp"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>

#include <filesystem>
#include <string>

namespace rheo::testing {
namespace {

bool drew(const RecordingSurface& report, const std::string& text) {
    return findText(report, text).page != 0;
}

// "RHEO" is the directory prefix as it stands (the file is that text followed by
// "RHEO.DAT", found in any letter case); without it the working directory is used, and from
// the menu the per-user folder, made on its first use (the choice itself is the session's).
// A missing file is told once; the
// status bar names the folder; every window takes the program's icon. The window opens maximized
// over a normal size of 788 x 577 under its title, and the next time as it was closed.
TEST(StartUp, FindsTheCalibrationFileAndOpensTheWindow) {
    TempDir dir;
    CalibrationData data;
    data.companyName = "Start-up Lab";
    dir.write("rheo.Dat", calibrationFileText(data));
    const std::string folder = dir.path().string(), menu = folder + "/home/.local/share/rheo";
    const struct {
        std::optional<std::string> rheo, working, menu;
        bool loaded;
        std::string shownFolder;
    } cases[] = {
        {folder + "/", std::nullopt, menu, true, folder},
        {std::nullopt, folder, menu, true, folder},
        {std::nullopt, folder + "/home", menu, false, menu},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shownFolder);
        Recorders s;
        CRHEOApp app{s.dialogs, s.clock, s.help, s.reports, s.alarm};
        ASSERT_TRUE(app.InitInstance(c.rheo, c.working, c.menu));
        EXPECT_EQ(app.session().calibration().companyName, c.loaded ? "Start-up Lab" : "");
        EXPECT_EQ(s.dialogs.messages.size(), c.loaded ? 0u : 1u);
        EXPECT_FALSE(QApplication::windowIcon().isNull()); // messages take it too
        EXPECT_EQ(std::filesystem::is_directory(menu), c.shownFolder == menu);
        CMainFrame* frame = app.mainFrame();
        QStringList shown; // the folder beside "Ready" and the history's note
        for (const QLabel* label : frame->statusBar()->findChildren<QLabel*>())
            shown << label->text();
        EXPECT_TRUE(shown.contains(QString::fromStdString("Folder: " + c.shownFolder)));
        EXPECT_TRUE(frame->isMaximized());
        EXPECT_EQ(frame->normalGeometry().size(), QSize(788, 577));
        EXPECT_EQ(frame->windowTitle(), "Vantor Viscosity Calculator");
        EXPECT_EQ(app.session().calibrationCell(), 1);
    }
    Recorders s;
    CRHEOApp first{s.dialogs, s.clock, s.help, s.reports, s.alarm},
        second{s.dialogs, s.clock, s.help, s.reports, s.alarm};
    ASSERT_TRUE(first.InitInstance(folder + "/", std::nullopt));
    first.mainFrame()->showNormal();
    first.mainFrame()->resize(900, 600);
    s.dialogs.willAnswer(true);
    ASSERT_TRUE(first.mainFrame()->close());
    ASSERT_TRUE(second.InitInstance(folder + "/", std::nullopt));
    EXPECT_FALSE(second.mainFrame()->isMaximized());
    EXPECT_EQ(second.mainFrame()->size(), QSize(900, 600));
    QSettings().clear();
}

// The file dialogs open in the folder of RHEO.DAT, then in the folder of the last file of
// their kind; a calibration is always offered for saving where the next start looks.
TEST(StartUp, FileDialogsRememberTheLastFolderOfEachKind) {
    TempDir dir;
    const QString program = "/opt/lab", root = QString::fromStdString(dir.path().string());
    EXPECT_EQ(filesFolder("/opt/lab/"), program);
    for (const std::string kind : {"dat", "csv", "pdf"}) {
        const FileDialogRequest request{"", "", "." + kind, "", true};
        const QString folder = root + "/" + QString::fromStdString(kind);
        EXPECT_EQ(dialogFolder(request, false, program), program) << kind;
        std::filesystem::create_directories(folder.toStdString());
        rememberDialogFolder(request, folder + "/file");
        EXPECT_EQ(dialogFolder(request, false, program), folder);
        EXPECT_EQ(dialogFolder(request, true, program), kind == "dat" ? program : folder);
    }
    std::filesystem::remove(dir.path() / "csv");
    EXPECT_EQ(dialogFolder({"", "", ".csv", "", true}, false, program), program);
    QSettings().clear();
}

// The main window on its own, with every service recorded.
struct Window : Recorders {
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

    std::vector<CalibrationDialog> dialogsOpened;
    Session session;
    CMainFrame frame;
};

// Every command of the three menus with its status-bar prompt and no key; "Ready" otherwise.
// The file commands open their dialogs; the report commands draw their report for the
// printer, the preview or a PDF; the calibration menu opens its dialogs; help shows the
// welcome page under the program's directory.
TEST(MainWindow, EveryCommandHasItsPromptAndReachesItsOperation) {
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
        EXPECT_EQ(action->shortcut(),
                  path.back() == "E&xit" ? QKeySequence("Ctrl+Q") : QKeySequence());
    }
    EXPECT_EQ(w.frame.statusBar()->findChild<QLabel*>()->text(), "Ready");

    w.trigger({"&File", "&Test Data", "&Load ..."});
    w.trigger({"&File", "&Test Data", "&Save ..."});
    w.trigger({"&File", "&Calibration Data", "&Load ..."});
    w.trigger({"&File", "&Calibration Data", "&Save ..."});
    EXPECT_EQ(w.dialogs.transcript,
              (Texts{std::string("open: ") + file_texts::kResultsOpenTitle,
                     std::string("save: ") + file_texts::kResultsSaveTitle,
                     std::string("open: ") + file_texts::kCalibrationOpenTitle,
                     std::string("save: ") + file_texts::kCalibrationSaveTitle}));

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
    // A test data preview of very many pages is asked for; No shows nothing.
    std::string rows = "header";
    for (int i = 0; i < 30'000; ++i)
        rows += "\r\nS";
    TempDir dir;
    w.dialogs.willChoose(dir.write("many.csv", rows));
    w.trigger({"&File", "&Test Data", "&Load ..."});
    w.trigger({"&File", "&Test Data", "Print Pre&view ..."});
    EXPECT_EQ(w.dialogs.questions.size(), 1u);
    EXPECT_EQ(w.reports.calls.size(), 3u);

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

// The close box runs the exit sequence: a changed calibration is offered for saving first,
// a cancelled save keeps its flag, and No to the last question keeps the window; File > Exit
// by its key Ctrl+Q asks again, and Yes closes it. Escape never closes the main window.
TEST(MainWindow, CloseBoxRunsTheExitSequenceAndEscapeDoesNothing) {
    Window w;
    {
        CalibrationEdit edit(w.session, CalibrationDialog::GeneralSettings);
        edit.setCompanyName("Changed Lab");
        edit.commit();
    }
    ASSERT_TRUE(showActive(w.frame));
    QTest::keyClick(&w.frame, Qt::Key_Escape);
    EXPECT_TRUE(w.frame.isVisible());
    EXPECT_TRUE(w.dialogs.transcript.empty());

    w.dialogs.willAnswer(true);         // save the calibration
    w.dialogs.willChoose(std::nullopt); // the file dialog cancelled
    w.dialogs.willAnswer(false);        // not sure
    EXPECT_FALSE(w.frame.close());
    EXPECT_TRUE(w.frame.isVisible());
    EXPECT_TRUE(w.session.calibrationChanged());
    w.dialogs.willAnswer(false);
    w.dialogs.willAnswer(true);
    QTest::keyClick(&w.frame, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(w.frame.isVisible());
    const std::string save = std::string("ask: ") + session_texts::kSaveCalibrationBeforeExit;
    const std::string sure = std::string("ask: ") + session_texts::kConfirmExit;
    const std::string dialog = std::string("save: ") + file_texts::kCalibrationSaveTitle;
    EXPECT_EQ(w.dialogs.transcript, (Texts{save, dialog, sure, save, sure}));
}

TEST(AboutBox, ShowsTheIconTheVersionAndTheLicenceAndClosesWithOk) {
    CAboutDlg about;
    about.show();
    EXPECT_EQ(about.windowTitle(), "About RHEO");
    EXPECT_TRUE(about.isModal());
    EXPECT_EQ(control<QLabel>(about, "Version").text(), "RHEO Version 2.02");
    EXPECT_TRUE(control<QLabel>(about, "Licence").text().contains("MIT licence"));
    EXPECT_FALSE(control<QLabel>(about, "RHEO icon").pixmap().isNull());
    click(*named(about, "OK"));
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
}

TEST(ApplicationIcon, ComesInEverySizeOfTheIconTheme) {
    const QIcon icon = applicationIcon();
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
}

namespace fs = std::filesystem;

// Each place holds the file ('f'), a directory of that name ('d') or nothing ('-'): beside
// the program, along the install layout, at the installed path; the first place holding the
// file is found, or none (-1).
TEST(InstalledHelpFile, IsTheFirstPlaceThatHoldsTheFile) {
    const std::pair<std::string, int> layouts[] = {{"-f-", 1}, {"-ff", 1},  {"fff", 0},
                                                   {"--f", 2}, {"---", -1}, {"ddf", 2}};
    const char* places[] = {"bin/RHEO.chm", "share/rheo/RHEO.chm", "installed/RHEO.chm"};
    for (const auto& [layout, found] : layouts) {
        SCOPED_TRACE(layout);
        TempDir root;
        for (const char* folder : {"bin", "share/rheo", "installed"})
            fs::create_directories(root.path() / folder);
        for (int place = 0; place < 3; ++place) {
            if (layout[place] == 'f')
                root.write(places[place], "help");
            else if (layout[place] == 'd')
                fs::create_directories(root.path() / places[place]);
        }
        EXPECT_EQ(findInstalledHelpFile(root.path() / "bin", "../share/rheo/RHEO.chm",
                                        root.path() / "installed/RHEO.chm"),
                  found < 0 ? std::string() : root.file(places[found]));
    }
}

} // namespace
} // namespace rheo::testing
