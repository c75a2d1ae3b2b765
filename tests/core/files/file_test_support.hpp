// SPDX-License-Identifier: MIT
#pragma once
// Small helpers the file tests share.

#include <array>
#include <string>

#include "core/files/calibration_commands.hpp"
#include "core/files/calibration_file.hpp"
#include "core/files/results_commands.hpp"
#include "core/files/results_file.hpp"

namespace rheo::testing {

// The calibration a file's text reads into, from a fresh calibration.
inline CalibrationData parsed(const std::string& text) {
    CalibrationData data;
    parseCalibrationText(data, text);
    return data;
}

// A cell's numbers in the order of its line in the file.
inline std::array<double*, 10> numbersOf(CellCalibration& c) {
    return {&c.workingShearRate, &c.minShearRate,    &c.maxShearRate, &c.capillaryRadius,
            &c.capillaryLength,  &c.constantA,       &c.constantB,    &c.rmsPercentDiff,
            &c.cellVolume,       &c.targetEffluxTime};
}

} // namespace rheo::testing
