// SPDX-License-Identifier: MIT
#pragma once
// One number written as printf writes it in the "C" locale, byte for byte what cformat gives,
// at a fraction of its cost: the files, lists and reports write millions of them.

#include <string>

namespace rheo {

// printf's "%<width>.<precision>f": the exact value of the double rounded to `precision`
// decimals (a value halfway between two results goes to the even one), a minus sign whenever
// the sign bit is set (so -0.0 and -0.0001 give "-0.000" at three decimals), blanks in front
// up to `width` characters; "inf", "-inf", "nan" and "-nan" as printf writes them.
std::string formatFixed(double value, int width, int precision);
// The same, appended to `out`.
void appendFixed(std::string& out, double value, int width, int precision);

// printf's "%d" (and "%lld").
std::string formatInteger(long long value);
void appendInteger(std::string& out, long long value);

} // namespace rheo
