// SPDX-License-Identifier: MIT
#include "core/calibration/cell_data.hpp"

#include "core/calibration/ab_regression.hpp"
#include "core/model/formulas.hpp"
#include "core/model/units.hpp"

namespace rheo {
namespace {

// The cell's T0 from its weighings' volumes with the cell's current geometry. Unlike a
// new weighing, the held working shear rate enters here as it is.
void recomputeTargetEffluxTime(CellCalibration& cell) {
    const double radius = cell.capillaryRadius;
    const double shearRate = cell.workingShearRate;
    double sum = 0.0;
    for (VolumePoint& point : cell.volumePoints) {
        point.effluxTimeT0 = (shearRate == 0 || radius == 0)
                                 ? 0.0
                                 : formulas::targetEffluxTime(point.volume, radius, shearRate);
        sum += point.effluxTimeT0;
    }
    cell.targetEffluxTime =
        cell.volumePoints.empty() ? 0.0 : sum / static_cast<double>(cell.volumePoints.size());
}

} // namespace

bool isCellDataField(NumberField field) {
    for (NumberField member : kCellDataFieldOrder)
        if (member == field)
            return true;
    return false;
}

double shownCellDataValue(const CellCalibration& cell, NumberField field) {
    switch (field) {
    case NumberField::CapillaryLength:
        return cell.capillaryLength;
    case NumberField::CapillaryDiameter:
        return 2 * cell.capillaryRadius;
    case NumberField::MaxShearRate:
        return shearRateInDisplayUnits(cell.maxShearRate);
    case NumberField::MinShearRate:
        return shearRateInDisplayUnits(cell.minShearRate);
    case NumberField::WorkingShearRate:
        return shearRateInDisplayUnits(cell.workingShearRate);
    default:
        return 0.0;
    }
}

bool writeCellDataField(CellCalibration& cell, NumberField field, double value) {
    switch (field) {
    case NumberField::CapillaryLength:
        cell.capillaryLength = value;
        return true;
    case NumberField::CapillaryDiameter:
        cell.capillaryRadius = value * 0.5;
        return true;
    case NumberField::MaxShearRate:
        cell.maxShearRate = shearRateFromDisplayUnits(value);
        return true;
    case NumberField::MinShearRate:
        cell.minShearRate = shearRateFromDisplayUnits(value);
        return true;
    case NumberField::WorkingShearRate:
        cell.workingShearRate = shearRateFromDisplayUnits(value);
        return true;
    default:
        return false;
    }
}

CellDataEdit editCellDataField(CellCalibration& cell, NumberField field, double previousShown,
                               double value) {
    CellDataEdit edit;
    if (!isCellDataField(field))
        return edit;
    edit.refusal = fieldRefusal(field, value);
    if (edit.refusal || value == previousShown)
        return edit;
    edit.written = writeCellDataField(cell, field, value);
    return edit;
}

void recomputeAfterCellDataChange(CalibrationData& calibration) {
    for (CellCalibration& cell : calibration.cells)
        recomputeTargetEffluxTime(cell);
    for (CellCalibration& cell : calibration.cells)
        if (cell.abPoints.size() >= kAbFewestPointsForFit)
            RecomputeAb(cell);
}

} // namespace rheo
