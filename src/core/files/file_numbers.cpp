// SPDX-License-Identifier: MIT
#include "core/files/file_numbers.hpp"

#include <cmath>

#include "core/model/units.hpp"
#include "core/text/c_format.hpp"

namespace rheo {

namespace {

// The C library of the original platform read no hexadecimal numbers: "0x10" is 0 there,
// while strtod here would read 16.
bool isHexadecimal(std::string_view word) {
    std::size_t i = 0;
    while (i < word.size() && (word[i] == ' ' || (word[i] >= '\t' && word[i] <= '\r')))
        ++i;
    if (i < word.size() && (word[i] == '+' || word[i] == '-'))
        ++i;
    return word.size() > i + 1 && word[i] == '0' && (word[i + 1] == 'x' || word[i + 1] == 'X');
}

} // namespace

double fileNumber(std::string_view word) {
    if (isHexadecimal(word))
        return 0.0;
    const double value = cAtof(word);
    return std::isfinite(value) ? value : 0.0;
}

double fileShearRate(std::string_view word) {
    const double value = shearRateFromDisplayUnits(fileNumber(word));
    return std::isfinite(value) ? value : 0.0;
}

} // namespace rheo
