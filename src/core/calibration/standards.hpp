// SPDX-License-Identifier: MIT
#pragma once
// The table of standard oils: its order, the pressure of each standard in each cell, and
// adding, replacing and deleting standards.

#include "core/model/column_table.hpp"
#include "core/model/model.hpp"

#include <array>
#include <string>
#include <vector>

namespace rheo {

// A standard as the standards table shows it with the calibration's cells.
struct StandardRow {
    const CalibrationData& calibration;
    const ViscosityStandard& standard;
};

inline constexpr std::size_t kStandardColumnCount = 2 + kCellCount;

// The standards table: name, viscosity "%2.3f", the pressure texts of cells 1 to 5.
const ColumnTable<StandardRow, kStandardColumnCount>& standardColumns();

struct TargetPressureRow {
    std::array<std::string, kStandardColumnCount> texts;

    bool operator==(const TargetPressureRow&) const = default;
};

// Ascending viscosity by the program's selection sort: standards of equal viscosity come
// out in the reverse of their previous relative order, at every sort.
void SortStandards(CalibrationData& calibration);

// The pressure text of a standard in a cell: "%2.1f" of the target pressure, or "N/A"
// for a cell that is not calibrated.
std::string standardPressureText(const CellCalibration& cell, double viscosity);

TargetPressureRow targetPressureRowOf(const CalibrationData& calibration,
                                      const ViscosityStandard& standard);

// Sorts the standards and builds one row per standard in the new order.
std::vector<TargetPressureRow> BuildTargetPressureRows(CalibrationData& calibration);

// The name a standard is stored under: blanks removed (the file reads a name as one
// word), "No_Name" for a name left empty.
std::string cleanStandardName(const std::string& typed);

// Adds a standard, replacing the first one of exactly the same name; the list is then
// sorted again. Returns the name it was stored under.
std::string addStandard(CalibrationData& calibration, const std::string& name, double viscosity);

// Removes the standards at the given positions of the current list order (each position
// as the list stands before any removal). Positions out of range are ignored.
void deleteStandards(CalibrationData& calibration, std::vector<size_t> positions);

// Removes the first standard of exactly this name; false when there is none.
bool deleteStandardByName(CalibrationData& calibration, const std::string& name);

void deleteAllStandards(CalibrationData& calibration);

} // namespace rheo
