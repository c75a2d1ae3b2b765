#pragma once
// The texts of a weighing and of a standard-oil run as the volume and A/B dialogs list them,
// and the A/B dialog's value labels. The dialogs, rheo-cli and the calibration report
// (weighings) share them.

#include "core/model/model.hpp"

#include <array>
#include <string>

namespace rheo {

// A row of the weighings list: tare, full, difference, density, T0, volume.
std::array<std::string, 6> volumePointRow(const VolumePoint& point);

// A row of the standard-oil runs list: name, known viscosity, pressure, efflux time,
// calculated viscosity, % difference, Reynolds number, "Yes"/"No".
std::array<std::string, 8> abPointRow(const AbPoint& point);

// The A, B and RMS labels of the A/B dialog.
struct AbLabels {
    std::string a;
    std::string b;
    std::string rms;
};

// As the dialog shows the stored values when it opens or after a fit.
AbLabels abLabelsOf(const CellCalibration& cell);
// As the dialog shows them after an Add that left fewer than 3 points (no fit yet).
AbLabels abLabelsBeforeFit();

} // namespace rheo
