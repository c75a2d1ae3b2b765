#include "core/reports/report_frame.hpp"

#include "report_queries.hpp"

#include <gtest/gtest.h>

namespace rheo {
namespace {

using testing::findText;
using testing::textsOnPage;

const LocalDateTime kMarch5 = makeLocalDateTime(2014, 3, 5, 9, 7);

ReportHeaderData acme() {
    return {"ACME Oils", "SN-1", 150};
}

TEST(ReportHeader, LinesReadAsTheProgramPrintsThem) {
    EXPECT_EQ(headerCompanyLine(acme()), "ACME Oils     Serial # SN-1     Operating Temp 150\xB0"
                                         "C");
    // A whole number of degrees, never with decimals.
    EXPECT_EQ(headerCompanyLine({"", "", 40}), "     Serial #      Operating Temp 40\xB0"
                                               "C");
    EXPECT_EQ(headerTitleLine(), "Tribon Viscometer V2.0");
    EXPECT_EQ(headerPageLine("03/05/2014 09:07", 12), "03/05/2014 09:07    Page 12");
}

TEST(ReportFrame, At600DpiEveryUnitIsSixPixels) {
    RecordingSurface surface;
    ReportFrame frame(surface, acme(), kMarch5, 14, 17);
    frame.begin();
    frame.centreText("Cell #", 55, frame.rowY(3));
    frame.band(16, frame.rowY(8), 780, frame.rowY(9.85));
    frame.end();

    const auto title = findText(surface, "Tribon Viscometer V2.0");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->y, 300);
    EXPECT_EQ(title->x, 1488); // 22 bytes of 82.5 px: left edge at 248 units
    const auto page = findText(surface, "03/05/2014 09:07    Page 1");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->y, 480);
    // "Cell #" is 6 x 46.2 = 277 px wide: 55 - 23.08 gives 31 units, 186 px; row 3 is y 176.
    const auto cell = findText(surface, "Cell #");
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->x, 186);
    EXPECT_EQ(cell->y, testing::rowY600(3));
    const auto fonts = testing::callsOfKind(surface, RecordedCall::Kind::Font);
    ASSERT_EQ(fonts.size(), 2u);
    EXPECT_EQ(fonts[0].text, "Times New Roman");
    EXPECT_EQ(fonts[0].y, 150);
    EXPECT_EQ(fonts[1].text, "Arial");
    EXPECT_EQ(fonts[1].y, 84);
    const auto bands = testing::callsOfKind(surface, RecordedCall::Kind::Rectangle);
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_EQ(bands[0].x, 96);
    EXPECT_EQ(bands[0].y, 1566);
    EXPECT_EQ(bands[0].right, 4680);
    EXPECT_EQ(bands[0].bottom, 1754); // 292.45 units
    EXPECT_EQ(bands[0].colour, kBandGrey);
    EXPECT_EQ(bands[0].pen, kBandGrey);
    EXPECT_EQ(bands[0].penWidth, 1);
}

TEST(ReportFrame, UnequalResolutionsScaleAcrossAndDownSeparately) {
    RecordingSurface surface(600, 300);
    ReportFrame frame(surface, acme(), kMarch5, 13, 17);
    frame.begin();
    frame.band(20, 125, 780, frame.rowY(1.85));
    frame.end();

    const auto fonts = testing::callsOfKind(surface, RecordedCall::Kind::Font);
    ASSERT_EQ(fonts.size(), 2u);
    EXPECT_EQ(fonts[0].y, 75); // 25 units down at 3 px per unit
    EXPECT_EQ(fonts[1].y, 39);
    const auto title = findText(surface, "Tribon Viscometer V2.0");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->y, 150);
    EXPECT_EQ(title->x, 1944); // 907 px wide is 151.2 units across: left edge at 324 units
    const auto bands = testing::callsOfKind(surface, RecordedCall::Kind::Rectangle);
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_EQ(bands[0].x, 120);
    EXPECT_EQ(bands[0].y, 375);
    EXPECT_EQ(bands[0].right, 4680);
    EXPECT_EQ(bands[0].bottom, 469); // 156.45 x 3 = 469.35, truncated
}

TEST(ReportFrame, CentringRoundsTheLeftEdgeToAWholeUnitTowardZero) {
    RecordingSurface surface(150, 150); // 1.5 px per unit
    ReportFrame frame(surface, acme(), kMarch5, 14, 17);
    frame.begin();
    frame.centreText("abc", 100, 125); // 21 px font: 34 px = 22.67 units wide
    frame.centreText("a very long sample identifier", 10, 125);
    frame.end();
    const auto abc = findText(surface, "abc");
    ASSERT_TRUE(abc);
    EXPECT_EQ(abc->x, 132); // left edge 88.67 -> 88 units -> 132 px
    EXPECT_EQ(abc->y, 187); // 125 x 1.5 = 187.5
    // A text wider than twice its centre runs into the left margin, truncated toward zero:
    // 334 px = 222.67 units, left edge -101.33 -> -101 units -> -151.5 px -> -151.
    const auto longId = findText(surface, "a very long sample identifier");
    ASSERT_TRUE(longId);
    EXPECT_EQ(longId->x, -151);
}

TEST(ReportFrame, LabelledValueStartsAtTheRightEndOfTheCentredLabel) {
    RecordingSurface surface;
    ReportFrame frame(surface, acme(), kMarch5, 14, 17);
    frame.begin();
    frame.labelledValue("Cal Constant A: ", "0.002500", 170, frame.rowY(5));
    frame.end();
    // 739 px = 123.17 units: label from 108 units, value from 231 units.
    const auto label = findText(surface, "Cal Constant A: ");
    const auto value = findText(surface, "0.002500");
    ASSERT_TRUE(label && value);
    EXPECT_EQ(label->x, 648);
    EXPECT_EQ(value->x, 1386);
    EXPECT_EQ(value->y, label->y);
}

TEST(ReportFrame, LaterPagesRepeatTheHeaderWhereThePageOneLinesStood) {
    RecordingSurface surface;
    ReportFrame frame(surface, acme(), makeLocalDateTime(2014, 7, 1, 9, 5), 13, 17);
    frame.begin();
    for (int i = 0; i < 9; ++i)
        frame.newPage();
    frame.end();

    ASSERT_EQ(surface.pageCount(), 10);
    EXPECT_EQ(frame.pageNumber(), 10);
    const auto first = textsOnPage(surface, 1);
    const auto tenth = textsOnPage(surface, 10);
    ASSERT_EQ(first.size(), 3u);
    ASSERT_EQ(tenth.size(), 3u);
    for (int line = 0; line < 2; ++line) {
        EXPECT_EQ(tenth[line].text, first[line].text);
        EXPECT_EQ(tenth[line].x, first[line].x);
        EXPECT_EQ(tenth[line].y, first[line].y);
    }
    EXPECT_EQ(first[2].text, "07/01/2014 09:05    Page 1");
    EXPECT_EQ(tenth[2].text, "07/01/2014 09:05    Page 10");
    // One byte wider, yet it starts at the same x: it is no longer centred.
    EXPECT_EQ(tenth[2].x, first[2].x);
    EXPECT_EQ(tenth[2].y, 480);
    // Each page starts in the header font on white and leaves the body font on grey.
    const auto& calls = surface.calls();
    std::vector<RecordedCall> afterPageTen;
    bool seen = false;
    for (const RecordedCall& call : calls) {
        if (call.kind == RecordedCall::Kind::BeginPage && call.y == 10)
            seen = true;
        else if (seen && call.kind != RecordedCall::Kind::Text)
            afterPageTen.push_back(call);
    }
    ASSERT_GE(afterPageTen.size(), 4u);
    EXPECT_EQ(afterPageTen[0].text, "Times New Roman");
    EXPECT_EQ(afterPageTen[1].colour, kWhite);
    EXPECT_EQ(afterPageTen[2].text, "Arial");
    EXPECT_EQ(afterPageTen[3].colour, kBandGrey);
}

TEST(ReportFrame, ARowFitsWhenItsTextEndsOnThePrintablePage) {
    RecordingSurface surface; // 6300 px tall
    ReportFrame frame(surface, acme(), kMarch5, 14, 17);
    EXPECT_TRUE(frame.rowFits(53));  // y 6156 + 84 = 6240
    EXPECT_FALSE(frame.rowFits(54)); // y 6258 + 84 = 6342
}

TEST(ReportFrame, AResolutionOfZeroDrawsWithoutCrashing) {
    struct ZeroDpi : testing::ShortPageSurface {
        ZeroDpi() : ShortPageSurface(0) {}
        int dotsPerInchX() const override { return 0; }
        int dotsPerInchY() const override { return 0; }
    } zero;
    ReportFrame frame(zero, acme(), kMarch5, 14, 17);
    frame.begin();
    frame.centreText("x", 400, 125);
    frame.labelledValue("a", "b", 400, 125);
    frame.end();
    EXPECT_EQ(zero.pageCount(), 1);
}

} // namespace
} // namespace rheo
