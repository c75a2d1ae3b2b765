// SPDX-License-Identifier: MIT
#include "core/text/c_format.hpp"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace rheo {
namespace {

// The "C" locale, made once; uselocale switches only the calling thread to it.
locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

class CLocaleScope {
public:
    CLocaleScope() : previous_(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t previous_;
};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

double strtodInCLocale(std::string_view text) {
    // strtod needs a terminated string; fields are short, a copy is cheap.
    const std::string copy(text);
    CLocaleScope scope;
    return std::strtod(copy.c_str(), nullptr);
}

// Digits with at most one point and no exponent, 19 digits at most, that make a whole number
// m below 2^53 over 10^k with k at most 22: both are exact doubles, so m / 10^k, one
// correctly rounded division, is the nearest double to the text, as strtod gives it. False
// for any other text.
bool shortDecimal(const char* first, const char* last, double& value) {
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    std::uint64_t whole = 0;
    int digits = 0;
    int decimals = 0;
    bool point = false;
    const char* p = first;
    for (; p < last; ++p) {
        if (*p >= '0' && *p <= '9') {
            if (++digits > 19)
                return false;
            whole = whole * 10 + static_cast<std::uint64_t>(*p - '0');
            decimals += point ? 1 : 0;
        } else if (*p == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0 || (p < last && (*p == 'e' || *p == 'E')) || whole > (std::uint64_t{1} << 53))
        return false;
    value = static_cast<double>(whole) / kPowersOfTen[decimals];
    return true;
}

} // namespace

std::string cformat(const char* format, ...) {
    CLocaleScope scope;
    char small[256];
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    std::string out;
    if (length < 0) {
        va_end(again);
        return out;
    }
    if (static_cast<size_t>(length) < sizeof small) {
        out.assign(small, static_cast<size_t>(length));
    } else {
        out.resize(static_cast<size_t>(length) + 1);
        std::vsnprintf(out.data(), out.size(), format, again);
        out.resize(static_cast<size_t>(length));
    }
    va_end(again);
    return out;
}

double cAtof(std::string_view text) {
    // Plain decimal numbers, all that the program writes, take a quick way to the same
    // nearest double as strtod. Everything else (hexadecimal, "inf", "nan", no digits, out
    // of range) is left to strtod itself.
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    const char* const first = text.data() + i;
    const char* const last = text.data() + text.size();
    const bool hexadecimal =
        last - first >= 2 && first[0] == '0' && (first[1] == 'x' || first[1] == 'X');
    if (first < last && ((*first >= '0' && *first <= '9') || *first == '.') && !hexadecimal) {
        double value = 0.0;
        if (!shortDecimal(first, last, value)) {
            const auto read = std::from_chars(first, last, value, std::chars_format::general);
            if (read.ec != std::errc())
                return strtodInCLocale(text);
        }
        return negative ? -value : value;
    }
    return strtodInCLocale(text);
}
int cAtoi(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

bool parseDecimal(std::string_view text, double& value) {
    const std::string copy(trimmed(text));
    if (copy.empty())
        return false;
    for (const char c : copy) {
        const bool allowed =
            (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
        if (!allowed)
            return false; // no "nan", "inf", hex or decimal commas
    }
    CLocaleScope scope;
    char* end = nullptr;
    errno = 0;
    const double parsed = std::strtod(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size() || errno == ERANGE || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

bool parseWholeNumber(std::string_view text, int& value) {
    const std::string copy(trimmed(text));
    if (copy.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(copy.c_str(), &end, 10);
    if (end != copy.c_str() + copy.size() || errno == ERANGE || parsed < INT_MIN ||
        parsed > INT_MAX)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

} // namespace rheo
