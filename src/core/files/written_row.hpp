// SPDX-License-Identifier: MIT
#pragma once
// Telling a results row already in the form the program writes, so that joining files can copy
// such a row as it is instead of reading its numbers and writing them again.

#include <string_view>

namespace rheo {

// True when writing the record that `row` (line end removed) is read into gives `row` itself:
//   ID,CELL,V.vvv,S.ss,R.r,N,P.p,E.ee,M/D/Y H:M
// with an ID of 1 to 17 bytes without a comma, whole numbers without a plus sign or leading
// zeros ("0" itself, never "-0") of at most nine digits, N "0" or "1", and each decimal number
// with a minus sign or none, no leading zeros, exactly the written decimals and at most 15
// digits, and a row of at most 126 bytes. A decimal text of at most 15 digits is read to the
// double nearest it, less than 0.12 of a unit of its last decimal away (a double carries
// 2^-53 of its value exactly), so printf gives those digits back; "-0.000" comes back as
// -0.0, which printf writes "-0.000" again.
bool isResultRowAsWritten(std::string_view row);

} // namespace rheo
