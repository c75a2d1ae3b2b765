#pragma once
// Numbers read from the program's files.

#include <string_view>

namespace rheo {

// atof of a word, with "." as decimal point whatever the locale. A word that gives no finite
// number ("nan", "inf", 1e999) reads as 0: an undefined value never enters the calibration
// or the results, and a calibration field read as 0 shows up as missing instead of
// producing undefined viscosities.
double fileNumber(std::string_view word);

} // namespace rheo
