// SPDX-License-Identifier: MIT
// The running program's commands and the two change flags they set and clear: which
// command raises which flag, when it does not, and what only a successful save clears. (The
// window tests drive the same session through the form, the dialogs and the menus: the
// deletion questions, the cell keys, recalled runs, the start-up load and the dialogs'
// Cancel and OK are checked there.)
#include "core/files/calibration_file.hpp"
#include "core/session/calibration_edit.hpp"
#include "core/session/session.hpp"

#include "../calibration/calibration_fixtures.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

namespace rheo::testing {
namespace {

const LocalDateTime kNow = makeLocalDateTime(2014, 3, 5, 9, 7);

// Every cell calibrated like the worked cell; cell 2 (index 1) holds four standard runs.
CalibrationData calibratedData() {
    CalibrationData data;
    for (int i = 0; i < kCellCount; ++i) {
        data.cells[i] = kCalibratedCell;
        data.cells[i].cellNumber = i + 1;
    }
    data.cells[1].abPoints = cellWith(kFourStandards).abPoints;
    return data;
}

struct Program {
    explicit Program(CalibrationData data = calibratedData()) : session(dialogs, clock, data) {}

    ScriptedDialogs dialogs;
    FixedClock clock{kNow};
    Session session;
    TempDir dir;

    // Runs a Newtonian sample at 200 psi in the working cell; at 18 s it falls inside the
    // shear-rate window of the calibrated cells, at 10 s outside.
    RunOutcome run(const std::string& id = "S", double effluxTime = 18.0) {
        return session.runSample({id, 200.0, effluxTime, true});
    }
};

// An accepted run is appended, stamped by the clock, and sets testDataChanged; a refused
// run shows its message and changes nothing; only a successful save clears the flag, which a
// deletion sets again and a load leaves alone.
TEST(SessionFlags, RunsDeletionsAndResultsFilesSetAndClearTestDataChanged) {
    Program p;
    p.run("refused", 10.0);
    EXPECT_EQ(p.dialogs.messages.size(), 1u);
    EXPECT_FALSE(p.session.testDataChanged());
    for (const char* id : {"a", "b"})
        ASSERT_TRUE(std::holds_alternative<RunAccepted>(p.run(id)));
    EXPECT_TRUE(p.session.testDataChanged());
    EXPECT_EQ(p.session.results().back().dateTime, kNow);

    const std::string path = p.dir.file("r.csv");
    for (const auto& choice : {std::optional<std::string>(), std::optional(p.dir.file("r.CSV"))}) {
        p.dialogs.willChoose(choice); // cancelled, then a refused extension
        EXPECT_FALSE(p.session.saveResults());
        EXPECT_TRUE(p.session.testDataChanged());
    }
    p.dialogs.willChoose(path);
    EXPECT_TRUE(p.session.saveResults());
    EXPECT_FALSE(p.session.testDataChanged());
    p.dialogs.willAnswer(true);
    EXPECT_TRUE(p.session.deleteResults({0}));
    EXPECT_TRUE(p.session.testDataChanged());
    p.dialogs.willChoose(path);
    EXPECT_EQ(p.session.loadResults(), 2u);
    EXPECT_TRUE(p.session.testDataChanged());
    EXPECT_EQ(p.session.results().size(), 3u);
    EXPECT_FALSE(p.session.recallResult(3)); // past the end: nothing
}

// Neither loading the calibration nor OK without an edit touches a raised calibrationChanged.
TEST(SessionFlags, LoadingAndOkWithoutAnEditLeaveCalibrationChanged) {
    Program p;
    {
        CalibrationEdit edit(p.session, CalibrationDialog::StandardViscosities);
        edit.addStandard("Oil", 5.0);
        edit.commit();
    }
    EXPECT_TRUE(p.session.calibrationChanged());
    CalibrationEdit(p.session, CalibrationDialog::GeneralSettings).commit();
    p.dialogs.willChoose(p.dir.write("c.dat", calibrationFileText(calibratedData())));
    EXPECT_TRUE(p.session.loadCalibration());
    EXPECT_TRUE(p.session.calibrationChanged());
}

// The exit sequence for every combination of the two flags and of the answers: the save
// questions only for the flags set, in order, then always the last question; a refused or
// cancelled save keeps its flag and never stops the sequence.
TEST(SessionExit, QuestionsComeInOrderAndKeepTheirFlags) {
    struct Case {
        bool calibration, testData;
        std::vector<bool> answers;
        std::vector<std::optional<std::string>> choices; // file dialogs, "" for a good path
        bool exits, calibrationAfter, testDataAfter;
        std::vector<std::string> asked;
    };
    const std::string cal =
        "Calibration data has changed.\nDo you want to save the data before exiting?";
    const std::string test =
        "You have added or modified test data.\nDo you want to save the data before exiting?";
    const std::string sure = "Are you sure you want to exit?";
    const Case cases[] = {
        {false, false, {true}, {}, true, false, false, {sure}},
        {false, false, {false}, {}, false, false, false, {sure}},
        {true, true, {false, false, true}, {}, true, true, true, {cal, test, sure}},
        {true, false, {true, false}, {std::nullopt}, false, true, false, {cal, sure}},
        {true, true, {true, true, true}, {"", ""}, true, false, false, {cal, test, sure}},
        {false, true, {true, true}, {std::nullopt}, true, false, true, {test, sure}},
    };
    for (const Case& c : cases) {
        Program p;
        if (c.testData)
            p.run();
        if (c.calibration) {
            CalibrationEdit edit(p.session, CalibrationDialog::GeneralSettings);
            edit.setCompanyName("Lab");
            edit.commit();
        }
        for (const bool answer : c.answers)
            p.dialogs.willAnswer(answer);
        int n = 0;
        for (const auto& choice : c.choices)
            p.dialogs.willChoose(choice && choice->empty()
                                     ? std::optional(p.dir.file(n++ ? "r.csv" : "c.dat"))
                                     : choice);
        EXPECT_EQ(p.session.confirmExit(), c.exits);
        EXPECT_EQ(p.dialogs.questions, c.asked);
        EXPECT_EQ(p.session.calibrationChanged(), c.calibrationAfter);
        EXPECT_EQ(p.session.testDataChanged(), c.testDataAfter);
        EXPECT_TRUE(p.dialogs.scriptUsedUp());
    }
}

// A preview of up to 500 pages (51 runs a page) is shown unasked, a longer one only after a
// Yes to its page count.
TEST(SessionReports, APreviewOfVeryManyPagesIsAskedFor) {
    Program p;
    std::string rows = "header\r\n";
    for (int i = 0; i < 500 * 51; ++i)
        rows += "S\r\n";
    p.dialogs.willChoose(p.dir.write("r.csv", rows));
    p.session.loadResults();
    EXPECT_TRUE(p.session.confirmTestDataPreview());
    p.run();
    p.dialogs.willAnswer(false);
    p.dialogs.willAnswer(true);
    EXPECT_FALSE(p.session.confirmTestDataPreview());
    EXPECT_TRUE(p.session.confirmTestDataPreview());
    EXPECT_EQ(p.dialogs.questions,
              std::vector<std::string>(2, "The report has 501 pages. Showing them all takes a "
                                          "long time and much memory.\nDo you want to see the "
                                          "preview anyway?"));
}

// The program's directory: "RHEO" unchanged, else the working directory and one "/", or
// nothing; started from the menu, the per-user folder unless "RHEO" is set or the working
// directory holds the calibration. The start-up makes cell 1 the working cell.
TEST(SessionStartUp, DirectoryAndWorkingCell) {
    TempDir lab;
    lab.write("Rheo.Dat", "RHEO Version 2\r\n");
    const std::string labDir = lab.path().string(), menu = "/home/ann/.local/share/rheo";
    EXPECT_EQ(appDirectoryFor(std::string("/data/rheo"), std::string("/home")), "/data/rheo");
    EXPECT_EQ(appDirectoryFor(std::nullopt, std::string("/home")), "/home/");
    EXPECT_EQ(appDirectoryFor(std::nullopt, std::nullopt), "");
    EXPECT_EQ(appDirectoryFor(std::string("/data/"), std::string("/home/ann"), menu), "/data/");
    EXPECT_EQ(appDirectoryFor(std::nullopt, std::string("/home/ann"), menu), menu + "/");
    EXPECT_EQ(appDirectoryFor(std::nullopt, std::nullopt, menu), menu + "/");
    EXPECT_EQ(appDirectoryFor(std::nullopt, labDir, menu), labDir + "/");
    Program p;
    p.session.selectCell(3);
    EXPECT_FALSE(p.session.startUp(p.dir.path().string() + "/"));
    EXPECT_EQ(p.session.currentCell(), 0);
    EXPECT_EQ(p.session.calibration(), calibratedData()); // nothing read: nothing reset
}

// OK of the volume dialog after a change, and only OK, refits every cell with three or more
// standard runs (what it computes is checked with the calibration; the cell data dialog's
// recomputation on OK with the window's dialog).
TEST(SessionRecompute, OkOfTheVolumeDialogRefits) {
    Program p;
    const double reynoldsBefore = p.session.calibration().cells[1].abPoints[0].reynoldsNumber;
    {
        CalibrationEdit edit(p.session, CalibrationDialog::CellVolumes);
        edit.selectCell(1);
        EXPECT_FALSE(
            edit.addVolumePointFromDialog(10.0, 16.0, 0.8).rejected()); // 7.5 ml instead of 6
        EXPECT_EQ(edit.cellData().abPoints[0].reynoldsNumber, reynoldsBefore); // not before OK
        edit.commit();
    }
    EXPECT_NEAR(p.session.calibration().cells[1].abPoints[0].reynoldsNumber,
                reynoldsBefore * 7.5 / 6, 1e-9);
}

} // namespace
} // namespace rheo::testing
