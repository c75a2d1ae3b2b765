#include "core/reports/calibration_report.hpp"
#include "core/text/c_format.hpp"

#include "report_queries.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rheo {
namespace {

using testing::findText;
using testing::rowY600;
using testing::textsAt;

using Texts = std::vector<std::string>;

const LocalDateTime kPrinted = makeLocalDateTime(2014, 3, 5, 9, 7);
const Texts kVolumeHeadings = {"Tare Weight", "Full Weight", "Difference",
                               "Density",     "T0",          "Volume"};
const Texts kAbHeadings = {"Std Name",       "Known Visc",   "Efflux Time", "Pressure",
                           "Calc Viscosity", "% Difference", "Reynolds #"};
const Texts kStandardsHeadings = {"Standard Name", "Viscosity", "Cell 1", "Cell 2",
                                  "Cell 3",        "Cell 4",    "Cell 5"};

// The worked cell: A 0.0025, B 9, T0 18 s; every required value set.
void calibrate(CellCalibration& cell) {
    cell.workingShearRate = 1.2e6;
    cell.minShearRate = 1.0e6;
    cell.maxShearRate = 1.6e6;
    cell.capillaryRadius = 0.075;
    cell.capillaryLength = 15.0;
    cell.constantA = 0.0025;
    cell.constantB = 9.0;
    cell.rmsPercentDiff = 0.5;
    cell.cellVolume = 7.1234;
    cell.targetEffluxTime = 18.0;
}

void addWeighings(CellCalibration& cell, int count) {
    for (int i = 0; i < count; ++i)
        cell.volumePoints.push_back({10.0, 12.3456, 0.8, 18.02, 7.1234});
}

void addRuns(CellCalibration& cell, int count) {
    for (int i = 0; i < count; ++i)
        cell.abPoints.push_back({8.5, 18.0, 200.0, 8.512, 0.14, 266.3, true, cformat("Std%d", i)});
}

void addStandards(CalibrationData& calibration, int count) {
    for (int i = 0; i < count; ++i)
        calibration.standards.push_back({cformat("Oil%d", i), 2.0 + i});
}

RecordingSurface print(ApplicationState& app, std::optional<int> cell = std::nullopt) {
    RecordingSurface surface;
    EXPECT_TRUE(PrintCalibration(surface, app, kPrinted, cell));
    return surface;
}

// The row (counted from 0 at y = 125) of a text's n-th drawing on its page, and its page.
std::pair<int, int> pageAndRow(const RecordingSurface& surface, const std::string& text,
                               int occurrence = 0) {
    const auto call = findText(surface, text, occurrence);
    if (!call)
        return {0, -1};
    return {call->page, (call->y / 6 - 125) / 17};
}

TEST(CalibrationReport, CellAndConstantsTablesListEveryCell) {
    ApplicationState app;
    calibrate(app.calibration.cells[0]);
    const auto surface = print(app);
    EXPECT_EQ(textsAt(surface, 1, rowY600(0)),
              (Texts{"Cell #", "Working Shear Rate", "Min Shear Rate", "Max Shear Rate",
                     "Capillary Radius", "Capillary Length"}));
    EXPECT_EQ(textsAt(surface, 1, rowY600(1)),
              (Texts{"1x10e6 1/sec", "1x10e6 1/sec", "1x10e6 1/sec", "mm", "mm"}));
    EXPECT_EQ(textsAt(surface, 1, rowY600(2)),
              (Texts{"1", "1.200", "1.000", "1.600", "0.0750", "15.0000"}));
    // A cell with no calibration at all prints zeros.
    EXPECT_EQ(textsAt(surface, 1, rowY600(3)),
              (Texts{"2", "0.000", "0.000", "0.000", "0.0000", "0.0000"}));
    EXPECT_EQ(textsAt(surface, 1, rowY600(6))[0], "5");

    EXPECT_EQ(textsAt(surface, 1, rowY600(8)),
              (Texts{"Cell #", "Cal Constant A", "Cal Constant B", "RMS % Diff", "Volume",
                     "Target Efflux Time"}));
    EXPECT_EQ(textsAt(surface, 1, rowY600(9)), (Texts{"ml", "sec"}));
    EXPECT_EQ(textsAt(surface, 1, rowY600(10)),
              (Texts{"1", "0.002500", "9.000000", "0.50", "7.1234", "18.00"}));
    EXPECT_EQ(textsAt(surface, 1, rowY600(11)),
              (Texts{"2", "0.000000", "0.000000", "0.00", "0.0000", "0.00"}));
    EXPECT_EQ(textsAt(surface, 1, rowY600(14))[0], "5");

    const auto bands = testing::callsOfKind(surface, RecordedCall::Kind::Rectangle);
    ASSERT_GE(bands.size(), 3u);
    EXPECT_EQ(std::vector<int>({bands[0].x, bands[0].y, bands[0].right, bands[0].bottom}),
              std::vector<int>({96, 750, 4680, 938}));
    EXPECT_EQ(std::vector<int>({bands[1].x, bands[1].y, bands[1].right, bands[1].bottom}),
              std::vector<int>({96, 1566, 4680, 1754}));
    EXPECT_EQ(std::vector<int>({bands[2].x, bands[2].y, bands[2].right, bands[2].bottom}),
              std::vector<int>({120, 2382, 4680, 2570}));
    const auto fonts = testing::callsOfKind(surface, RecordedCall::Kind::Font);
    EXPECT_EQ(fonts[1].y, 84); // body text is 14 units
}

TEST(CalibrationReport, StandardsTableIsSortedWithPressuresOrNotApplicable) {
    ApplicationState app;
    calibrate(app.calibration.cells[0]);
    app.calibration.standards = {{"Heavy", 12.0}, {"Ref", 8.5}, {"Light", 2.0}};
    const auto surface = print(app);
    EXPECT_EQ(textsAt(surface, 1, rowY600(16)), kStandardsHeadings);
    EXPECT_EQ(textsAt(surface, 1, rowY600(17)),
              (Texts{"mPa*s", "psi", "psi", "psi", "psi", "psi"}));
    EXPECT_EQ(textsAt(surface, 1, rowY600(18))[0], "Light");
    EXPECT_EQ(textsAt(surface, 1, rowY600(19)),
              (Texts{"Ref", "8.500", "200.0", "N/A", "N/A", "N/A", "N/A"}));
    EXPECT_EQ(textsAt(surface, 1, rowY600(20))[0], "Heavy");
    EXPECT_EQ(app.calibration.standards[0].name, "Light");
    ASSERT_EQ(app.targetPressureRows.size(), 3u);
    EXPECT_EQ(app.targetPressureRows[1].texts[2], "200.0");
    // Three standards: cell 1's volume section starts after one empty row, at row 22.
    EXPECT_EQ(pageAndRow(surface, "Cell 1   Volume Calculation Data"), std::make_pair(1, 22));
}

TEST(CalibrationReport, WithoutStandardsCellOnesSectionsStartAtRowNineteen) {
    ApplicationState app;
    const auto surface = print(app);
    EXPECT_EQ(textsAt(surface, 1, rowY600(16)), kStandardsHeadings);
    EXPECT_TRUE(textsAt(surface, 1, rowY600(18)).empty());
    const auto title = findText(surface, "Cell 1   Volume Calculation Data");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->y, 448 * 6);
    EXPECT_EQ(textsAt(surface, 1, rowY600(20)), kVolumeHeadings);
    EXPECT_EQ(textsAt(surface, 1, rowY600(21)),
              (Texts{"grams", "grams", "grams", "grams/ml", "sec", "ml"}));
    // No points: the A/B section follows after one empty row, the constants line right
    // under its units, and cell 2 two rows further down.
    EXPECT_EQ(pageAndRow(surface, "Cell 1   AB Calculation Data"), std::make_pair(1, 23));
    EXPECT_EQ(textsAt(surface, 1, rowY600(24)), kAbHeadings);
    EXPECT_EQ(textsAt(surface, 1, rowY600(25)), (Texts{"mPa*s", "sec", "psi", "mPa*s"}));
    EXPECT_EQ(pageAndRow(surface, "Cal Constant A: "), std::make_pair(1, 26));
    EXPECT_EQ(pageAndRow(surface, "Cell 2   Volume Calculation Data"), std::make_pair(1, 28));
    // Band over title, headings and units: 2.9 rows.
    const auto bands = testing::callsOfKind(surface, RecordedCall::Kind::Rectangle);
    ASSERT_GE(bands.size(), 4u);
    EXPECT_EQ(bands[3].x, 96);
    EXPECT_EQ(bands[3].y, 2688);
    EXPECT_EQ(bands[3].bottom, 2983); // 497.3 units
}

TEST(CalibrationReport, VolumeAndRunRowsPrintTheirPoints) {
    ApplicationState app;
    calibrate(app.calibration.cells[0]);
    addWeighings(app.calibration.cells[0], 1);
    addRuns(app.calibration.cells[0], 1);
    const auto surface = print(app);
    // Volume title at 19, point at 22; A/B title at 24, point at 27, constants at 28.
    EXPECT_EQ(textsAt(surface, 1, rowY600(22)),
              (Texts{"10.0000", "12.3456", "2.3456", "0.8000", "18.02", "7.1234"}));
    EXPECT_EQ(textsAt(surface, 1, rowY600(27)),
              (Texts{"Std0", "8.500", "18.00", "200.0", "8.512", "0.14", "266.3"}));
    EXPECT_EQ(textsAt(surface, 1, rowY600(28)),
              (Texts{"Cal Constant A: ", "0.002500", "Cal Constant B: ", "9.000000",
                     "RMS % Diff: ", "0.50"}));
    // Values start where their centred labels end.
    EXPECT_EQ(findText(surface, "Cal Constant A: ")->x, 648);
    EXPECT_EQ(findText(surface, "0.002500", 1)->x, 1386);
    // "RMS % Diff: " is 12 x 46.2 = 554 px = 92.33 units: 570 - 46.17 and 570 + 46.17.
    EXPECT_EQ(findText(surface, "RMS % Diff: ")->x, 523 * 6);
    EXPECT_EQ(findText(surface, "0.50", 1)->x, 616 * 6);
}

TEST(CalibrationReport, DifferenceIsFullMinusTareRecomputedAtPrinting) {
    ApplicationState app;
    app.calibration.cells[0].volumePoints.push_back({10.0, 12.3456, 0.8, 18.0, 99.0});
    app.calibration.cells[0].volumePoints.push_back({20.5, 20.25, 0.8, 18.0, 99.0});
    const auto surface = print(app);
    EXPECT_EQ(textsAt(surface, 1, rowY600(22))[2], "2.3456");
    EXPECT_EQ(textsAt(surface, 1, rowY600(23))[2], "-0.2500");
}

TEST(CalibrationReport, ASectionPassingRowFortySevenStartsANewPageAtRowZero) {
    struct Case {
        int weighings;
        int page;
        int row;
    };
    // Five standards put cell 1's volume section at row 24.
    for (const Case c : {Case{4, 1, 24}, Case{23, 1, 24}, Case{24, 2, 0}}) {
        ApplicationState app;
        addStandards(app.calibration, 5);
        addWeighings(app.calibration.cells[0], c.weighings);
        const auto surface = print(app);
        EXPECT_EQ(pageAndRow(surface, "Cell 1   Volume Calculation Data"),
                  std::make_pair(c.page, c.row))
            << c.weighings << " weighings";
        if (c.page == 2) {
            // The new page carries the header, then the section; nothing else repeats.
            EXPECT_EQ(textsAt(surface, 2, rowY600(1)), kVolumeHeadings);
            EXPECT_TRUE(findText(surface, "03/05/2014 09:07    Page 2"));
            EXPECT_EQ(testing::countText(surface, "Standard Name"), 1);
        }
    }
}

TEST(CalibrationReport, TheRunSectionFollowsTheSameRowLimit) {
    ApplicationState app;
    addWeighings(app.calibration.cells[0], 10); // rows 22 to 31: A/B section at row 33
    addRuns(app.calibration.cells[0], 14);      // 33 + 14 = 47: stays
    addRuns(app.calibration.cells[1], 15);
    const auto surface = print(app);
    EXPECT_EQ(pageAndRow(surface, "Cell 1   AB Calculation Data"), std::make_pair(1, 33));
    EXPECT_EQ(pageAndRow(surface, "Cal Constant A: "), std::make_pair(1, 50));
    // Cell 2's volume section at 52 has no points, but 52 > 47 moves it to page 2; its A/B
    // section follows at row 4.
    EXPECT_EQ(pageAndRow(surface, "Cell 2   Volume Calculation Data"), std::make_pair(2, 0));
    EXPECT_EQ(pageAndRow(surface, "Cell 2   AB Calculation Data"), std::make_pair(2, 4));
}

TEST(CalibrationReport, ASectionLongerThanAPageContinuesUnderItsRepeatedHeadings) {
    ApplicationState app;
    addWeighings(app.calibration.cells[0], 60);
    const auto surface = print(app);
    ASSERT_GE(surface.pageCount(), 3);
    const std::string title = "Cell 1   Volume Calculation Data";
    EXPECT_EQ(pageAndRow(surface, title, 0), std::make_pair(2, 0));
    // Rows 3 to 53 take 51 weighings; the other 9 go under the title, headings and units
    // repeated on page 3.
    EXPECT_EQ(textsAt(surface, 2, rowY600(53)).size(), 6u);
    EXPECT_TRUE(textsAt(surface, 2, rowY600(54)).empty());
    EXPECT_EQ(pageAndRow(surface, title, 1), std::make_pair(3, 0));
    EXPECT_EQ(textsAt(surface, 3, rowY600(1)), kVolumeHeadings);
    EXPECT_EQ(textsAt(surface, 3, rowY600(2)).size(), 6u);
    EXPECT_EQ(textsAt(surface, 3, rowY600(11)).size(), 6u);
    EXPECT_TRUE(textsAt(surface, 3, rowY600(12)).empty());
    EXPECT_EQ(pageAndRow(surface, "Cell 1   AB Calculation Data"), std::make_pair(3, 13));
    int weighingRows = 0;
    for (const RecordedCall& call : surface.texts())
        weighingRows += call.text == "12.3456" ? 1 : 0;
    EXPECT_EQ(weighingRows, 60);
}

TEST(CalibrationReport, AStandardsTableLongerThanPageOneContinuesWithItsHeadings) {
    ApplicationState app;
    addStandards(app.calibration, 40);
    const auto surface = print(app);
    // Rows 18 to 53 hold 36 standards; the other four follow on page 2 under the band,
    // headings and units, and cell 1 starts after one empty row.
    EXPECT_EQ(textsAt(surface, 1, rowY600(53))[0], "Oil35");
    EXPECT_EQ(textsAt(surface, 2, rowY600(0)), kStandardsHeadings);
    EXPECT_EQ(textsAt(surface, 2, rowY600(1)), (Texts{"mPa*s", "psi", "psi", "psi", "psi", "psi"}));
    EXPECT_EQ(textsAt(surface, 2, rowY600(2))[0], "Oil36");
    EXPECT_EQ(textsAt(surface, 2, rowY600(5))[0], "Oil39");
    EXPECT_EQ(pageAndRow(surface, "Cell 1   Volume Calculation Data"), std::make_pair(2, 7));
}

TEST(CalibrationReport, OneCellReportPrintsOnlyThatCellAndSortsTheStandards) {
    ApplicationState app;
    calibrate(app.calibration.cells[2]);
    app.calibration.cells[2].cellNumber = 3;
    addWeighings(app.calibration.cells[2], 2);
    addRuns(app.calibration.cells[2], 3);
    addWeighings(app.calibration.cells[0], 1);
    app.calibration.standards = {{"X", 5.0}, {"Y", 2.0}, {"Z", 2.0}};
    const auto surface = print(app, 2);

    EXPECT_EQ(textsAt(surface, 1, rowY600(2)),
              (Texts{"3", "1.200", "1.000", "1.600", "0.0750", "15.0000"}));
    EXPECT_TRUE(textsAt(surface, 1, rowY600(3)).empty());
    EXPECT_EQ(textsAt(surface, 1, rowY600(4))[1], "Cal Constant A");
    EXPECT_EQ(textsAt(surface, 1, rowY600(5)), (Texts{"ml", "sec"}));
    EXPECT_EQ(textsAt(surface, 1, rowY600(6))[0], "3");
    const auto bands = testing::callsOfKind(surface, RecordedCall::Kind::Rectangle);
    ASSERT_GE(bands.size(), 2u);
    EXPECT_EQ(bands[1].y, 193 * 6);
    EXPECT_EQ(bands[1].bottom, 1346); // 224.45 units
    // No standards table, yet the list is in order afterwards.
    EXPECT_EQ(testing::countText(surface, "Standard Name"), 0);
    EXPECT_EQ(app.calibration.standards[0].name, "Z");
    EXPECT_EQ(app.calibration.standards[1].name, "Y");
    EXPECT_EQ(app.targetPressureRows.size(), 3u);
    // Sections from row 8; the constants line stands two rows below the last run.
    EXPECT_EQ(pageAndRow(surface, "Cell 3   Volume Calculation Data"), std::make_pair(1, 8));
    EXPECT_EQ(textsAt(surface, 1, rowY600(12))[2], "2.3456");
    EXPECT_EQ(pageAndRow(surface, "Cell 3   AB Calculation Data"), std::make_pair(1, 14));
    EXPECT_EQ(textsAt(surface, 1, rowY600(19))[0], "Std2");
    EXPECT_TRUE(textsAt(surface, 1, rowY600(20)).empty());
    EXPECT_TRUE(textsAt(surface, 1, rowY600(21)).empty());
    EXPECT_EQ(pageAndRow(surface, "Cal Constant B: "), std::make_pair(1, 22));
    EXPECT_FALSE(findText(surface, "Cell 1   Volume Calculation Data"));
}

TEST(CalibrationReport, AConstantsLinePastThePageBottomFollowsItsRepeatedHeadings) {
    // Rows up to 30 fit: (125 + 17 x 30) x 6 + 84 = 3894 <= 3900.
    testing::ShortPageSurface surface(3900);
    ApplicationState app;
    addRuns(app.calibration.cells[0], 15); // runs at rows 15 to 29, constants due at 32
    ASSERT_TRUE(PrintCalibration(surface, app, kPrinted, 0));
    EXPECT_EQ(pageAndRow(surface, "Cell 1   AB Calculation Data", 0), std::make_pair(1, 12));
    EXPECT_EQ(textsAt(surface, 1, rowY600(29))[0], "Std14");
    EXPECT_EQ(pageAndRow(surface, "Cell 1   AB Calculation Data", 1), std::make_pair(2, 0));
    EXPECT_EQ(textsAt(surface, 2, rowY600(1)), kAbHeadings);
    EXPECT_EQ(pageAndRow(surface, "Cal Constant A: "), std::make_pair(2, 5));
    EXPECT_EQ(surface.pageCount(), 2);
}

TEST(CalibrationReport, ACellIndexOutsideTheFiveCellsDrawsNothing) {
    ApplicationState app;
    app.calibration.standards = {{"X", 5.0}, {"Y", 2.0}};
    for (const int index : {-1, 5}) {
        RecordingSurface surface;
        EXPECT_FALSE(PrintCalibration(surface, app, kPrinted, index));
        EXPECT_TRUE(surface.calls().empty());
    }
    EXPECT_EQ(app.calibration.standards[0].name, "X");
}

} // namespace
} // namespace rheo
