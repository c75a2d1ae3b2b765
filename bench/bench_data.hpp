// SPDX-License-Identifier: MIT
#pragma once
// The data the benchmarks work on: a calibrated cell, many results, points and standards with
// values spread as a laboratory's are, and dialogs that answer without a person.

#include "core/model/model.hpp"
#include "core/seams/user_dialogs.hpp"

#include <cstddef>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace rheo::bench {

inline CellCalibration exampleCell() {
    CellCalibration cell;
    cell.constantA = 0.0025;
    cell.constantB = 9;
    cell.targetEffluxTime = 18;
    cell.cellVolume = 6;
    cell.capillaryRadius = 0.075;
    cell.capillaryLength = 15;
    cell.rmsPercentDiff = 0.5;
    cell.workingShearRate = 1.1e6;
    cell.minShearRate = 1.0e6;
    cell.maxShearRate = 1.2e6;
    return cell;
}

inline std::vector<TestResult> manyResults(std::size_t count) {
    std::mt19937 random(1);
    std::uniform_real_distribution<double> spread(0.0, 1.0);
    std::vector<TestResult> results(count);
    for (std::size_t i = 0; i < count; ++i) {
        TestResult& r = results[i];
        r.sampleId = "SAMPLE-" + std::to_string(i % 100000);
        r.cellNumber = static_cast<int>(i % 5) + 1;
        r.viscosity = 2.5 + 12.0 * spread(random);
        r.shearRate = 0.9 + 0.4 * spread(random);
        r.reynoldsNumber = 80.0 + 200.0 * spread(random);
        r.newtonian = i % 3 != 0;
        r.pressure = 150.0 + 300.0 * spread(random);
        r.effluxTime = 14.0 + 8.0 * spread(random);
        r.dateTime = makeLocalDateTime(2020 + static_cast<int>(i % 7), 1 + static_cast<int>(i % 12),
                                       1 + static_cast<int>(i % 28), static_cast<int>(i % 24),
                                       static_cast<int>(i % 60));
    }
    return results;
}

inline std::vector<AbPoint> manyAbPoints(std::size_t count) {
    std::vector<AbPoint> points(count);
    for (std::size_t i = 0; i < count; ++i) {
        AbPoint& p = points[i];
        p.knownViscosity = 7.0 + static_cast<double>(i % 10) * 0.3;
        p.pressure = 150.0 + static_cast<double>(i % 7) * 20.0;
        p.effluxTime = 16.0 + static_cast<double>(i % 5) * 0.5;
        p.newtonian = i % 2 == 0;
        p.standardName = "Std" + std::to_string(i % 40);
    }
    return points;
}

// Few distinct viscosities, so that ties are many.
inline std::vector<ViscosityStandard> manyStandards(std::size_t count) {
    std::mt19937 random(2);
    std::vector<ViscosityStandard> standards(count);
    for (std::size_t i = 0; i < count; ++i)
        standards[i] = {"S" + std::to_string(i), 0.5 + static_cast<double>(random() % 400) * 0.1};
    return standards;
}

// Five calibrated cells with `pointsPerCell` A/B points and as many weighings each, and 100
// standards.
inline CalibrationData largeCalibration(std::size_t pointsPerCell) {
    CalibrationData data;
    data.companyName = "Laboratory";
    data.serialNumber = "SN-1";
    for (CellCalibration& cell : data.cells) {
        const int number = cell.cellNumber;
        cell = exampleCell();
        cell.cellNumber = number;
        cell.abPoints = manyAbPoints(pointsPerCell);
        cell.volumePoints.resize(pointsPerCell);
        for (std::size_t i = 0; i < pointsPerCell; ++i)
            cell.volumePoints[i] = {10.0 + static_cast<double>(i % 9) * 0.01, 16.0, 0.8, 18.1, 6.0};
    }
    data.standards = manyStandards(100);
    return data;
}

// Chooses the paths it is given and answers every question Yes.
class SilentDialogs : public UserDialogs {
public:
    std::optional<std::string> path;

    std::optional<std::string> chooseFileToOpen(const FileDialogRequest&) override { return path; }
    std::optional<std::string> chooseFileToSave(const FileDialogRequest&) override { return path; }
    void inform(const std::string&) override {}
    bool ask(const std::string&) override { return true; }
};

} // namespace rheo::bench
