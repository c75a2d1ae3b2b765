// SPDX-License-Identifier: MIT
#pragma once
// The cell data of a cell as the operator edits it (working, minimum and maximum shear
// rate in units of 1e6 1/s, capillary diameter and length in mm) and the recomputation
// that follows a change of geometry.

#include "core/model/field_rules.hpp"
#include "core/model/model.hpp"

#include <array>
#include <optional>
#include <string>

namespace rheo {

// The order in which the fields are checked when the operator leaves a cell.
inline constexpr std::array<NumberField, 5> kCellDataFieldOrder = {
    NumberField::CapillaryLength, NumberField::CapillaryDiameter, NumberField::MaxShearRate,
    NumberField::MinShearRate, NumberField::WorkingShearRate};

// True for the five fields above.
bool isCellDataField(NumberField field);

// The value a cell data field shows for the cell: the shear rates times 1e-6, the
// diameter as twice the radius, the length as held. 0 for a field of another dialog.
double shownCellDataValue(const CellCalibration& cell, NumberField field);

// Writes an accepted value into the cell: diameter * 0.5 to the radius, shear rates
// * 1000000 to the held 1/s, the length as it is. False (nothing written) for a field of
// another dialog. The range is not checked here: see editCellDataField.
bool writeCellDataField(CellCalibration& cell, NumberField field, double value);

struct CellDataEdit {
    std::optional<std::string> refusal; // the field's message; nothing was written
    bool written = false;               // the cell changed
};

// One field left by the operator: a value outside the field's range is refused with its
// message; an accepted value that differs from `previousShown` (what the field showed
// before) is written; an equal one writes nothing.
CellDataEdit editCellDataField(CellCalibration& cell, NumberField field, double previousShown,
                               double value);

// What OK of the cell data dialog does after a change. First, for every cell, every
// weighing's T0 again from its volume and the cell's current radius and working shear rate
// (0 when either is 0), and the cell's T0 = their mean (0 without weighings); then the
// A/B regression of every cell with at least 3 A/B points, cell 1 to cell 5. Cells with
// fewer A/B points keep their constants and points.
void recomputeAfterCellDataChange(CalibrationData& calibration);

} // namespace rheo
