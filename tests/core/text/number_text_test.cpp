// SPDX-License-Identifier: MIT
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
#include <string_view>

namespace rheo {
namespace {

using namespace std::string_view_literals;
constexpr double kInf = std::numeric_limits<double>::infinity();

class AgainstTheCLibrary : public ::testing::Test {
protected:
    // formatFixed at one precision (the program writes one to eight decimals; up to ten are
    // checked) with the widths the program uses.
    void fixed(double value, int precision) {
        const int width = precision % 3 == 0 ? 4 : 2;
        char expected[512];
        std::snprintf(expected, sizeof expected, "%*.*f", width, precision, value);
        const std::string got = formatFixed(value, width, precision);
        if (got != expected && ++failures_ <= 10) // a few differences tell, not a million
            ADD_FAILURE() << "value " << std::hexfloat << value << " precision " << precision
                          << ": " << got << " instead of " << expected;
    }
    void fixed(double value) {
        for (int precision = 0; precision <= 10; ++precision)
            fixed(value, precision);
    }
    void fixedWithNeighbours(double value) {
        fixed(value);
        fixed(std::nextafter(value, kInf));
        fixed(std::nextafter(value, -kInf));
    }
    // cAtof: the same double as strtod to the last bit, signed zeros and NaNs included.
    void atof(const std::string& text) {
        const double expected = std::strtod(text.c_str(), nullptr);
        const double got = cAtof(text);
        if (std::bit_cast<std::uint64_t>(got) != std::bit_cast<std::uint64_t>(expected) &&
            ++failures_ <= 10)
            ADD_FAILURE() << "\"" << text << "\" read as " << std::hexfloat << got << " instead of "
                          << expected;
    }
    double mantissa() { return 1.0 + static_cast<double>(random_() >> 12) / 0x1p52; }

    std::mt19937_64 random_{20240611};
    int failures_ = 0;
};

TEST_F(AgainstTheCLibrary, FixedTextOfSpecialValuesAndEveryPowerOfTwoAndTen) {
    const double most = std::numeric_limits<double>::max();
    const double least = std::numeric_limits<double>::min();
    const double tiny = std::numeric_limits<double>::denorm_min();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const double value :
         {0.0,   -0.0,  1.0,    -1.0,     0.5,    -0.5,    1e-300, -1e-300, tiny,
          -tiny, least, 1e15,   1e22,     1e28,   1e29,    1.5e29, 1e30,    1e100,
          1e300, most,  -most,  0x1p53,   0.0001, -0.0001, -0.004, -0.005,  0.05,
          0.95,  9.995, 99.995, 999.9995, kInf,   -kInf,   nan,    -nan})
        fixedWithNeighbours(value);
    // The exact arithmetic changes its way at powers of two and of ten.
    for (int power = -330; power <= 310; ++power)
        fixed(std::pow(10.0, power));
    for (int power = -1074; power <= 1023; ++power)
        fixed(std::ldexp(1.0, power));
    for (int power = -140; power <= 140; ++power)
        fixedWithNeighbours(std::ldexp(1.0, power));
}

TEST_F(AgainstTheCLibrary, FixedTextRoundsExactlyHalfwayToTheEvenDigit) {
    // j / 2^(p+1) with j odd lies exactly halfway between two texts of p decimals (0.125 at
    // two decimals, 0.0625 at three ...): printf takes the even one. Their neighbours round
    // away from the middle.
    for (int precision = 0; precision <= 10; ++precision) {
        for (int i = 0; i < 6000; ++i) {
            const std::uint64_t odd = (random_() >> (11 + random_() % 50)) | 1;
            const double halfway = std::ldexp(static_cast<double>(odd), -(precision + 1));
            for (const double value :
                 {halfway, std::nextafter(halfway, 0.0), std::nextafter(halfway, 2 * halfway)}) {
                fixed(value, precision);
                fixed(-value, precision);
            }
        }
    }
}

TEST_F(AgainstTheCLibrary, IntegerTextIsPrintfs) {
    for (int i = 0; i < 100010; ++i) {
        long long value = static_cast<long long>(random_() >> (random_() % 64));
        value = i % 2 ? -value : value;
        if (i >= 100000) // the extremes
            value = i % 2 ? std::numeric_limits<long long>::min()
                          : std::numeric_limits<long long>::max();
        char expected[32];
        std::snprintf(expected, sizeof expected, "%lld", value);
        ASSERT_EQ(formatInteger(value), expected);
    }
}

TEST_F(AgainstTheCLibrary, AtofRoundsMidpointsBetweenNeighbouringDoublesToEven) {
    // The exact decimal text of the point halfway between two doubles must round to the even
    // one; a digit more above it to the upper one.
    for (int i = 0; i < 20000; ++i) {
        const double low = std::ldexp(mantissa(), static_cast<int>(random_() % 200) - 100);
        const long double midpoint =
            (static_cast<long double>(low) + std::nextafter(low, kInf)) / 2;
        char text[256];
        std::snprintf(text, sizeof text, "%.120Le", midpoint);
        const std::string exact(text);
        const std::size_t e = exact.find('e');
        for (const std::string& variant :
             {exact, "-" + exact, exact.substr(0, e) + "1" + exact.substr(e)})
            atof(variant);
        std::snprintf(text, sizeof text, "%.17g", low);
        atof(text);
    }
}

TEST_F(AgainstTheCLibrary, AtofOfForeignTexts) {
    const char* const foreign[] = {
        "", " ", "+", "-", ".", "-.", "+.5", "5.", ".5", "-0", "+0", "-0.0", "1e", "1e+", "1e-",
        "1E5", "1e+5x", "0x", "0x10", "0X1p3", "-0x1.8p1", "0xg", "00x10", "inf", "-inf", "INF",
        "infinity", "-Infinity", "infx", "nan", "-nan", "NAN(123)", "nan(", "1e400", "-1e400",
        "1e-400", "4.9e-324", "1,5", "1.5.5", "--1", "+-1", "- 1", "1 2", "12abc", "1\r\n",
        "3/4/2014", "9:30",
        // extremes
        "2.4703282292062327e-324", "2.4703282292062328e-324", "2.2250738585072011e-308",
        "1.7976931348623158e308", "1.7976931348623159e308", "1e99999999999999999999",
        "1e-99999999999999999999", "0e99999999999", "9007199254740993", "9007199254740993.5"};
    for (const char* text : foreign)
        atof(text);
    atof("0." + std::string(44, '0') + "1");
    atof("\t\n\v\f\r 12"); // every blank isspace knows
    // A NUL byte inside the text ends the number, as it ends strtod's string.
    EXPECT_EQ(cAtof("12\0 34"sv), 12.0);
    // Random texts from the characters numbers and their neighbours are made of.
    const std::string alphabet =
        " \t+-.0123456789012345678901234567890123456789eExXpPinfaINFAty,/:";
    for (int i = 0; i < 200000; ++i) {
        std::string text(random_() % 24, ' ');
        for (char& c : text)
            c = alphabet[random_() % alphabet.size()];
        atof(text);
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
        atof(text);
    }
}

} // namespace
} // namespace rheo
