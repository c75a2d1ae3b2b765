// SPDX-License-Identifier: MIT
#pragma once
// What must hold for anything a reader makes of arbitrary bytes; a violation aborts, which
// libFuzzer reports as a finding.

#include "core/model/model.hpp"

#include <string_view>

namespace rheo::fuzz {

// Cell numbers 1 to 5 by position and no undefined or infinite number anywhere.
void checkCalibration(const CalibrationData& data);
void checkResult(const TestResult& result);
// Two texts that must be equal byte for byte.
void checkSameText(std::string_view actual, std::string_view expected, const char* what);

} // namespace rheo::fuzz
