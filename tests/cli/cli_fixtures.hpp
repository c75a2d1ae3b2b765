#pragma once
// Calibration files for the rheo-cli tests, written out as the program writes them.

#include <string>

namespace rheo::testing {

// Cell 1 is the worked example cell: A 0.0025, B 9, T0 18 s, V 6 ml, r 0.075 mm, window
// `minShearRate` to 1.2 (units of 1e6 1/s), working shear rate 1.1, length 15 mm, RMS 0.5.
// Cells 2 to 5 are not calibrated. `body` is appended after the five cell lines.
std::string workedExampleCalibration(const std::string& minShearRate = "1.00000000",
                                     const std::string& body = "");

// The same cell with three weighings (V 6 ml each) behind its volume, for edits that
// recompute T0.
std::string calibrationWithWeighings();

} // namespace rheo::testing
