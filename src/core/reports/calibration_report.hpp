// SPDX-License-Identifier: MIT
#pragma once
// The calibration report: the cells' geometry and constants, the standards table with its
// target pressures, and each cell's weighings and standard-oil runs. For all cells, or
// for one cell without the standards table.

#include "core/calibration/standards.hpp"
#include "core/model/model.hpp"
#include "core/seams/drawing_surface.hpp"

#include <optional>
#include <vector>

namespace rheo {

// A cell section moves to a new page when its starting row plus its point count exceeds this.
inline constexpr int kCalibrationSectionRowLimit = 47;

// Draws the report onto the surface, from the start of the job to its end: all cells
// without `cellIndex`, else the one cell of index 0 to 4. The standards table prints
// `standardRows` (built by BuildTargetPressureRows) as they are; `rowHeight` is the
// report's row height in 1/100 inch. Returns false, drawing nothing, for a cell index
// outside 0 to 4.
bool drawCalibrationReport(DrawingSurface& surface, const CalibrationData& calibration,
                           const std::vector<TargetPressureRow>& standardRows, int rowHeight,
                           const LocalDateTime& printedAt,
                           std::optional<int> cellIndex = std::nullopt);

} // namespace rheo
