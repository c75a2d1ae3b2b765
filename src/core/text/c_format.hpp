// SPDX-License-Identifier: MIT
#pragma once
// printf and atof/atoi exactly as the C library does them in the "C" locale, whatever
// locale the process runs in: files, screens and reports always use "." as decimal point.

#include <string>
#include <string_view>

namespace rheo {

// snprintf in the "C" locale, any length.
std::string cformat(const char* format, ...) __attribute__((format(printf, 1, 2)));

// atof in the "C" locale: leading blanks skipped, the longest numeric prefix converted,
// 0 when there is none.
double cAtof(std::string_view text);

// atoi: leading blanks skipped, optional sign, decimal digits; 0 when there are none.
// Values outside the 32-bit range saturate instead of overflowing.
int cAtoi(std::string_view text);

// A whole field read as a number the way the program's fields read it: true only when
// the text, blanks around it ignored, is one finite decimal number with "." as point.
bool parseDecimal(std::string_view text, double& value);
// The same for a whole number that fits 32 bits.
bool parseWholeNumber(std::string_view text, int& value);

} // namespace rheo
