// SPDX-License-Identifier: MIT
#pragma once
// The test data report: every accepted run of the list, 51 rows a page under a repeated
// heading block.

#include "core/model/model.hpp"
#include "core/seams/drawing_surface.hpp"

#include <cstddef>
#include <vector>

namespace rheo {

inline constexpr int kTestDataRowsPerPage = 51;

// The pages the report of so many runs takes: one at least, then 51 runs a page.
std::size_t testDataReportPages(std::size_t runs);

// Draws the whole report onto the surface, from the start of the job to its end. The
// header data come from `calibration`; `printedAt` is the date shown on every page.
void drawTestDataReport(DrawingSurface& surface, const std::vector<TestResult>& results,
                        const CalibrationData& calibration, const LocalDateTime& printedAt);

} // namespace rheo
