// SPDX-License-Identifier: MIT
#pragma once
// The volume V and target efflux time T0 of a cell from weighings: each weighing (tare,
// full, density) gives one V and one T0; the cell holds their means.

#include "core/calibration/point_outcome.hpp"
#include "core/model/model.hpp"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rheo {

// Fewer weighings than this make the volume notice due.
inline constexpr std::size_t kVolumeFewestPointsWithoutNotice = 3;

// Checks the weighing (tare below full, then the cell's working shear rate and radius),
// computes its V and T0, appends it and stores the means. A weighing that would give a
// volume that is not a finite number (a density that is not above 0, an infinite weight)
// is refused with that field's message; the window's field checks never let one through.
PointOutcome AddVolumePoint(CellCalibration& cell, double tareWeight, double fullWeight,
                            double density);

// Removes the weighings at `positions`: row numbers of the list as it stands before this
// call (the rows selected in the dialog), in any order. Duplicates and rows past the end
// are ignored. The result is the same as the dialog removing the lowest selected row one
// at a time. The means are then stored again (0 when no weighing is left); with no
// weighing removed nothing changes.
PointOutcome RemoveVolumePoints(CellCalibration& cell, std::vector<std::size_t> positions);

// Removes every weighing; the volume and T0 become 0. No notice.
void ClearVolumePoints(CellCalibration& cell);

// The cell's volume and T0 = the means of the weighings' stored values, summed in list
// order. The weighings are not recomputed. With no weighing both become 0.
void RecomputeVolumeAverages(CellCalibration& cell);

// What OK of the volume dialog does after a change: the regression of every cell that
// holds at least 3 A/B points, cell 1 to cell 5, with its current volume, radius and T0,
// since the points' Reynolds numbers and non-Newtonian viscosities depend on them. Cells
// with fewer points are left as they are.
void recomputeAfterVolumeChange(CalibrationData& calibration);

} // namespace rheo
