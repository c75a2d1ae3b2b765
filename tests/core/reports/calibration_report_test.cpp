#include "core/reports/test_data_report.hpp"
#include "core/session/session.hpp"

#include "report_queries.hpp"
#include "support/scripted_dialogs.hpp"

#include <gtest/gtest.h>

namespace rheo::testing {
namespace {

// The worked cell at `cell` with its weighings and runs: radius 0.075 mm, length 15 mm,
// A 0.0025, B 9, RMS 0.5 %, volume 7.1234 ml, T0 18 s, shear rates 1.2, 1 and 1.6 x 1e6/s.
CalibrationData withPoints(int standards, int weighings, int runs, int cell = 0) {
    CalibrationData calibration;
    CellCalibration& worked = calibration.cells[cell];
    worked = {cell + 1, 0.075, 15.0, 0.0025, 9.0, 0.5, 7.1234, 18.0, {}, {}, 1.2e6, 1.0e6, 1.6e6};
    worked.volumePoints.assign(weighings, {10.0, 12.3456, 0.8, 18.02, 7.1234});
    for (int i = 0; i < runs; ++i)
        worked.abPoints.push_back(
            {8.5, 18.0, 200.0, 8.512, 0.14, 266.3, true, cformat("Std%d", i)});
    for (int i = 0; i < standards; ++i)
        calibration.standards.push_back({cformat("Oil%d", i), 2.0 + i});
    return calibration;
}

// The running program holding a calibration, printing at kPrinted.
struct Printing {
    explicit Printing(CalibrationData calibration)
        : session(dialogs, clock, std::move(calibration)) {}

    ScriptedDialogs dialogs;
    FixedClock clock{kPrinted};
    Session session;
};

RecordingSurface print(Session& session, std::optional<int> cell = std::nullopt) {
    RecordingSurface surface;
    EXPECT_TRUE(session.PrintCalibration(surface, cell));
    return surface;
}

// "page:row" of every standards heading (S) and section title (V1 volume of cell 1, A1
// its runs), in drawing order; "|" between pages.
std::string layout(const RecordingSurface& surface) {
    std::string out;
    int page = 1;
    for (const RecordedCall& call : surface.texts()) {
        const std::string& text = call.text;
        const bool title = text.size() > 10 && text.starts_with("Cell ");
        if (title || text == "Standard Name") {
            out += cformat(call.page == page ? " %s:%d" : " | %s:%d",
                           title ? std::string{text[9], text[5]}.c_str() : "S", rowOf(call.y));
            page = call.page;
        }
    }
    return out;
}

// Both cell tables in their formats (zeros for cell 5, never calibrated) in the 14-unit
// body font, under bands at rows 0 and 8, the standards band from x = 20 at row 16 and a
// 2.9-row band over cell 1's volume section at row 19 (y 448).
TEST(CalibrationReport, CellTablesListEveryCell) {
    Printing app(withPoints(0, 0, 0));
    const auto surface = print(app.session);
    EXPECT_EQ(rows(surface, 1, 0, 2) + rows(surface, 1, 6, 10) + rows(surface, 1, 14, 14),
              "0:Cell #|Working Shear Rate|Min Shear Rate|Max Shear Rate|Capillary Radius|"
              "Capillary Length\n"
              "1:1x10e6 1/sec|1x10e6 1/sec|1x10e6 1/sec|mm|mm\n"
              "2:1|1.200|1.000|1.600|0.0750|15.0000\n"
              "6:5|0.000|0.000|0.000|0.0000|0.0000\n"
              "8:Cell #|Cal Constant A|Cal Constant B|RMS % Diff|Volume|Target Efflux Time\n"
              "9:ml|sec\n"
              "10:1|0.002500|9.000000|0.50|7.1234|18.00\n"
              "14:5|0.000000|0.000000|0.00|0.0000|0.00\n");
    EXPECT_EQ(bands(surface, 4), "96 750 4680 938\n96 1566 4680 1754\n120 2382 4680 2570\n"
                                 "96 2688 4680 2983\n");
    EXPECT_NE(surface.trace().find("\nfont Arial 84\n"), std::string::npos);
}

// Standards in order of viscosity with their pressures or "N/A", the sorted list and the
// rebuilt target-pressure rows kept in the data; a cell's sections: title, headings,
// units, a row per point (the difference full minus tare) and the constants line, each
// value starting where its centred label ends ("Cal Constant A: " is 739 px = 123.17
// units wide: 108 and 231 units).
TEST(CalibrationReport, StandardsAndCellSectionsPrintTheirRows) {
    CalibrationData calibration = withPoints(0, 1, 1);
    calibration.standards = {{"Heavy", 12.0}, {"Ref", 8.5}, {"Light", 2.0}};
    Printing app(calibration);
    const auto surface = print(app.session);
    EXPECT_EQ(rows(surface, 1, 16, 31),
              "16:Standard Name|Viscosity|Cell 1|Cell 2|Cell 3|Cell 4|Cell 5\n"
              "17:mPa*s|psi|psi|psi|psi|psi\n"
              "18:Light|2.000|55.6|N/A|N/A|N/A|N/A\n"
              "19:Ref|8.500|200.0|N/A|N/A|N/A|N/A\n"
              "20:Heavy|12.000|277.8|N/A|N/A|N/A|N/A\n"
              "22:Cell 1   Volume Calculation Data\n"
              "23:Tare Weight|Full Weight|Difference|Density|T0|Volume\n"
              "24:grams|grams|grams|grams/ml|sec|ml\n"
              "25:10.0000|12.3456|2.3456|0.8000|18.02|7.1234\n"
              "27:Cell 1   AB Calculation Data\n"
              "28:Std Name|Known Visc|Efflux Time|Pressure|Calc Viscosity|% Difference|Reynolds #\n"
              "29:mPa*s|sec|psi|mPa*s\n"
              "30:Std0|8.500|18.00|200.0|8.512|0.14|266.3\n"
              "31:Cal Constant A: |0.002500|Cal Constant B: |9.000000|RMS % Diff: |0.50\n");
    EXPECT_EQ(app.session.calibration().standards[0].name, "Light");
    EXPECT_EQ(app.session.targetPressureRows().size(), 3u);
    EXPECT_EQ(findText(surface, "Cal Constant A: ").x, 648);
    EXPECT_EQ(findText(surface, "0.002500", 1).x, 1386);
}

// Sections follow one empty row after the standards (row 19 with none) and after each
// section, the next cell two rows below the constants line. A section whose start row
// plus point count passes 47 starts a new page at row 0; a section longer than a page,
// and the standards table, go on under their repeated headings past row 53.
TEST(CalibrationReport, SectionsStartWhereTheRowsAndTheRowLimitPutThem) {
    struct Case {
        int standards, weighings, runs;
        const char* layout;
    };
    const Case cases[] = {
        {0, 0, 0, " S:16 V1:19 A1:23 V2:28 A2:32 V3:37 A3:41 V4:46 | A4:0 V5:5 A5:9"},
        {5, 23, 0, " S:16 V1:24 | A1:0 V2:5 A2:9 V3:14 A3:18 V4:23 A4:27 V5:32 A5:36"},
        {5, 24, 0, " S:16 | V1:0 A1:28 V2:33 A2:37 V3:42 A3:46 | V4:0 A4:4 V5:9 A5:13"},
        {0, 10, 14, " S:16 V1:19 A1:33 | V2:0 A2:4 V3:9 A3:13 V4:18 A4:22 V5:27 A5:31"},
        {0, 10, 15, " S:16 V1:19 | A1:0 V2:20 A2:24 V3:29 A3:33 V4:38 A4:42 V5:47 | A5:0"},
        {0, 60, 0, " S:16 | V1:0 | V1:0 A1:13 V2:18 A2:22 V3:27 A3:31 V4:36 A4:40 V5:45 | A5:0"},
        {40, 0, 0, " S:16 | S:0 V1:7 A1:11 V2:16 A2:20 V3:25 A3:29 V4:34 A4:38 V5:43 A5:47"}};
    for (const Case& c : cases) {
        Printing app(withPoints(c.standards, c.weighings, c.runs));
        EXPECT_EQ(layout(print(app.session)), c.layout)
            << c.standards << " standards, " << c.weighings << " weighings, " << c.runs << " runs";
    }
}

// The one-cell report: only that cell, its constants table at rows 4 to 6, no standards
// table (yet the list is sorted afterwards), sections from row 8 and two empty rows above
// the constants line, which goes on a new page under its section's repeated headings when
// it would end past the bottom: on this page rows up to 30 fit, as
// (125 + 17 x 30) x 6 + 84 = 3894 <= 3900, and the 13 runs take rows 17 to 29.
TEST(CalibrationReport, OneCellReportPrintsOnlyThatCell) {
    CalibrationData calibration = withPoints(0, 2, 13, 2);
    calibration.cells[0].volumePoints.resize(1);
    calibration.standards = {{"X", 5.0}, {"Y", 2.0}};
    Printing app(calibration);
    ShortPageSurface surface(3900);
    ASSERT_TRUE(app.session.PrintCalibration(surface, 2));
    EXPECT_EQ(rows(surface, 1, 2, 6),
              "2:3|1.200|1.000|1.600|0.0750|15.0000\n"
              "4:Cell #|Cal Constant A|Cal Constant B|RMS % Diff|Volume|Target Efflux Time\n"
              "5:ml|sec\n"
              "6:3|0.002500|9.000000|0.50|7.1234|18.00\n");
    EXPECT_EQ(bands(surface, 2), "96 750 4680 938\n96 1158 4680 1346\n");
    EXPECT_EQ(app.session.calibration().standards[0].name, "Y");
    EXPECT_EQ(layout(surface), " V3:8 A3:14 | A3:0");
    EXPECT_EQ(pageAndRow(surface, "Cal Constant A: "), std::make_pair(2, 5));
}

// Bad input draws nothing or draws safely: a cell index outside 0 to 4 changes nothing; a
// resolution of zero gives no infinite or NaN position; a page of no height takes one row
// a page instead of looping.
TEST(CalibrationReport, BadIndexOrPageGeometryNeverCrashesNorLoops) {
    CalibrationData calibration = withPoints(0, 1, 1);
    calibration.standards = {{"X", 5.0}, {"Y", 2.0}};
    Printing app(calibration);
    for (const int index : {-1, 5}) {
        RecordingSurface surface;
        EXPECT_FALSE(app.session.PrintCalibration(surface, index));
        EXPECT_TRUE(surface.calls().empty());
    }
    EXPECT_EQ(app.session.calibration().standards[0].name, "X");
    // At zero dots per inch every page unit is 0 pixels and every text 0 wide: all of the
    // report lands at (0, 0), nothing at a clamped or undefined position.
    RecordingSurface zeroDpi(0, 0);
    EXPECT_TRUE(app.session.PrintCalibration(zeroDpi));
    int placed = 0;
    for (const RecordedCall& call : zeroDpi.calls()) {
        if (call.kind == RecordedCall::Kind::Text || call.kind == RecordedCall::Kind::Rectangle) {
            EXPECT_EQ(std::make_pair(call.x, call.y), std::make_pair(0, 0)) << call.text;
            EXPECT_EQ(std::make_pair(call.right, call.bottom), std::make_pair(0, 0)) << call.text;
            ++placed;
        }
    }
    EXPECT_GT(placed, 50);
    ShortPageSurface noHeight(0);
    drawTestDataReport(noHeight, std::vector<TestResult>(3), CalibrationData{}, kPrinted);
    EXPECT_EQ(noHeight.pageCount(), 3);
}

} // namespace
} // namespace rheo::testing
