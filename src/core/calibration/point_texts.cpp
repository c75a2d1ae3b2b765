#include "core/calibration/point_texts.hpp"

#include "core/model/units.hpp"
#include "core/text/number_text.hpp"

namespace rheo {

std::array<std::string, 6> volumePointRow(const VolumePoint& point) {
    // The difference is recomputed here; the weighing does not hold it.
    return {formatFixed(point.tareWeight, 2, 4),
            formatFixed(point.fullWeight, 2, 4),
            formatFixed(point.fullWeight - point.tareWeight, 2, 4),
            formatFixed(point.density, 2, 4),
            formatFixed(point.effluxTimeT0, 2, 2),
            formatFixed(point.volume, 2, 4)};
}

std::array<std::string, 8> abPointRow(const AbPoint& point) {
    return {point.standardName,
            formatFixed(point.knownViscosity, 2, 3),
            formatFixed(point.pressure, 2, 1),
            formatFixed(point.effluxTime, 4, 2),
            formatFixed(point.calculatedViscosity, 2, 3),
            formatFixed(point.percentDiff, 2, 2),
            formatFixed(point.reynoldsNumber, 2, 1),
            point.newtonian ? "Yes" : "No"};
}

AbLabels abLabelsOf(const CellCalibration& cell) {
    return {formatFixed(cell.constantA, 2, 6), formatFixed(cell.constantB, 2, 6),
            formatFixed(cell.rmsPercentDiff, 2, 2)};
}

AbLabels abLabelsBeforeFit() {
    return {"0.00000000", "0.00000000", "0.00000000"};
}

AbLabels abLabelsCleared() {
    return {"0", "0", "0"};
}

std::string targetEffluxTimeText(const CellCalibration& cell) {
    return formatFixed(cell.targetEffluxTime, 2, 2);
}

VolumeLabels volumeLabelsOf(const CellCalibration& cell) {
    return {formatFixed(cell.capillaryRadius, 2, 4),
            formatFixed(shearRateInDisplayUnits(cell.workingShearRate), 2, 3),
            formatFixed(cell.cellVolume, 2, 4), targetEffluxTimeText(cell)};
}

VolumeLabels volumeLabelsWithoutWeighings(const CellCalibration& cell) {
    VolumeLabels labels = volumeLabelsOf(cell);
    labels.volume = "0";
    labels.t0 = "0";
    return labels;
}

} // namespace rheo
