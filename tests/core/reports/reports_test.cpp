// SPDX-License-Identifier: MIT
// The printed reports, recorded call by call: the page frame and its header, the test data
// report's rows and pages, the calibration report's tables and sections and where they fall,
// the device units, and the Windows-1252 texts of the trace.
#include "core/reports/device_units.hpp"
#include "core/reports/recording_surface.hpp"
#include "core/reports/report_frame.hpp"
#include "core/reports/test_data_report.hpp"
#include "core/session/session.hpp"
#include "core/text/c_format.hpp"
#include "core/text/windows1252.hpp"
#include "report_queries.hpp"
#include "support/scripted_dialogs.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace rheo::testing {
namespace {

// The page frame in one trace, at 600 dpi across and 300 down so that x and y scale
// apart (6 and 3 px a unit): the header lines centred on x = 400 in whole units, the
// fonts 25 and 13 units high, the band's edges truncated one by one (156.45 units give
// 469 px), the headings on grey, then white for the rows. The degree sign is byte 0xB0.
TEST(ReportFrame, EmptyTestDataReportTraceIsExact) {
    CalibrationData calibration;
    calibration.companyName = "ACME Oils";
    calibration.serialNumber = "SN-1";
    RecordingSurface surface(600, 300);
    drawTestDataReport(surface, {}, calibration, kPrinted);
    EXPECT_EQ(surface.trace(),
              "page 1\n"
              "font Times New Roman 75\n"
              "bk 255 255 255\n"
              "text 1326 60 ACME Oils     Serial # SN-1     Operating Temp 150\xC2\xB0"
              "C\n"
              "text 1944 150 Tribon Viscometer V2.0\n"
              "text 1860 240 03/05/2014 09:07    Page 1\n"
              "font Arial 39\n"
              "bk 200 200 200\n"
              "rect 120 375 4680 469\n"
              "bk 200 200 200\n"
              "text 270 375 Sample ID Name\n"
              "text 846 375 Cell #\n"
              "text 1254 375 Calc Viscosity\n"
              "text 1788 375 Shear Rate\n"
              "text 2280 375 Reynolds #\n"
              "text 2778 375 Newtonian\n"
              "text 3282 375 Pressure\n"
              "text 3684 375 Efflux Time\n"
              "text 4236 375 Date & Time\n"
              "text 1350 426 mPs*s\n"
              "text 1764 426 1x10e6 1/sec\n"
              "text 3336 426 psi\n"
              "text 3768 426 sec\n"
              "bk 255 255 255\n");
    EXPECT_EQ(surface.calls().front().text, "ACME Oils"); // the job is named after the company
}

// Page 10 repeats page 1's header calls at page 1's positions with the same date; its page
// line is one digit wider yet starts at the same x, no longer centred.
TEST(ReportFrame, LaterPagesRepeatPageOnesHeader) {
    RecordingSurface surface;
    ReportFrame frame(surface, {"ACME Oils", "SN-1", 150}, kPrinted, 13, 17);
    frame.begin();
    for (int i = 0; i < 9; ++i)
        frame.newPage();
    frame.end();
    const std::string trace = surface.trace();
    std::string first = trace.substr(6, trace.find("page 2\n") - 6);
    first.replace(first.find("Page 1\n"), 7, "Page 10\n");
    EXPECT_EQ(trace.substr(trace.find("page 10\n") + 7), first);
}

// The trace is UTF-8 with one line per call: a line break inside a text becomes a blank.
TEST(RecordingSurface, TraceKeepsEveryCallOnOneLine) {
    RecordingSurface surface;
    surface.beginPage();
    surface.drawText(-12, 300, "two\r\nlines \x80");
    surface.beginPage();
    EXPECT_EQ(surface.trace(), "page 1\ntext -12 300 two  lines \xE2\x82\xAC\npage 2\n");
}

TEST(Windows1252, EveryByteMapsBothWaysAndTheRestBecomesQuestionMarks) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);
    // Degree, euro, en dash, the table's last; an undefined byte stays the same control.
    EXPECT_EQ(windows1252ToUtf8("\xB0\x80\x96\x9F\x81"),
              "\xC2\xB0\xE2\x82\xAC\xE2\x80\x93\xC5\xB8\xC2\x81");
    // No byte for it (CJK, outside the BMP, a C1 control), overlong, a lone surrogate, a
    // stray continuation byte, cut short: one "?" per refused character or byte.
    EXPECT_EQ(utf8ToWindows1252(
                  "\xE6\xB0\xB4|\xF0\x9F\x98\x80|\xC2\x85|\xC0\xB0|\xED\xA0\x80|\xB0|a\xC3"),
              "?|?|?|??|???|?|a?");
}

// Typed text is taken whole or refused, never replaced: the first character without a byte
// is named by its code point, malformed UTF-8 by where it starts.
TEST(Windows1252, TypedTextIsConvertedWholeOrRefused) {
    const std::string cannot = "The ID cannot be written to the files: the character U+";
    const std::tuple<const char*, const char*, std::string> cases[] = {
        // "\x43" is the C of "°C", apart from the hexadecimal byte before it.
        {"\xC3\x96l 150 \xC2\xB0\x43 \xE2\x82\xAC", "\xD6l 150 \xB0\x43 \x80", ""},
        {"Lot \xE6\xB0\xB4 \xC2\xB0", "", cannot + "6C34 has no Windows-1252 form."},
        {"\xF0\x9F\x98\x80", "", cannot + "1F600 has no Windows-1252 form."},
        {"ab\xD6l", "", "The ID is not UTF-8 text: the byte 0xD6 at position 3 cannot be read."}};
    for (const auto& [typed, bytes, refusal] : cases) {
        const Windows1252Text text = toWindows1252(typed, "The ID");
        EXPECT_EQ(text.bytes + "|" + text.refusal, bytes + ("|" + refusal)) << typed;
    }
}

std::vector<TestResult> numbered(int count) {
    std::vector<TestResult> out(count);
    for (int i = 0; i < count; ++i)
        out[i].sampleId = cformat("S%d", i);
    return out;
}

// A row holds the results list's texts in column order from row 2 (159 units). A long
// sample ID is centred like any text, in whole units truncated toward zero: 34 bytes of
// 42.9 px are 243 units wide, so it starts at 70 - 121.5 -> -51 units, -306 px.
TEST(TestDataReport, RowsShowTheResultTextsCentredOnTheirColumns) {
    const TestResult run{
        "A-very-long-sample-identifier-0001", 2, 8.5, 1.006, 266.3, false, 200.0, 5.2,
        makeLocalDateTime(2014, 7, 1, 9, 5)};
    RecordingSurface surface;
    drawTestDataReport(surface, {run}, CalibrationData{}, kPrinted);
    EXPECT_EQ(rows(surface, 1, 2, 2),
              "2:" + run.sampleId + "|2|8.500|1.006|266.3|No|200.0|5.20|07/01/2014 09:05\n");
    EXPECT_EQ(findText(surface, run.sampleId).x, -306);
}

// 51 results fill a page down to row 52 (1009 units); the 52nd starts the next page at
// row 2 under the repeated band, headings and units. On a page too short for that, rows
// that would end past its bottom continue the same way: rows up to 30 fit, as
// (125 + 17 x 30) x 6 + 78 = 3888 <= 3900.
TEST(TestDataReport, RowsContinueOnANewPageAfterFiftyOneOrAtThePageBottom) {
    RecordingSurface full;
    drawTestDataReport(full, numbered(52), CalibrationData{}, kPrinted);
    ShortPageSurface shortPage(3900);
    drawTestDataReport(shortPage, numbered(60), CalibrationData{}, kPrinted);
    EXPECT_EQ(full.pageCount(), 2);
    EXPECT_EQ(pageAndRow(full, "S50"), std::make_pair(1, 52));
    EXPECT_EQ(pageAndRow(full, "S51"), std::make_pair(2, 2));
    EXPECT_EQ(rows(full, 2, 0, 1), rows(full, 1, 0, 1));
    EXPECT_EQ(bands(full), "120 750 4680 938\n120 750 4680 938\n");
    EXPECT_EQ(findText(full, "03/05/2014 09:07    Page 2").page, 2);
    EXPECT_EQ(shortPage.pageCount(), 3);
    EXPECT_EQ(pageAndRow(shortPage, "S28"), std::make_pair(1, 30));
    EXPECT_EQ(pageAndRow(shortPage, "S29"), std::make_pair(2, 2));
    EXPECT_EQ(pageAndRow(shortPage, "S59"), std::make_pair(3, 3));
    EXPECT_EQ(rows(shortPage, 3, 0, 1), rows(full, 1, 0, 1));
}

// Page positions are truncated toward zero; a position that is no number (0 / 0 from a
// zero resolution) is 0 and one beyond the range of int is held at its limit.
TEST(DeviceUnits, TruncationIsTowardZeroAndSafeForAnyDouble) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const int top = std::numeric_limits<int>::max(), bottom = std::numeric_limits<int>::min();
    const std::pair<double, int> cases[] = {{2.9, 2},         {-2.9, -2},         {nan, 0},
                                            {inf, top},       {-inf, bottom},     {1e300, top},
                                            {-1e300, bottom}, {2147483647.5, top}};
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(truncateToInt(value), expected) << value;
}

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
    RecordingSurface print() {
        RecordingSurface surface;
        EXPECT_TRUE(session.PrintCalibration(surface));
        return surface;
    }

    ScriptedDialogs dialogs;
    FixedClock clock{kPrinted};
    Session session;
};

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
    const auto surface = Printing(withPoints(0, 0, 0)).print();
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

// Standards in order of viscosity with their pressures or "N/A", from the target-pressure
// rows rebuilt for the printing (the sorted list kept: the one-cell report); a cell's
// sections: title, headings, units, a row per point (the difference full minus tare) and the
// constants line, each value starting where its centred label ends ("Cal Constant A: " is
// 739 px = 123.17 units wide: 108 and 231 units).
TEST(CalibrationReport, StandardsAndCellSectionsPrintTheirRows) {
    CalibrationData calibration = withPoints(0, 1, 1);
    calibration.standards = {{"Heavy", 12.0}, {"Ref", 8.5}, {"Light", 2.0}};
    const auto surface = Printing(calibration).print();
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
        EXPECT_EQ(layout(Printing(withPoints(c.standards, c.weighings, c.runs)).print()), c.layout)
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
    EXPECT_GT(zeroDpi.texts().size(), 50u);
    for (const RecordedCall& call : zeroDpi.calls()) {
        const bool placed =
            call.kind == RecordedCall::Kind::Text || call.kind == RecordedCall::Kind::Rectangle;
        EXPECT_TRUE(!placed || std::tie(call.x, call.y, call.right, call.bottom) ==
                                   std::make_tuple(0, 0, 0, 0))
            << call.text;
    }
    ShortPageSurface noHeight(0);
    drawTestDataReport(noHeight, std::vector<TestResult>(3), CalibrationData{}, kPrinted);
    EXPECT_EQ(noHeight.pageCount(), 3);
}

} // namespace
} // namespace rheo::testing
