// SPDX-License-Identifier: MIT
#include "core/text/number_text.hpp"

#include "core/text/c_format.hpp"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace rheo {
namespace {

__extension__ typedef unsigned __int128 Wide;

// Precisions written by exact integer arithmetic; others go through printf itself.
constexpr int kMostFastDecimals = 9;
constexpr std::uint64_t kPowersOfTen[kMostFastDecimals + 1] = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};
constexpr std::uint64_t kTenToThe19 = 10000000000000000000ull;

// |value| x 10^decimals rounded to a whole number as printf rounds: the exact binary value,
// a tie going to the even neighbour. A double is mantissa x 2^exponent with a mantissa below
// 2^53, so mantissa x 10^decimals stays below 2^83 and the rounding is a shift with an exact
// remainder. False for magnitudes whose product would not fit 128 bits (beyond 1e29).
bool scaledMagnitude(double value, int decimals, Wide& scaled) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int biasedExponent = static_cast<int>((bits >> 52) & 0x7ff);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    int exponent = -1074; // subnormal numbers
    if (biasedExponent != 0) {
        mantissa |= std::uint64_t{1} << 52;
        exponent = biasedExponent - 1075;
    }
    const Wide product = static_cast<Wide>(mantissa) * kPowersOfTen[decimals];
    if (exponent >= 0) {
        if (exponent > 44)
            return false;
        scaled = product << exponent;
        return true;
    }
    const int shift = -exponent;
    if (shift >= 128) {
        scaled = 0; // below 2^83 / 2^128: less than half a unit of the last decimal
        return true;
    }
    const Wide quotient = product >> shift;
    const Wide remainder = product - (quotient << shift);
    const Wide half = static_cast<Wide>(1) << (shift - 1);
    const bool up = remainder > half || (remainder == half && (quotient & 1) != 0);
    scaled = quotient + (up ? 1 : 0);
    return true;
}

// "00" to "99": two digits written at a time.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233"
    "34353637383940414243444546474849505152535455565758596061626364656667"
    "6869707172737475767778798081828384858687888990919293949596979899";

// Writes exactly `count` decimal digits of `value` (below 10^count) backwards from `end`.
char* writeDigits(char* end, std::uint64_t value, int count) {
    char* p = end;
    for (; count >= 2; count -= 2) {
        const auto pair = static_cast<std::size_t>(value % 100) * 2;
        value /= 100;
        *--p = kDigitPairs[pair + 1];
        *--p = kDigitPairs[pair];
    }
    if (count == 1)
        *--p = static_cast<char>('0' + value);
    return p;
}

// Writes all decimal digits of `value` (at least one) backwards from `end`.
char* writeAllDigits(char* end, Wide value) {
    char* p = end;
    while (value > UINT64_MAX) { // beyond 64 bits: 19 digits at a time
        const Wide high = value / kTenToThe19;
        p = writeDigits(p, static_cast<std::uint64_t>(value - high * kTenToThe19), 19);
        value = high;
    }
    auto rest = static_cast<std::uint64_t>(value);
    while (rest >= 100) {
        const auto pair = static_cast<std::size_t>(rest % 100) * 2;
        rest /= 100;
        *--p = kDigitPairs[pair + 1];
        *--p = kDigitPairs[pair];
    }
    if (rest >= 10) {
        *--p = kDigitPairs[rest * 2 + 1];
        *--p = kDigitPairs[rest * 2];
    } else {
        *--p = static_cast<char>('0' + rest);
    }
    return p;
}

} // namespace

void appendFixed(std::string& out, double value, int width, int precision) {
    Wide scaled = 0;
    if (!std::isfinite(value) || precision < 0 || precision > kMostFastDecimals || width < 0 ||
        !scaledMagnitude(value, precision, scaled)) {
        out += cformat("%*.*f", width, precision, value);
        return;
    }
    // Built backwards: the decimals, the point, the whole part, the sign, the blanks.
    char text[80];
    char* const end = text + sizeof text;
    const std::uint64_t unit = kPowersOfTen[precision];
    Wide whole = 0;
    std::uint64_t decimals = 0;
    if (scaled <= UINT64_MAX) { // nearly always: 64-bit division is much quicker
        const auto narrow = static_cast<std::uint64_t>(scaled);
        whole = narrow / unit;
        decimals = narrow % unit;
    } else {
        whole = scaled / unit;
        decimals = static_cast<std::uint64_t>(scaled - whole * unit);
    }
    char* p = writeDigits(end, decimals, precision);
    if (precision > 0)
        *--p = '.';
    p = writeAllDigits(p, whole);
    if (std::signbit(value))
        *--p = '-';
    while (end - p < width && p > text)
        *--p = ' ';
    if (end - p < width) // wider than the buffer holds
        out.append(static_cast<std::size_t>(width - (end - p)), ' ');
    out.append(p, end);
}

std::string formatFixed(double value, int width, int precision) {
    std::string out;
    appendFixed(out, value, width, precision);
    return out;
}

void appendInteger(std::string& out, long long value) {
    char digits[24];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, written.ptr);
}

std::string formatInteger(long long value) {
    std::string out;
    appendInteger(out, value);
    return out;
}

} // namespace rheo
