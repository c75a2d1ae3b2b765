#include "core/text/c_format.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace rheo {
namespace {

// Switches the whole process to a locale with a decimal comma for one test, if the machine
// has it; the set-up script installs de_DE.UTF-8.
class GermanLocale {
public:
    GermanLocale() {
        const char* previous = std::setlocale(LC_ALL, nullptr);
        previous_ = previous ? previous : "C";
        active_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    }
    ~GermanLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    bool active() const { return active_; }

private:
    std::string previous_;
    bool active_ = false;
};

TEST(CFormat, WritesAndReadsWithDecimalPointUnderAnyLocale) {
    GermanLocale german;
    ASSERT_TRUE(german.active()) << "de_DE.UTF-8 is missing: run scripts/setup-debian.sh";
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    EXPECT_EQ(cformat("%2.8f", 0.5), "0.50000000");
    EXPECT_EQ(cformat("%2.1f psi", 201.5), "201.5 psi");
    EXPECT_DOUBLE_EQ(cAtof("1.25"), 1.25);
    double value = 0;
    EXPECT_TRUE(parseDecimal("2.5", value));
    EXPECT_DOUBLE_EQ(value, 2.5);
}

TEST(CFormat, AtofTakesTheLongestNumericPrefixLikeTheCLibrary) {
    EXPECT_DOUBLE_EQ(cAtof("  12.5abc"), 12.5);
    EXPECT_DOUBLE_EQ(cAtof("abc"), 0.0);
    EXPECT_DOUBLE_EQ(cAtof(""), 0.0);
    EXPECT_DOUBLE_EQ(cAtof("-3e2\r\n"), -300.0);
    EXPECT_EQ(cAtoi(" 42x"), 42);
    EXPECT_EQ(cAtoi("-7"), -7);
    EXPECT_EQ(cAtoi("x"), 0);
    EXPECT_EQ(cAtoi("99999999999999999999"), 2147483647);
}

TEST(CFormat, LongOutputIsNotCut) {
    const std::string long_text(1000, 'x');
    EXPECT_EQ(cformat("%s!", long_text.c_str()), long_text + "!");
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

} // namespace
} // namespace rheo
