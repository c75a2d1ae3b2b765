#include "core/reports/report_frame.hpp"
#include "core/reports/test_data_report.hpp"
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

const LocalDateTime kPrinted = makeLocalDateTime(2014, 3, 5, 9, 7);
const std::vector<std::string> kHeadings = {"Sample ID Name", "Cell #",      "Calc Viscosity",
                                            "Shear Rate",     "Reynolds #",  "Newtonian",
                                            "Pressure",       "Efflux Time", "Date & Time"};
const std::vector<std::string> kUnits = {"mPs*s", "1x10e6 1/sec", "psi", "sec"};

TestResult result(const std::string& id, double effluxTime = 18.0, bool newtonian = true) {
    TestResult r;
    r.sampleId = id;
    r.cellNumber = 2;
    r.viscosity = 8.5;
    r.shearRate = 1.006;
    r.reynoldsNumber = 266.3;
    r.newtonian = newtonian;
    r.pressure = 200.0;
    r.effluxTime = effluxTime;
    r.dateTime = makeLocalDateTime(2014, 7, 1, 9, 5);
    return r;
}

std::vector<TestResult> results(int count) {
    std::vector<TestResult> out;
    for (int i = 0; i < count; ++i)
        out.push_back(result(cformat("S%d", i)));
    return out;
}

RecordingSurface print(const std::vector<TestResult>& list) {
    RecordingSurface surface;
    CalibrationData calibration;
    calibration.companyName = "ACME Oils";
    PrintTestData(surface, list, calibration, kPrinted);
    return surface;
}

TEST(TestDataReport, RowTextsUseTheResultListFormats) {
    const auto surface =
        print({result("Oil 7", 5.2, false), result("Oil 8", 125.456), result("Oil 9", 18.0)});
    EXPECT_EQ(textsAt(surface, 1, rowY600(2)),
              (std::vector<std::string>{"Oil 7", "2", "8.500", "1.006", "266.3", "No", "200.0",
                                        "5.20", "07/01/2014 09:05"}));
    EXPECT_EQ(textsAt(surface, 1, rowY600(3))[7], "125.46");
    EXPECT_EQ(textsAt(surface, 1, rowY600(3))[5], "Yes");
    EXPECT_EQ(textsAt(surface, 1, rowY600(4))[0], "Oil 9");
    EXPECT_EQ(rowY600(2), 954); // the first row of a page is at 159 units
    // Each row text is centred on its column: "07/01/2014 09:05" (16 bytes at 78 px is
    // 686 px, 114.33 units) on x = 726 starts at 668 units.
    const auto date = findText(surface, "07/01/2014 09:05");
    ASSERT_TRUE(date);
    EXPECT_EQ(date->x, 4008);
}

TEST(TestDataReport, EmptyListPrintsOnePageWithBandHeadingsAndUnitsOnly) {
    const auto surface = print({});
    EXPECT_EQ(surface.pageCount(), 1);
    EXPECT_EQ(textsAt(surface, 1, rowY600(0)), kHeadings);
    EXPECT_EQ(textsAt(surface, 1, rowY600(1)), kUnits);
    EXPECT_EQ(testing::textsOnPage(surface, 1).size(), 3u + 9u + 4u);
    const auto bands = testing::callsOfKind(surface, RecordedCall::Kind::Rectangle);
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_EQ(bands[0].x, 120);
    EXPECT_EQ(bands[0].y, 750);
    EXPECT_EQ(bands[0].right, 4680);
    EXPECT_EQ(bands[0].bottom, 938); // 156.45 units
}

TEST(TestDataReport, HeadingsAreDrawnOnGreyAndRowsOnWhite) {
    const auto surface = print(results(1));
    Rgb background = kWhite;
    for (const RecordedCall& call : surface.calls()) {
        if (call.kind == RecordedCall::Kind::Background)
            background = call.colour;
        if (call.kind != RecordedCall::Kind::Text || call.y < 750)
            continue;
        EXPECT_EQ(background, call.y < rowY600(2) ? kBandGrey : kWhite) << call.text;
    }
}

TEST(TestDataReport, FiftyOneResultsFillOnePageAndTheFiftySecondStartsPageTwo) {
    const auto full = print(results(51));
    EXPECT_EQ(full.pageCount(), 1);
    EXPECT_EQ(textsAt(full, 1, rowY600(52))[0], "S50");
    EXPECT_EQ(rowY600(52), 1009 * 6);

    const auto over = print(results(52));
    ASSERT_EQ(over.pageCount(), 2);
    EXPECT_EQ(textsAt(over, 2, rowY600(2))[0], "S51");
    EXPECT_EQ(textsAt(over, 2, rowY600(0)), kHeadings);
    EXPECT_EQ(textsAt(over, 2, rowY600(1)), kUnits);
    EXPECT_TRUE(findText(over, "03/05/2014 09:07    Page 2"));
    EXPECT_EQ(testing::callsOfKind(over, RecordedCall::Kind::Rectangle).size(), 2u);
    EXPECT_EQ(testing::textsOnPage(over, 2).size(), 3u + 9u + 4u + 9u);
}

TEST(TestDataReport, PageTenOfALongReportStartsItsPageLineAtPageOnesX) {
    const auto surface = print(results(9 * 51 + 1));
    ASSERT_EQ(surface.pageCount(), 10);
    const auto first = findText(surface, "03/05/2014 09:07    Page 1");
    const auto tenth = findText(surface, "03/05/2014 09:07    Page 10");
    ASSERT_TRUE(first && tenth);
    EXPECT_EQ(tenth->x, first->x);
    EXPECT_EQ(textsAt(surface, 10, rowY600(2))[0], "S459");
}

TEST(TestDataReport, ALongSampleIdIsCentredLikeAnyTextNeitherCutNorWrapped) {
    const std::string id = "A-very-long-sample-identifier-0001";
    const auto surface = print({result(id)});
    const auto drawn = findText(surface, id);
    ASSERT_TRUE(drawn);
    // 34 bytes at 78 px = 1458 px = 243 units: its left edge is at 70 - 121.5 = -51 units.
    EXPECT_EQ(drawn->x, -306);
}

TEST(TestDataReport, RowsThatWouldPassThePageBottomContinueUnderRepeatedHeadings) {
    // Rows up to 30 fit on this page: (125 + 17 x 30) x 6 + 78 = 3888 <= 3900.
    testing::ShortPageSurface surface(3900);
    PrintTestData(surface, results(60), CalibrationData{}, kPrinted);
    ASSERT_EQ(surface.pageCount(), 3);
    EXPECT_EQ(textsAt(surface, 1, rowY600(30))[0], "S28");
    EXPECT_TRUE(textsAt(surface, 1, rowY600(31)).empty());
    for (int page = 2; page <= 3; ++page) {
        EXPECT_EQ(textsAt(surface, page, rowY600(0)), kHeadings);
        EXPECT_EQ(textsAt(surface, page, rowY600(1)), kUnits);
    }
    EXPECT_EQ(textsAt(surface, 2, rowY600(2))[0], "S29");
    EXPECT_EQ(textsAt(surface, 3, rowY600(2))[0], "S58");
    EXPECT_EQ(textsAt(surface, 3, rowY600(3))[0], "S59");
    EXPECT_TRUE(findText(surface, "03/05/2014 09:07    Page 3"));
}

} // namespace
} // namespace rheo
