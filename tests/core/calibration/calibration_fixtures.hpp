#pragma once
// Cells of the worked examples, shared by the calibration tests.

#include "core/calibration/model.hpp"

#include <string>
#include <vector>

namespace rheo::testing {

// A = 0.0025, B = 9, T0 = 18 s and every other required value present.
inline CellCalibration calibratedCell() {
    CellCalibration cell;
    cell.workingShearRate = 1.4e6;
    cell.minShearRate = 1.0e6;
    cell.maxShearRate = 1.2e6;
    cell.capillaryRadius = 0.075;
    cell.capillaryLength = 15;
    cell.constantA = 0.0025;
    cell.constantB = 9;
    cell.rmsPercentDiff = 0.5;
    cell.cellVolume = 6;
    cell.targetEffluxTime = 18;
    return cell;
}

// V = 6 ml, r = 0.075 mm, T0 = 18 s: ready for A/B points.
inline CellCalibration abReadyCell() {
    CellCalibration cell;
    cell.cellVolume = 6;
    cell.capillaryRadius = 0.075;
    cell.targetEffluxTime = 18;
    return cell;
}

struct AbInput {
    double known;
    double pressure;
    double effluxTime;
};

// The four standards of the worked fit: (known viscosity, pressure, efflux time).
inline const std::vector<AbInput> kFourStandards = {
    {7.0, 150, 20.0}, {8.6, 200, 18.0}, {9.4, 250, 16.0}, {10.7, 300, 15.0}};

// Points lying exactly on A = 0.0025, B = 9.
inline const std::vector<AbInput> kExactStandards = {
    {7.05, 150, 20}, {8.5, 200, 18}, {9.4375, 250, 16}, {10.65, 300, 15}};

} // namespace rheo::testing
