// SPDX-License-Identifier: MIT
#include "core/calibration/point_texts.hpp"

#include "core/model/units.hpp"
#include "core/text/number_text.hpp"

namespace rheo {

const ColumnTable<VolumePoint, kVolumeColumnCount>& volumePointColumns() {
    // The difference is computed for the row; the weighing does not hold it.
    static constexpr auto columns = std::to_array<Column<VolumePoint>>({
        {"Tare Weight (gm)",
         0.95,
         "tareWeight",
         JsonKind::Number,
         [](const VolumePoint& p) { return formatFixed(p.tareWeight, 2, 4); },
         {0, 55, "Tare Weight", "grams"}},
        {"Full Weight (gm)",
         0.95,
         "fullWeight",
         JsonKind::Number,
         [](const VolumePoint& p) { return formatFixed(p.fullWeight, 2, 4); },
         {1, 183, "Full Weight", "grams"}},
        {"Difference (gm)",
         0.95,
         "difference",
         JsonKind::Number,
         [](const VolumePoint& p) { return formatFixed(p.fullWeight - p.tareWeight, 2, 4); },
         {2, 316, "Difference", "grams"}},
        {"Density (gm/ml)",
         1,
         "density",
         JsonKind::Number,
         [](const VolumePoint& p) { return formatFixed(p.density, 2, 4); },
         {3, 449, "Density", "grams/ml"}},
        {"T0 (sec)",
         1.16,
         "t0",
         JsonKind::Number,
         [](const VolumePoint& p) { return formatFixed(p.effluxTimeT0, 2, 2); },
         {4, 582, "T0", "sec"}},
        {"Volume (ml)",
         1.05,
         "volume",
         JsonKind::Number,
         [](const VolumePoint& p) { return formatFixed(p.volume, 2, 4); },
         {5, 715, "Volume", "ml"}},
    });
    static_assert(columns.size() == kVolumeColumnCount);
    return columns;
}

const ColumnTable<AbPoint, kAbColumnCount>& abPointColumns() {
    // The report prints the efflux time before the pressure, with "%2.2f", and leaves out
    // whether the standard is Newtonian.
    static constexpr auto columns = std::to_array<Column<AbPoint>>({
        {"Std Name",
         1.5,
         "standardName",
         JsonKind::Text,
         [](const AbPoint& p) { return p.standardName; },
         {0, 50, "Std Name"}},
        {"Known Visc (mPa*s)",
         0.85,
         "knownViscosity",
         JsonKind::Number,
         [](const AbPoint& p) { return formatFixed(p.knownViscosity, 2, 3); },
         {1, 165, "Known Visc", "mPa*s"}},
        {"Pressure (psi)",
         0.95,
         "pressure",
         JsonKind::Number,
         [](const AbPoint& p) { return formatFixed(p.pressure, 2, 1); },
         {3, 395, "Pressure", "psi"}},
        {"Efflux Time (sec)",
         0.85,
         "effluxTime",
         JsonKind::Number,
         [](const AbPoint& p) { return formatFixed(p.effluxTime, 4, 2); },
         {2, 280, "Efflux Time", "sec"},
         [](const AbPoint& p) { return formatFixed(p.effluxTime, 2, 2); }},
        {"Calc Visc (mPa*s)",
         0.85,
         "calculatedViscosity",
         JsonKind::Number,
         [](const AbPoint& p) { return formatFixed(p.calculatedViscosity, 2, 3); },
         {4, 510, "Calc Viscosity", "mPa*s"}},
        {"% Diff",
         1.3,
         "percentDifference",
         JsonKind::Number,
         [](const AbPoint& p) { return formatFixed(p.percentDiff, 2, 2); },
         {5, 625, "% Difference"}},
        {"Reynolds #",
         1.1,
         "reynoldsNumber",
         JsonKind::Number,
         [](const AbPoint& p) { return formatFixed(p.reynoldsNumber, 2, 1); },
         {6, 740, "Reynolds #"}},
        {"Newtonian", 0.97, "newtonian", JsonKind::YesNo,
         [](const AbPoint& p) { return std::string(p.newtonian ? "Yes" : "No"); }},
    });
    static_assert(columns.size() == kAbColumnCount);
    return columns;
}

std::array<std::string, kVolumeColumnCount> volumePointRow(const VolumePoint& point) {
    return rowTextsOf(volumePointColumns(), point);
}

std::array<std::string, kAbColumnCount> abPointRow(const AbPoint& point) {
    return rowTextsOf(abPointColumns(), point);
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
