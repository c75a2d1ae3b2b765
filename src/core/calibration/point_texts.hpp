// SPDX-License-Identifier: MIT
#pragma once
// The columns of the weighings and standard-oil runs lists of the volume and A/B dialogs,
// and the value labels of both dialogs. The dialogs, rheo-cli and the calibration report
// share them.

#include "core/model/column_table.hpp"
#include "core/model/model.hpp"

#include <array>
#include <string>

namespace rheo {

inline constexpr std::size_t kVolumeColumnCount = 6;
inline constexpr std::size_t kAbColumnCount = 8;

// The weighings list: tare, full, difference, density, T0, volume.
const ColumnTable<VolumePoint, kVolumeColumnCount>& volumePointColumns();
// The standard-oil runs list: name, known viscosity, pressure, efflux time, calculated
// viscosity, % difference, Reynolds number, "Yes"/"No".
const ColumnTable<AbPoint, kAbColumnCount>& abPointColumns();

std::array<std::string, kVolumeColumnCount> volumePointRow(const VolumePoint& point);
std::array<std::string, kAbColumnCount> abPointRow(const AbPoint& point);

// The A, B and RMS labels of the A/B dialog.
struct AbLabels {
    std::string a;
    std::string b;
    std::string rms;
};

// As the dialog shows the stored values when it opens or after a fit.
AbLabels abLabelsOf(const CellCalibration& cell);
// As the dialog shows them after an Add or a Delete that left fewer than 3 points (no fit).
AbLabels abLabelsBeforeFit();
// As the dialog shows them after Delete All.
AbLabels abLabelsCleared();

// The cell's target efflux time T0 as both dialogs show it under their lists.
std::string targetEffluxTimeText(const CellCalibration& cell);

// The value labels of the volume dialog: what the calculation needs from the cell and the
// means it gives.
struct VolumeLabels {
    std::string radius;    // capillary radius, mm
    std::string shearRate; // working shear rate, in units of 1e6 1/s
    std::string volume;    // average volume, ml
    std::string t0;        // average target efflux time, s
};

// As the dialog shows the stored values when it opens, on a change of cell and after an Add
// or a Delete that left weighings.
VolumeLabels volumeLabelsOf(const CellCalibration& cell);
// After Delete All, or a Delete that left no weighing: the volume and T0 read "0".
VolumeLabels volumeLabelsWithoutWeighings(const CellCalibration& cell);

} // namespace rheo
