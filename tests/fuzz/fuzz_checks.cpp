// SPDX-License-Identifier: MIT
#include "fuzz_checks.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

namespace rheo::fuzz {
namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

void requireFinite(std::initializer_list<double> values, const char* what) {
    for (const double value : values)
        require(std::isfinite(value), what);
}

} // namespace

void checkCalibration(const CalibrationData& data) {
    for (int i = 0; i < kCellCount; ++i) {
        const CellCalibration& cell = data.cells[i];
        require(cell.cellNumber == i + 1, "cell number by position");
        requireFinite({cell.capillaryRadius, cell.capillaryLength, cell.constantA, cell.constantB,
                       cell.rmsPercentDiff, cell.cellVolume, cell.targetEffluxTime,
                       cell.workingShearRate, cell.minShearRate, cell.maxShearRate},
                      "finite cell field");
        for (const AbPoint& p : cell.abPoints)
            requireFinite({p.knownViscosity, p.effluxTime, p.pressure, p.calculatedViscosity,
                           p.percentDiff, p.reynoldsNumber},
                          "finite A/B point");
        for (const VolumePoint& p : cell.volumePoints)
            requireFinite({p.tareWeight, p.fullWeight, p.density, p.effluxTimeT0, p.volume},
                          "finite weighing");
    }
    for (const ViscosityStandard& standard : data.standards)
        requireFinite({standard.viscosity}, "finite standard");
}

void checkResult(const TestResult& result) {
    requireFinite({result.viscosity, result.shearRate, result.reynoldsNumber, result.pressure,
                   result.effluxTime},
                  "finite result");
    require(!result.sampleId.empty() && result.sampleId.size() <= 19, "sample id length");
    require(result.sampleId.find(',') == std::string::npos, "no comma in a sample id");
}

void checkSameText(std::string_view actual, std::string_view expected, const char* what) {
    require(actual == expected, what);
}

} // namespace rheo::fuzz
