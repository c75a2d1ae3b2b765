#include "core/reports/device_units.hpp"
#include "core/reports/report_frame.hpp"
#include "core/reports/test_data_report.hpp"
#include "core/text/windows1252.hpp"

#include "report_queries.hpp"

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
    EXPECT_EQ(surface.printablePageSize(), (PageSize{4800, 3150})); // 8 x 10.5 inches
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

} // namespace
} // namespace rheo::testing
