#pragma once
// What must hold for anything a reader makes of arbitrary bytes; a violation aborts, which
// libFuzzer reports as a finding.

#include "core/model/model.hpp"

namespace rheo::fuzz {

// Cell numbers 1 to 5 by position and no undefined or infinite number anywhere.
void checkCalibration(const CalibrationData& data);
void checkResult(const TestResult& result);

} // namespace rheo::fuzz
