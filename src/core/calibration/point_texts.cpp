#include "core/calibration/point_texts.hpp"

#include "core/model/units.hpp"
#include "core/text/c_format.hpp"

namespace rheo {

std::array<std::string, 6> volumePointRow(const VolumePoint& point) {
    // The difference is recomputed here; the weighing does not hold it.
    return {cformat("%2.4f", point.tareWeight),
            cformat("%2.4f", point.fullWeight),
            cformat("%2.4f", point.fullWeight - point.tareWeight),
            cformat("%2.4f", point.density),
            cformat("%2.2f", point.effluxTimeT0),
            cformat("%2.4f", point.volume)};
}

std::array<std::string, 8> abPointRow(const AbPoint& point) {
    return {point.standardName,
            cformat("%2.3f", point.knownViscosity),
            cformat("%2.1f", point.pressure),
            cformat("%4.2f", point.effluxTime),
            cformat("%2.3f", point.calculatedViscosity),
            cformat("%2.2f", point.percentDiff),
            cformat("%2.1f", point.reynoldsNumber),
            point.newtonian ? "Yes" : "No"};
}

AbLabels abLabelsOf(const CellCalibration& cell) {
    return {cformat("%2.6f", cell.constantA), cformat("%2.6f", cell.constantB),
            cformat("%2.2f", cell.rmsPercentDiff)};
}

AbLabels abLabelsBeforeFit() {
    return {"0.00000000", "0.00000000", "0.00000000"};
}

AbLabels abLabelsCleared() {
    return {"0", "0", "0"};
}

std::string targetEffluxTimeText(const CellCalibration& cell) {
    return cformat("%2.2f", cell.targetEffluxTime);
}

VolumeLabels volumeLabelsOf(const CellCalibration& cell) {
    return {cformat("%2.4f", cell.capillaryRadius),
            cformat("%2.3f", shearRateInDisplayUnits(cell.workingShearRate)),
            cformat("%2.4f", cell.cellVolume), targetEffluxTimeText(cell)};
}

VolumeLabels volumeLabelsWithoutWeighings(const CellCalibration& cell) {
    VolumeLabels labels = volumeLabelsOf(cell);
    labels.volume = "0";
    labels.t0 = "0";
    return labels;
}

} // namespace rheo
