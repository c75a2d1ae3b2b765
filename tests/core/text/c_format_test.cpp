// SPDX-License-Identifier: MIT
// printf, atof and atoi exactly as the C library does them in the "C" locale, whatever locale
// the process runs in, and the strtok and scanf splitting of words.
#include "core/text/c_format.hpp"
#include "core/text/words.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <string_view>
#include <vector>

namespace rheo {
namespace {

using Fields = std::vector<std::string_view>;

// Switches the whole process to a locale with a decimal comma for the test; the set-up script
// installs de_DE.UTF-8.
TEST(CFormat, WritesAndReadsWithDecimalPointUnderAnyLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "run scripts/setup-debian.sh";
    EXPECT_EQ(std::string(std::localeconv()->decimal_point), ",");
    EXPECT_EQ(cformat("%2.8f", 0.5), "0.50000000");
    EXPECT_EQ(cformat("%2.1f psi", 201.5), "201.5 psi");
    EXPECT_EQ(cAtof("1.25"), 1.25);
    EXPECT_EQ(cAtof("0x1.8p1"), 3.0); // left to strtod
    double value = 0;
    EXPECT_TRUE(parseDecimal("2.5", value));
    EXPECT_EQ(value, 2.5);
    std::setlocale(LC_ALL, previous.c_str());
}

// (cAtof is compared with strtod itself with the number texts.)
TEST(CFormat, AtoiTakesTheLongestNumericPrefixAndSaturates) {
    EXPECT_EQ(cAtoi(" 42x"), 42);
    EXPECT_EQ(cAtoi("-7"), -7);
    EXPECT_EQ(cAtoi("x"), 0);
    EXPECT_EQ(cAtoi("99999999999999999999"), 2147483647);
    EXPECT_EQ(cAtoi("-99999999999999999999"), -2147483648);
}

TEST(CFormat, WholeFieldParsingRefusesWhatIsNoPlainNumber) {
    double d = 7;
    int i = 7;
    for (const char* bad : {"", " ", "1,5", "nan", "inf", "0x10", "2.5x", "1e999"})
        EXPECT_FALSE(parseDecimal(bad, d)) << bad;
    EXPECT_EQ(d, 7);
    EXPECT_TRUE(parseDecimal(" -0.25 ", d));
    EXPECT_EQ(d, -0.25);
    for (const char* bad : {"", "1.5", "12a", "99999999999"})
        EXPECT_FALSE(parseWholeNumber(bad, i)) << bad;
    EXPECT_TRUE(parseWholeNumber(" 30 ", i));
    EXPECT_EQ(i, 30);
}

TEST(Words, ScanfWordsStopAtTheLimit) {
    EXPECT_EQ(scanWords("  1.0 \t2.0  3.0\r\n", 10), (Fields{"1.0", "2.0", "3.0"}));
    EXPECT_EQ(scanWords("a b c d", 2), (Fields{"a", "b"}));
    EXPECT_EQ(firstWord("  CAL Oil 5"), "CAL");
    EXPECT_TRUE(startsWithKeyword("AB 1 2", "AB"));
    EXPECT_FALSE(startsWithKeyword(" AB 1 2", "AB"));
}

} // namespace
} // namespace rheo
