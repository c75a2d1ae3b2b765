// SPDX-License-Identifier: MIT
#pragma once
// Numbers read from the program's files.

#include <string_view>

namespace rheo {

// atof of a word, with "." as decimal point whatever the locale. A word that gives no finite
// number ("nan", "inf", 1e999) reads as 0: an undefined value never enters the calibration
// or the results, and a calibration field read as 0 shows up as missing instead of
// producing undefined viscosities. Hexadecimal words ("0x10") read as 0 as well, as the
// C library of the original platform read them.
double fileNumber(std::string_view word);

// A shear rate filed in units of 1x10e6 1/s, as held (1/s); 0 when the product is no finite
// number either.
double fileShearRate(std::string_view word);

} // namespace rheo
