// The running program's commands and the two change flags they set and clear: which
// command raises which flag, when it does not, and what only a successful save clears.
#include "core/files/calibration_file.hpp"
#include "core/reports/recording_surface.hpp"
#include "core/session/calibration_edit.hpp"
#include "core/session/session.hpp"
#include "core/session/session_texts.hpp"

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
// run shows its message and changes nothing; only a successful save clears the flag.
// Deleting asks once, and only with rows selected; No changes nothing; Yes removes exactly
// the selected rows and sets the flag. Loading puts the file's rows in front and leaves the
// flag alone.
TEST(SessionFlags, RunsDeletionsAndResultsFilesSetAndClearTestDataChanged) {
    Program p;
    p.run("refused", 10.0);
    EXPECT_EQ(p.dialogs.messages.size(), 1u);
    EXPECT_FALSE(p.session.testDataChanged());
    EXPECT_TRUE(p.session.results().empty());
    for (const char* id : {"a", "b", "c"})
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

    EXPECT_FALSE(p.session.deleteResults({}));
    EXPECT_TRUE(p.dialogs.questions.empty());
    p.dialogs.willAnswer(false);
    EXPECT_FALSE(p.session.deleteResults({0, 2}));
    EXPECT_FALSE(p.session.testDataChanged());
    p.dialogs.willAnswer(true);
    EXPECT_TRUE(p.session.deleteResults({2, 0}));
    EXPECT_TRUE(p.session.testDataChanged());
    EXPECT_EQ(p.dialogs.questions,
              std::vector<std::string>(2, session_texts::kDeleteSelectedResults));

    p.dialogs.willChoose(path);
    EXPECT_EQ(p.session.loadResults(), 3u);
    std::string ids;
    for (const TestResult& result : p.session.results())
        ids += result.sampleId;
    EXPECT_EQ(ids, "abcb");
    EXPECT_TRUE(p.session.testDataChanged());
}

// OK raises calibrationChanged only after a change; Cancel, Escape or the close box put
// back the calibration as it was when the dialog opened (every cell it touched) and leave
// the flag; loading never touches it.
TEST(SessionFlags, CalibrationDialogsRaiseCalibrationChangedOnlyOnOkAfterAChange) {
    Program p;
    const CalibrationData before = p.session.calibration();
    {
        CalibrationEdit edit(p.session, CalibrationDialog::GeneralSettings);
        edit.setCompanyName(""); // the same text: no change
        EXPECT_EQ(edit.setOperatingTemperature(150), std::nullopt);
        edit.commit();
    }
    EXPECT_FALSE(p.session.calibrationChanged());
    {
        CalibrationEdit edit(p.session, CalibrationDialog::AbCalculation);
        edit.selectCell(0);
        edit.deleteAllAbPoints(); // the answer is No: nothing changes
        p.dialogs.willAnswer(true);
        edit.selectCell(1);
        EXPECT_TRUE(edit.deleteAllAbPoints());
        edit.selectCell(3);
        edit.addAbPoint(8.5, 200, 18, true, "x");
        edit.cancel();
    }
    EXPECT_EQ(p.session.calibration(), before);
    for (const bool ok : {false, true}) { // closed without OK: cancelled
        CalibrationEdit edit(p.session, CalibrationDialog::StandardViscosities);
        edit.addStandard("Oil", 5.0);
        if (ok)
            edit.commit();
    }
    EXPECT_EQ(p.session.calibration().standards.size(), 1u);
    EXPECT_TRUE(p.session.calibrationChanged());
    CalibrationEdit(p.session, CalibrationDialog::GeneralSettings).commit(); // flag kept
    EXPECT_TRUE(p.session.calibrationChanged());

    // Loading leaves the flag alone (what saves do to it is checked with the exit).
    p.dialogs.willChoose(p.dir.write("c.dat", calibrationFileText(before)));
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
    using namespace session_texts;
    const std::string cal = kSaveCalibrationBeforeExit, test = kSaveTestDataBeforeExit;
    const Case cases[] = {
        {false, false, {true}, {}, true, false, false, {kConfirmExit}},
        {false, false, {false}, {}, false, false, false, {kConfirmExit}},
        {true, true, {false, false, true}, {}, true, true, true, {cal, test, kConfirmExit}},
        {true, false, {true, false}, {std::nullopt}, false, true, false, {cal, kConfirmExit}},
        {true, true, {true, true, true}, {"", ""}, true, false, false, {cal, test, kConfirmExit}},
        {false, true, {true, true}, {std::nullopt}, true, false, true, {test, kConfirmExit}},
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

// The program's directory: "RHEO" unchanged, else the working directory and one "/"; the
// start-up load reads appDirectory + "RHEO.DAT" (here spelled "RHEO.dat"), or tells that
// it failed (its message is checked with the load itself) and keeps every cell
// uncalibrated. The working cell is cell 1, the dialogs' cell index 1.
TEST(SessionStartUp, DirectoryAndAutomaticLoad) {
    EXPECT_EQ(appDirectoryFor(std::string("/data/rheo"), std::string("/home")), "/data/rheo");
    EXPECT_EQ(appDirectoryFor(std::nullopt, std::string("/home")), "/home/");
    EXPECT_EQ(appDirectoryFor(std::nullopt, std::nullopt), "");

    Program found(CalibrationData{});
    found.dir.write("RHEO.dat", calibrationFileText(calibratedData()));
    found.session.selectCell(3);
    EXPECT_TRUE(found.session.startUp(found.dir.path().string() + "/"));
    EXPECT_EQ(calibrationFileText(found.session.calibration()),
              calibrationFileText(calibratedData()));
    EXPECT_TRUE(found.dialogs.messages.empty());
    EXPECT_EQ(found.session.currentCell(), 0);
    EXPECT_EQ(found.session.calibrationCell(), 1);

    Program missing(CalibrationData{});
    missing.dir.write("RHEO.dat", calibrationFileText(calibratedData()));
    EXPECT_FALSE(missing.session.startUp(missing.dir.path().string())); // no separator added
    EXPECT_EQ(missing.dialogs.messages.size(), 1u);
    EXPECT_EQ(missing.session.calibration(), CalibrationData{});
}

// Ctrl+Tab and Ctrl+Shift+Tab wrap; a recalled row takes its cell, unless its number is
// not a cell of the instrument; a row past the end recalls nothing. The tabbed dialogs
// open on the working cell and wrap the same way.
TEST(SessionCells, WrapRecallAndDialogTabs) {
    Program p;
    p.session.selectPreviousCell();
    EXPECT_EQ(p.session.currentCell(), 4);
    p.session.selectNextCell();
    EXPECT_EQ(p.session.currentCell(), 0);

    p.session.selectCell(3);
    p.session.runSample({"non-newtonian", 250.0, 18.0, false});
    p.session.selectCell(1);
    const auto recalled = p.session.recallResult(0);
    ASSERT_TRUE(recalled);
    EXPECT_EQ(p.session.currentCell(), 3);
    EXPECT_FALSE(recalled->newtonian);
    EXPECT_EQ(recalled->pressure, 250.0);

    // Rows of a file written elsewhere may name cells 0 or 6.
    for (const int number : {0, 6, -1}) {
        p.dialogs.willChoose(p.dir.write("f.csv", "header\r\nX," + std::to_string(number) +
                                                      ",1,1,1,1,1,1,1/1/2014 1:1\r\n"));
        p.session.loadResults();
        EXPECT_TRUE(p.session.recallResult(0));
        EXPECT_EQ(p.session.currentCell(), 3) << number;
    }
    EXPECT_FALSE(p.session.recallResult(p.session.results().size()));

    CalibrationEdit edit(p.session, CalibrationDialog::CellVolumes);
    EXPECT_EQ(edit.cell(), 3);
    edit.selectNextCell();
    edit.selectNextCell();
    EXPECT_EQ(p.session.calibrationCell(), 0);
    edit.selectPreviousCell();
    EXPECT_EQ(edit.cell(), 4);
}

// OK of the volume dialog after a change refits every cell with three or more standard
// runs, OK of the cell data dialog after a change recomputes T0 from the weighings (what
// they compute is checked with the calibration).
TEST(SessionRecompute, OkRecomputesWhatTheDialogChanged) {
    Program p;
    const double reynoldsBefore = p.session.calibration().cells[1].abPoints[0].reynoldsNumber;
    {
        CalibrationEdit edit(p.session, CalibrationDialog::CellVolumes);
        edit.selectCell(1);
        EXPECT_FALSE(edit.addVolumePoint(10.0, 16.0, 0.8).rejected()); // 7.5 ml instead of 6
        EXPECT_EQ(edit.cellData().abPoints[0].reynoldsNumber, reynoldsBefore); // not before OK
        edit.commit();
    }
    EXPECT_NEAR(p.session.calibration().cells[1].abPoints[0].reynoldsNumber,
                reynoldsBefore * 7.5 / 6, 1e-9);
    const double t0Before = p.session.calibration().cells[1].targetEffluxTime; // 16.17 s
    {
        CalibrationEdit edit(p.session, CalibrationDialog::CellData);
        edit.selectCell(1);
        EXPECT_TRUE(edit.editCellData(NumberField::WorkingShearRate, 1.4, 1.0).written);
        EXPECT_EQ(edit.cellData().targetEffluxTime, t0Before); // not before OK
        edit.commit();
    }
    EXPECT_NEAR(p.session.calibration().cells[1].targetEffluxTime, t0Before * 1.4, 1e-9);
}

// The standards table's commands: the deletions ask first and only with rows; printing the
// calibration sorts the standards and rebuilds the printed rows.
TEST(SessionStandards, DeletionsAskAndPrintingRebuildsTheRows) {
    Program p;
    CalibrationEdit edit(p.session, CalibrationDialog::StandardViscosities);
    for (const auto& [name, viscosity] : {std::pair{"X", 5.0}, {"Y", 2.0}, {"Z", 8.5}})
        edit.addStandard(name, viscosity);
    EXPECT_FALSE(edit.deleteSelectedStandards({}));
    p.dialogs.willAnswer(true);
    EXPECT_TRUE(edit.deleteSelectedStandards({0}));
    EXPECT_FALSE(edit.deleteAllStandards());
    EXPECT_EQ(p.dialogs.questions,
              (std::vector<std::string>{session_texts::kDeleteSelectedStandards,
                                        session_texts::kDeleteAllStandards}));
    edit.commit();

    RecordingSurface surface;
    EXPECT_TRUE(p.session.PrintCalibration(surface, 0));
    ASSERT_EQ(p.session.targetPressureRows().size(), 2u);
    EXPECT_EQ(p.session.targetPressureRows()[1].texts[0], "Z");
    EXPECT_EQ(p.session.targetPressureRows()[1].texts[1], "8.500");
}

} // namespace
} // namespace rheo::testing
