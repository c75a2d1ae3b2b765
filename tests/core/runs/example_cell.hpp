#pragma once
// The calibrated cell of the worked examples: A = 0.0025, B = 9, T0 = 18 s, V = 6 ml,
// r = 0.075 mm, shear-rate window 1.000 to 1.200 (x 1e6 1/s).

#include "core/calibration/model.hpp"

namespace rheo::testing {

inline CellCalibration exampleCell() {
    CellCalibration cell;
    cell.cellNumber = 1;
    cell.constantA = 0.0025;
    cell.constantB = 9;
    cell.targetEffluxTime = 18;
    cell.cellVolume = 6;
    cell.capillaryRadius = 0.075;
    cell.minShearRate = 1.0e6;
    cell.maxShearRate = 1.2e6;
    cell.workingShearRate = 1.1e6;
    cell.capillaryLength = 15;
    cell.rmsPercentDiff = 0.5;
    return cell;
}

} // namespace rheo::testing
