// The quick number writing and reading against the C library itself, on many values: every
// text must be the bytes printf gives, every number read the double strtod gives.

#include "core/text/c_format.hpp"
#include "core/text/number_text.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace rheo {
namespace {

std::string printfFixed(double value, int width, int precision) {
    char text[512];
    std::snprintf(text, sizeof text, "%*.*f", width, precision, value);
    return text;
}

// Each value is checked at every precision up to ten decimals (the program writes one to
// eight), with the widths it uses.
class FixedAgainstPrintf : public ::testing::Test {
protected:
    void check(double value, int precision) {
        const int width = precision % 3 == 0 ? 4 : 2;
        const std::string expected = printfFixed(value, width, precision);
        const std::string got = formatFixed(value, width, precision);
        if (got != expected) {
            ADD_FAILURE() << "value " << std::hexfloat << value << " precision " << precision
                          << ": " << got << " instead of " << expected;
            if (++failures_ > 10)
                FAIL() << "too many differences";
        }
    }
    void check(double value) {
        for (int precision = 0; precision <= 10; ++precision)
            check(value, precision);
    }
    void checkWithNeighbours(double value) {
        check(value);
        check(std::nextafter(value, std::numeric_limits<double>::infinity()));
        check(std::nextafter(value, -std::numeric_limits<double>::infinity()));
    }

    std::mt19937_64 random_{20240611};
    int failures_ = 0;
};

TEST_F(FixedAgainstPrintf, SpecialValuesAndExtremes) {
    const double inf = std::numeric_limits<double>::infinity();
    for (const double value : {0.0,
                               -0.0,
                               1.0,
                               -1.0,
                               0.5,
                               -0.5,
                               1e-300,
                               -1e-300,
                               4.9e-324,
                               -4.9e-324,
                               2.2250738585072014e-308,
                               1e15,
                               1e22,
                               1e28,
                               1e29,
                               1.5e29,
                               1e30,
                               1e100,
                               1e300,
                               std::numeric_limits<double>::max(),
                               -std::numeric_limits<double>::max(),
                               9007199254740993.0,
                               0.0001,
                               -0.0001,
                               -0.004,
                               -0.005,
                               0.05,
                               0.95,
                               9.995,
                               99.995,
                               999.9995,
                               inf,
                               -inf,
                               std::numeric_limits<double>::quiet_NaN(),
                               -std::numeric_limits<double>::quiet_NaN()})
        checkWithNeighbours(value);
    // Every power of two and of ten, where the exact arithmetic changes its way.
    for (int power = -330; power <= 310; ++power)
        check(std::pow(10.0, power));
    for (int power = -1074; power <= 1023; ++power)
        check(std::ldexp(1.0, power));
    for (int power = -140; power <= 140; ++power)
        checkWithNeighbours(std::ldexp(1.0, power));
}

TEST_F(FixedAgainstPrintf, ExactlyHalfwayAtEachPrecision) {
    // j / 2^(p+1) with j odd lies exactly halfway between two texts of p decimals (0.125 at
    // two decimals, 0.0625 at three ...): printf takes the even one. Their neighbours round
    // away from the middle.
    for (int precision = 0; precision <= 10; ++precision) {
        for (int i = 0; i < 6000; ++i) {
            const std::uint64_t odd = (random_() >> (11 + random_() % 50)) | 1;
            const double halfway = std::ldexp(static_cast<double>(odd), -(precision + 1));
            for (const double value :
                 {halfway, std::nextafter(halfway, 0.0), std::nextafter(halfway, 2 * halfway)}) {
                check(value, precision);
                check(-value, precision);
            }
        }
    }
}

TEST_F(FixedAgainstPrintf, RandomValuesOfEveryMagnitude) {
    std::uniform_real_distribution<double> lab(-2000.0, 2000.0);
    std::uniform_int_distribution<int> decimals(0, 9);
    std::uniform_int_distribution<int> binaryExponent(-90, 110);
    for (int i = 0; i < 2000; ++i)
        check(std::bit_cast<double>(random_())); // any bit pattern: every exponent, NaNs
    for (int i = 0; i < 12000; ++i) {
        // Any mantissa at the magnitudes the exact arithmetic covers, and a little beyond.
        const double mantissa = 1.0 + static_cast<double>(random_() >> 12) / 4503599627370496.0;
        check(std::ldexp(random_() % 2 ? mantissa : -mantissa, binaryExponent(random_)));
        check(lab(random_));
        // Texts typed or read with a few decimals, and a hair beside them.
        checkWithNeighbours(std::round(lab(random_) * 1e4) / std::pow(10.0, decimals(random_)));
    }
}

TEST(IntegerText, MatchesPrintf) {
    std::mt19937_64 random(7);
    std::vector<long long> values = {0,
                                     1,
                                     -1,
                                     9,
                                     10,
                                     -10,
                                     std::numeric_limits<long long>::max(),
                                     std::numeric_limits<long long>::min(),
                                     std::numeric_limits<int>::max(),
                                     std::numeric_limits<int>::min()};
    for (int i = 0; i < 100000; ++i)
        values.push_back(static_cast<long long>(random() >> (random() % 64)) *
                         (i % 2 == 0 ? 1 : -1));
    for (const long long value : values) {
        char expected[32];
        std::snprintf(expected, sizeof expected, "%lld", value);
        ASSERT_EQ(formatInteger(value), expected);
    }
}

std::uint64_t bitsOf(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

// cAtof against strtod on one text: the same double to the last bit (signed zeros and NaNs
// included).
class AtofAgainstStrtod : public ::testing::Test {
protected:
    void check(const std::string& text) {
        const double expected = std::strtod(text.c_str(), nullptr);
        const double got = cAtof(text);
        if (bitsOf(got) != bitsOf(expected)) {
            ADD_FAILURE() << "\"" << text << "\" read as " << std::hexfloat << got << " instead of "
                          << expected;
            if (++failures_ > 10)
                FAIL() << "too many differences";
        }
    }

    std::mt19937_64 random_{99};
    int failures_ = 0;
};

TEST_F(AtofAgainstStrtod, EveryTextTheWritersProduce) {
    std::uniform_real_distribution<double> lab(-2000.0, 2000.0);
    for (int i = 0; i < 40000; ++i) {
        const double value = i % 4 == 0 ? std::bit_cast<double>(random_()) : lab(random_);
        for (const int precision : {1, 2, 3, 4, 6, 8})
            check(formatFixed(value, 2, precision));
        check(formatInteger(static_cast<long long>(random_() >> (random_() % 64))));
    }
}

TEST_F(AtofAgainstStrtod, MidpointsBetweenNeighbouringDoubles) {
    // The exact decimal text of the point halfway between two doubles must round to the even
    // one; a digit more above it to the upper one.
    std::uniform_real_distribution<double> exponent(-30.0, 30.0);
    for (int i = 0; i < 20000; ++i) {
        const double low = std::pow(10.0, exponent(random_)) * (1.0 + (random_() % 1000) / 1000.0);
        const double high = std::nextafter(low, std::numeric_limits<double>::infinity());
        const long double midpoint =
            (static_cast<long double>(low) + static_cast<long double>(high)) / 2;
        char text[256];
        std::snprintf(text, sizeof text, "%.120Le", midpoint);
        std::string exact(text);
        check(exact);
        check("-" + exact);
        const std::size_t e = exact.find('e');
        check(exact.substr(0, e) + "1" + exact.substr(e)); // just above the midpoint
        char shortest[64];
        std::snprintf(shortest, sizeof shortest, "%.17g", low);
        check(shortest);
    }
}

TEST_F(AtofAgainstStrtod, ForeignTexts) {
    for (const char* text : {"",
                             " ",
                             "\t\n\v\f\r 12",
                             "+",
                             "-",
                             ".",
                             "-.",
                             "+.5",
                             "5.",
                             ".5",
                             "-0",
                             "+0",
                             "-0.0",
                             "1e",
                             "1e+",
                             "1e-",
                             "1E5",
                             "1e+5x",
                             "0x",
                             "0x10",
                             "0X1p3",
                             "-0x1.8p1",
                             "0xg",
                             "00x10",
                             "inf",
                             "-inf",
                             "INF",
                             "infinity",
                             "-Infinity",
                             "infx",
                             "nan",
                             "-nan",
                             "NAN(123)",
                             "nan(",
                             "1e400",
                             "-1e400",
                             "1e-400",
                             "4.9e-324",
                             "2.4703282292062327e-324",
                             "2.4703282292062328e-324",
                             "2.2250738585072011e-308",
                             "1.7976931348623158e308",
                             "1.7976931348623159e308",
                             "123456789012345678901234567890",
                             "1,5",
                             "1.5.5",
                             "--1",
                             "+-1",
                             "- 1",
                             "1 2",
                             "12abc",
                             "1\r\n",
                             "3/4/2014",
                             "9:30",
                             "0.000000000000000000000000000000000000000000001",
                             "1e99999999999999999999",
                             "1e-99999999999999999999",
                             "0e99999999999"})
        check(text);
    // A NUL byte inside the text ends the number, as it ends strtod's string.
    EXPECT_EQ(cAtof(std::string_view("12\0"
                                     "34",
                                     5)),
              12.0);

    // Random texts from the characters numbers and their neighbours are made of.
    const std::string alphabet =
        " \t+-.0123456789012345678901234567890123456789eExXpPinfaINFAty,/:";
    for (int i = 0; i < 200000; ++i) {
        std::string text(random_() % 24, ' ');
        for (char& c : text)
            c = alphabet[random_() % alphabet.size()];
        check(text);
    }
    // Long runs of digits, beyond what a double holds.
    for (int i = 0; i < 2000; ++i) {
        std::string text = std::to_string(random_() % 10);
        const std::size_t digits = 10 + random_() % 800;
        for (std::size_t d = 0; d < digits; ++d) {
            if (d == 5 + random_() % 30 && text.find('.') == std::string::npos)
                text += '.';
            text += static_cast<char>('0' + random_() % 10);
        }
        if (random_() % 2 == 0)
            text += "e" + std::to_string(static_cast<int>(random_() % 700) - 350);
        check(text);
    }
}

} // namespace
} // namespace rheo
