// SPDX-License-Identifier: MIT
#pragma once
// The formulas of the viscometer, each in one place. Every one is evaluated in double
// precision in the order written: the order fixes the last digits of printed results.

namespace rheo::formulas {

// pi as it enters the shear-rate and Reynolds-number formulas (this literal, on purpose).
inline constexpr double kShortPi = 3.14159265359;
// pi as it enters the T0 formula: the full double-precision value.
inline constexpr double kFullPi = 3.141592653589793;

// Viscosity in mPa*s: eta = A * P * T - B / T, computed as ((A * T) * P) - (B / T).
inline double viscosity(double a, double b, double pressure, double effluxTime) {
    return ((a * effluxTime) * pressure) - (b / effluxTime);
}

// The non-Newtonian correction: eta * (T / T0)^(-0.1).
double nonNewtonianCorrection(double eta, double effluxTime, double targetEffluxTime);

// Wall shear rate in 1/s: (V * 4000) / (r * T * r * r * pi).
inline double shearRate(double volume, double radius, double effluxTime) {
    return (volume * 4000) / (radius * effluxTime * radius * radius * kShortPi);
}

// Reynolds number: u = ((V * 1000) / (r * r * pi)) / T * 0.001, Re = u * r * 1600 / eta.
inline double reynoldsNumber(double volume, double radius, double effluxTime, double eta) {
    const double u = ((volume * 1000) / (radius * radius * kShortPi)) / effluxTime * 0.001;
    return u * radius * 1600 / eta;
}

// The pressure at which a sample of viscosity eta runs in exactly T0: (B / T0 + eta) / (T0 * A).
inline double targetPressureOf(double a, double b, double targetEffluxTime, double eta) {
    return (b / targetEffluxTime + eta) / (targetEffluxTime * a);
}

// Volume of one weighing in ml: (full - tare) / density.
inline double weighingVolume(double tareWeight, double fullWeight, double density) {
    return (fullWeight - tareWeight) / density;
}

// T0 in s of a volume V through radius r at working shear rate W (1/s):
// (V * 4000) / (r * r * r * W * pi), denominator multiplied in that order.
inline double targetEffluxTime(double volume, double radius, double workingShearRate) {
    return (volume * 4000) / (radius * radius * radius * workingShearRate * kFullPi);
}

} // namespace rheo::formulas
