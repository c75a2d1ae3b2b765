// SPDX-License-Identifier: MIT
#pragma once
// The constants A and B of a cell, fitted by least squares over runs of standard oils of
// known viscosity (its A/B points). Dividing eta = A*P*T - B/T by P*T gives
// y = A - B*x with x = 1/(P*T*T) and y = eta_known/(P*T).

#include "core/calibration/point_outcome.hpp"
#include "core/model/model.hpp"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rheo {

// A and B are fitted from this many points on; below it they are 0.
inline constexpr std::size_t kAbFewestPointsForFit = 3;
// Fewer points than this make the regression notice due.
inline constexpr std::size_t kAbFewestPointsWithoutNotice = 4;

// A point of the fit: the line y = A - B*x is fitted through these.
struct RegressionPoint {
    double x; // 1/(P*T*T), 1/(psi*s^2)
    double y; // eta_known/(P*T), mPa*s/(psi*s)
};

// The fit's coordinates of a standard-oil run, with the arithmetic of the fit itself.
RegressionPoint regressionPointOf(const AbPoint& point);

// Checks the run against the cell (range, then radius/volume/T0, then efflux time within
// +-20 % of T0, both bounds accepted), appends it and refits. Values that are not finite
// numbers are refused with the range message.
PointOutcome AddAbPoint(CellCalibration& cell, double knownViscosity, double pressure,
                        double effluxTime, bool newtonian, const std::string& standardName);

// Removes the points at `positions`: row numbers of the list as it stands before this
// call (the rows selected in the dialog), in any order. Duplicates and rows past the end
// are ignored. The result is the same as the dialog removing the lowest selected row one
// at a time. The cell is then refitted once; with no point removed nothing changes.
PointOutcome RemoveAbPoints(CellCalibration& cell, std::vector<std::size_t> positions);

// Removes every point; A, B and the RMS % difference become 0. No notice.
void ClearAbPoints(CellCalibration& cell);

// Fits A and B over all points and recomputes every point's calculated viscosity, %
// difference and Reynolds number, and the RMS % difference. With fewer than 3 points A,
// B and the RMS % difference become 0 and the points keep their values.
void RecomputeAb(CellCalibration& cell);

} // namespace rheo
