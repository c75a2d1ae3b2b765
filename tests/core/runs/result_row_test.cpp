#include "core/runs/run_calculation.hpp"

#include <gtest/gtest.h>

#include <string>

namespace rheo {
namespace {

struct IdCase {
    std::string typed;
    std::string stored;
};

class SampleIdRule : public ::testing::TestWithParam<IdCase> {};

TEST_P(SampleIdRule, CutToSeventeenWithNoIdAndNoFieldOrRowSeparators) {
    EXPECT_EQ(sampleIdForResult(GetParam().typed), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SampleIdRule,
    ::testing::Values(IdCase{"", "NO_ID"}, IdCase{" ", "NO_ID"}, IdCase{"  ", "  "},
                      IdCase{" x", " x"}, IdCase{"ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMNOPQ"},
                      IdCase{"ABCDEFGHIJKLMNOPQ", "ABCDEFGHIJKLMNOPQ"}, IdCase{"a,b,,c", "a;b;;c"},
                      IdCase{",", ";"}, IdCase{"1234567890123456,", "1234567890123456;"},
                      IdCase{"12345678901234567,", "12345678901234567"},
                      IdCase{"two\r\nlines", "two  lines"}, IdCase{"\n", "NO_ID"}));

TEST(ResultRow, NotNewtonianAndLongEffluxTimes) {
    TestResult result;
    result.newtonian = false;
    result.effluxTime = 3600;
    const auto row = FormatResultRow(result);
    EXPECT_EQ(row[5], "No");
    EXPECT_EQ(row[7], "3600.00");
}

TEST(ResultRow, DateColumnHasTwoDigitFieldsAndNamesAnInvalidDate) {
    EXPECT_EQ(formatDisplayDateTime(makeLocalDateTime(2014, 3, 5, 9, 7)), "03/05/2014 09:07");
    EXPECT_EQ(formatDisplayDateTime(makeLocalDateTime(2014, 12, 31, 23, 59)), "12/31/2014 23:59");
    EXPECT_EQ(formatDisplayDateTime(makeLocalDateTime(2009, 10, 10, 0, 0)), "10/10/2009 00:00");
    EXPECT_EQ(formatDisplayDateTime(makeLocalDateTime(2014, 2, 30, 9, 7)), "invalid date");
    LocalDateTime unread;
    unread.valid = false;
    unread.month = unread.day = unread.year = unread.hour = unread.minute = -1;
    EXPECT_EQ(formatDisplayDateTime(unread), "invalid date");
}

} // namespace
} // namespace rheo
