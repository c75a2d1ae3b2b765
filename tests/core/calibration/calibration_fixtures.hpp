// SPDX-License-Identifier: MIT
#pragma once
// Cells and standard-oil runs of the worked examples, shared by the calibration tests.

#include "core/calibration/ab_regression.hpp"

namespace rheo::testing {

// In the order of the record: cell number, r, length, A, B, RMS % diff, V, T0, weighings,
// A/B points, working, minimum and maximum shear rate.
// V = 6 ml, r = 0.075 mm, T0 = 18 s: ready for A/B points.
inline const CellCalibration kAbReadyCell{1, 0.075, 0, 0, 0, 0, 6, 18, {}, {}, 0, 0, 0};
// Calibrated: A = 0.0025, B = 9, T0 = 18 s and every other required value present.
inline const CellCalibration kCalibratedCell{1,  0.075, 15, 0.0025, 9,     0.5,  6,
                                             18, {},    {}, 1.4e6,  1.0e6, 1.2e6};

struct AbInput {
    double known, pressure, effluxTime;
};

// The four standards of the worked fit, and four points lying exactly on A = 0.0025, B = 9.
inline const std::vector<AbInput> kFourStandards = {
    {7.0, 150, 20.0}, {8.6, 200, 18.0}, {9.4, 250, 16.0}, {10.7, 300, 15.0}};
inline const std::vector<AbInput> kExactStandards = {
    {7.05, 150, 20}, {8.5, 200, 18}, {9.4375, 250, 16}, {10.65, 300, 15}};

// kAbReadyCell with the runs added in order, named "p0", "p1", ...
inline CellCalibration cellWith(const std::vector<AbInput>& inputs, bool firstNewtonian = true) {
    CellCalibration cell = kAbReadyCell;
    for (std::size_t i = 0; i < inputs.size(); ++i)
        AddAbPoint(cell, inputs[i].known, inputs[i].pressure, inputs[i].effluxTime,
                   i > 0 || firstNewtonian, "p" + std::to_string(i));
    return cell;
}

// What an operation tells the operator: its refusal, or the number of points the cell then
// holds, followed by " notice" when the notice is due.
template <typename Outcome> std::string toldBy(const Outcome& o) {
    return o.rejection ? *o.rejection
                       : std::to_string(o.pointCount) + (o.noticeDue ? " notice" : "");
}

} // namespace rheo::testing
