// SPDX-License-Identifier: MIT
#include "core/calibration/volume_calculation.hpp"

#include "core/calibration/ab_regression.hpp"
#include "core/model/field_rules.hpp"
#include "core/model/formulas.hpp"
#include "core/model/row_removal.hpp"
#include "core/model/units.hpp"
#include "core/text/program_texts.hpp"

#include <cmath>
#include <utility>

namespace rheo {

const PointList<VolumePoint> kVolumePoints{&CellCalibration::volumePoints, RecomputeVolumeAverages,
                                           kVolumeFewestPointsWithoutNotice};

PointOutcome AddVolumePoint(CellCalibration& cell, double tareWeight, double fullWeight,
                            double density) {
    // Negated so that a weight that is not a number is refused here too.
    if (!(tareWeight < fullWeight))
        return PointOutcome::refused(calibration_texts::kTareNotBelowFullRejection);
    // The held shear rate goes through the display unit and back, as the program has
    // always computed it; in floating point this is not always the held value itself.
    const double workingShearRate =
        shearRateFromDisplayUnits(shearRateInDisplayUnits(cell.workingShearRate));
    const double radius = cell.capillaryRadius;
    if (workingShearRate == 0 || radius == 0)
        return PointOutcome::refused(calibration_texts::kVolumeCellDataRejection);
    if (!std::isfinite(tareWeight))
        return PointOutcome::refused(fieldMessage(NumberField::TareWeight));
    if (!std::isfinite(fullWeight))
        return PointOutcome::refused(fieldMessage(NumberField::FullWeight));
    if (!(density > 0) || !std::isfinite(density))
        return PointOutcome::refused(fieldMessage(NumberField::Density));

    const double volume = formulas::weighingVolume(tareWeight, fullWeight, density);
    return kVolumePoints.add(
        cell, {.tareWeight = tareWeight,
               .fullWeight = fullWeight,
               .density = density,
               .effluxTimeT0 = formulas::targetEffluxTime(volume, radius, workingShearRate),
               .volume = volume});
}

PointOutcome RemoveVolumePoints(CellCalibration& cell, std::vector<std::size_t> positions) {
    return kVolumePoints.remove(cell, std::move(positions));
}

void ClearVolumePoints(CellCalibration& cell) {
    cell.volumePoints.clear();
    cell.cellVolume = 0.0;
    cell.targetEffluxTime = 0.0;
}

void RecomputeVolumeAverages(CellCalibration& cell) {
    if (cell.volumePoints.empty()) {
        cell.cellVolume = 0.0;
        cell.targetEffluxTime = 0.0;
        return;
    }
    double volumes = 0.0;
    double times = 0.0;
    for (const VolumePoint& point : cell.volumePoints) {
        volumes += point.volume;
        times += point.effluxTimeT0;
    }
    const double n = static_cast<double>(cell.volumePoints.size());
    cell.cellVolume = volumes / n;
    cell.targetEffluxTime = times / n;
}

void recomputeAfterVolumeChange(CalibrationData& calibration) {
    for (CellCalibration& cell : calibration.cells)
        if (cell.abPoints.size() >= kAbFewestPointsForFit)
            RecomputeAb(cell);
}

} // namespace rheo
