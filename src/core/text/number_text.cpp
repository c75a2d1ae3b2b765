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

// Writes the decimal digits of `value` backwards from `end`, at least `minimumDigits` of them
// (zeros in front); returns where they start.
char* writeDigits(char* end, Wide value, int minimumDigits) {
    char* p = end;
    while (value > UINT64_MAX) {
        const Wide high = value / kTenToThe19;
        auto low = static_cast<std::uint64_t>(value - high * kTenToThe19);
        for (int i = 0; i < 19; ++i) {
            *--p = static_cast<char>('0' + low % 10);
            low /= 10;
        }
        value = high;
    }
    auto rest = static_cast<std::uint64_t>(value);
    do {
        *--p = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    while (end - p < minimumDigits)
        *--p = '0';
    return p;
}

void padTo(std::string& out, std::size_t start, int width) {
    const std::size_t length = out.size() - start;
    if (width > 0 && length < static_cast<std::size_t>(width))
        out.insert(start, static_cast<std::size_t>(width) - length, ' ');
}

} // namespace

void appendFixed(std::string& out, double value, int width, int precision) {
    Wide scaled = 0;
    if (!std::isfinite(value) || precision < 0 || precision > kMostFastDecimals || width < 0 ||
        !scaledMagnitude(value, precision, scaled)) {
        out += cformat("%*.*f", width, precision, value);
        return;
    }
    char digits[48];
    char* const end = digits + sizeof digits;
    const char* const first = writeDigits(end, scaled, precision + 1);
    const char* const point = end - precision;
    const char* const last = end;
    const std::size_t start = out.size();
    if (std::signbit(value))
        out += '-';
    out.append(first, point);
    if (precision > 0) {
        out += '.';
        out.append(point, last);
    }
    padTo(out, start, width);
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
