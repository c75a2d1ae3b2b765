#include "core/reports/recording_surface.hpp"
#include "core/reports/test_data_report.hpp"
#include "core/text/windows1252.hpp"

#include <gtest/gtest.h>

namespace rheo {
namespace {

TEST(RecordingSurface, MeasuresEachByteAsFiftyFiveHundredthsOfTheFontHeightTruncated) {
    RecordingSurface surface;
    EXPECT_EQ(surface.textWidth("abc"), 0); // no font selected yet
    surface.selectFont("Arial", 84);
    EXPECT_EQ(surface.textWidth(""), 0);
    EXPECT_EQ(surface.textWidth("Cal Constant A: "), 739); // 0.55 * 84 * 16 = 739.2
    EXPECT_EQ(surface.textWidth("150\xB0"
                                "C"),
              231); // the degree sign is one byte
    surface.selectFont("Times New Roman", 75);
    EXPECT_EQ(surface.textWidth("Tribon Viscometer V2.0"), 907); // 907.5
}

TEST(RecordingSurface, PageIsUsLetterLessQuarterInchMarginsAtItsResolution) {
    EXPECT_EQ(RecordingSurface().printablePageSize(), (PageSize{4800, 6300}));
    const RecordingSurface uneven(300, 200);
    EXPECT_EQ(uneven.dotsPerInchX(), 300);
    EXPECT_EQ(uneven.dotsPerInchY(), 200);
    EXPECT_EQ(uneven.printablePageSize(), (PageSize{2400, 2100}));
}

TEST(RecordingSurface, TraceWritesOneLinePerDrawingCallInUtf8) {
    RecordingSurface surface;
    surface.beginDocument("ACME");
    surface.beginPage();
    surface.selectFont("Times New Roman", 150);
    surface.setTextBackground(Rgb{200, 200, 200});
    surface.fillRectangle(96, 750, 4680, 938, Rgb{200, 200, 200}, Rgb{200, 200, 200}, 1);
    surface.drawText(-12, 300,
                     "150\xB0"
                     "C");
    surface.drawText(0, 0, "two\r\nlines");
    surface.endPage();
    surface.beginPage();
    surface.endPage();
    surface.endDocument();
    EXPECT_EQ(surface.trace(), "page 1\n"
                               "font Times New Roman 150\n"
                               "bk 200 200 200\n"
                               "rect 96 750 4680 938\n"
                               "text -12 300 150\xC2\xB0"
                               "C\n"
                               "text 0 0 two  lines\n"
                               "page 2\n");
    EXPECT_EQ(surface.pageCount(), 2);
    ASSERT_EQ(surface.texts().size(), 2u);
    EXPECT_EQ(surface.texts()[0].text, "150\xB0"
                                       "C"); // kept as the program's bytes
    EXPECT_EQ(surface.calls().front().text, "ACME");
    EXPECT_EQ(surface.calls().back().kind, RecordedCall::Kind::EndDocument);
}

TEST(RecordingSurface, TraceOfAnEmptyTestDataReportIsExact) {
    CalibrationData calibration;
    calibration.companyName = "ACME Oils";
    calibration.serialNumber = "SN-1";
    RecordingSurface surface;
    PrintTestData(surface, {}, calibration, makeLocalDateTime(2014, 3, 5, 9, 7));
    EXPECT_EQ(surface.trace(), "page 1\n"
                               "font Times New Roman 150\n"
                               "bk 255 255 255\n"
                               "text 252 120 ACME Oils     Serial # SN-1     Operating Temp "
                               "150\xC2\xB0"
                               "C\n"
                               "text 1488 300 Tribon Viscometer V2.0\n"
                               "text 1326 480 03/05/2014 09:07    Page 1\n"
                               "font Arial 78\n"
                               "bk 200 200 200\n"
                               "rect 120 750 4680 938\n"
                               "bk 200 200 200\n"
                               "text 120 750 Sample ID Name\n"
                               "text 780 750 Cell #\n"
                               "text 1104 750 Calc Viscosity\n"
                               "text 1680 750 Shear Rate\n"
                               "text 2172 750 Reynolds #\n"
                               "text 2682 750 Newtonian\n"
                               "text 3198 750 Pressure\n"
                               "text 3564 750 Efflux Time\n"
                               "text 4116 750 Date & Time\n"
                               "text 1296 852 mPs*s\n"
                               "text 1638 852 1x10e6 1/sec\n"
                               "text 3306 852 psi\n"
                               "text 3738 852 sec\n"
                               "bk 255 255 255\n");
    EXPECT_EQ(surface.calls().front().kind, RecordedCall::Kind::BeginDocument);
    EXPECT_EQ(surface.calls().front().text, "ACME Oils"); // the job is named after the company
}

TEST(Windows1252, EveryByteSurvivesTheRoundTripThroughUtf8) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);
}

TEST(Windows1252, MapsTheProgramsSpecialBytes) {
    EXPECT_EQ(windows1252ToUtf8("\xB0"), "\xC2\xB0");     // degree sign
    EXPECT_EQ(windows1252ToUtf8("\x80"), "\xE2\x82\xAC"); // euro sign
    EXPECT_EQ(windows1252ToUtf8("\x96"), "\xE2\x80\x93"); // en dash
    EXPECT_EQ(windows1252ToUtf8("\xE9"), "\xC3\xA9");     // e acute
    EXPECT_EQ(windows1252ToUtf8("\x81"), "\xC2\x81");     // undefined: kept as a control
    EXPECT_EQ(utf8ToWindows1252("\xE2\x80\x9C"
                                "Oil"
                                "\xE2\x80\x9D"),
              "\x93"
              "Oil"
              "\x94");
}

TEST(Windows1252, UnrepresentableOrMalformedTextBecomesQuestionMarks) {
    EXPECT_EQ(utf8ToWindows1252("\xE6\xB0\xB4"), "?");       // a CJK character
    EXPECT_EQ(utf8ToWindows1252("\xF0\x9F\x98\x80!"), "?!"); // outside the BMP
    EXPECT_EQ(utf8ToWindows1252("a\xC3"), "a?");             // cut short
    EXPECT_EQ(utf8ToWindows1252("\xC0\xB0"), "??");          // overlong form
    EXPECT_EQ(utf8ToWindows1252("\xED\xA0\x80"), "???");     // a lone surrogate
    EXPECT_EQ(utf8ToWindows1252("\xC2\x85"), "?");           // C1 control with no byte
    EXPECT_EQ(utf8ToWindows1252("\xB0"), "?");               // stray continuation byte
}

} // namespace
} // namespace rheo
