#pragma once
// The calibration report: the cells' geometry and constants, the standards table with its
// target pressures, and each cell's weighings and standard-oil runs. For all cells, or
// for one cell without the standards table.

#include "core/calibration/application_state.hpp"
#include "core/seams/drawing_surface.hpp"

#include <optional>

namespace rheo {

// A cell section moves to a new page when its starting row plus its point count exceeds this.
inline constexpr int kCalibrationSectionRowLimit = 47;

// Draws the report onto the surface, from the start of the job to its end: all cells
// without `cellIndex`, else the one cell of index 0 to 4. Sorts the standards and rebuilds
// `app.targetPressureRows` in both variants; changes nothing else. Returns false, drawing
// nothing, for a cell index outside 0 to 4.
bool PrintCalibration(DrawingSurface& surface, ApplicationState& app,
                      const LocalDateTime& printedAt, std::optional<int> cellIndex = std::nullopt);

} // namespace rheo
