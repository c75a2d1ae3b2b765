// SPDX-License-Identifier: MIT
#pragma once
// Shear rates are held in 1/s and shown, filed and printed in units of 1e6 1/s. These two
// conversions are the only place where that factor is written.

namespace rheo {

// A held shear rate (1/s) in the units the operator sees (1e6 1/s).
inline double shearRateInDisplayUnits(double perSecond) {
    return perSecond * 1e-6;
}

// A shear rate typed or filed in units of 1e6 1/s, as held (1/s).
inline double shearRateFromDisplayUnits(double displayed) {
    return displayed * 1000000;
}

} // namespace rheo
