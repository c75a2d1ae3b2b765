// SPDX-License-Identifier: MIT
#include "core/history/quality_checks.hpp"

#include "core/text/c_format.hpp"
#include "core/text/program_texts.hpp"

#include <algorithm>
#include <cmath>

namespace rheo {
namespace {

// A name as the check compares it: blanks left out, letters in lower case.
std::string comparable(const std::string& name) {
    std::string out;
    out.reserve(name.size());
    for (char c : name) {
        if (c == ' ' || c == '\t')
            continue;
        out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}

} // namespace

std::optional<ReferenceCheck> findReferenceCheck(const std::vector<ViscosityStandard>& standards,
                                                 const std::string& sampleId, double viscosity) {
    const std::string id = comparable(sampleId);
    if (id.empty())
        return std::nullopt;
    for (const ViscosityStandard& standard : standards) {
        if (comparable(standard.name) != id || !(standard.viscosity > 0.0))
            continue;
        const double deviation = (viscosity - standard.viscosity) / standard.viscosity * 100.0;
        return ReferenceCheck{standard.name, standard.viscosity, deviation};
    }
    return std::nullopt;
}

bool beyondTolerance(const ReferenceCheck& check, double tolerancePercent) {
    return std::fabs(check.deviationPercent) > tolerancePercent;
}

std::optional<ViscositySpan> calibrationSpan(const CellCalibration& cell) {
    if (cell.abPoints.empty())
        return std::nullopt;
    const auto [low, high] = std::minmax_element(
        cell.abPoints.begin(), cell.abPoints.end(),
        [](const AbPoint& a, const AbPoint& b) { return a.knownViscosity < b.knownViscosity; });
    return ViscositySpan{low->knownViscosity, high->knownViscosity};
}

bool isExtrapolation(const CellCalibration& cell, double viscosity) {
    const auto span = calibrationSpan(cell);
    return span && (viscosity < span->low || viscosity > span->high);
}

RunMarks judgeRun(const CalibrationData& calibration, const TestResult& result,
                  double tolerancePercent) {
    RunMarks marks;
    marks.check = findReferenceCheck(calibration.standards, result.sampleId, result.viscosity);
    marks.checkBeyondTolerance = marks.check && beyondTolerance(*marks.check, tolerancePercent);
    const int index = result.cellNumber - 1;
    if (index >= 0 && index < kCellCount)
        marks.extrapolated =
            isExtrapolation(calibration.cells[static_cast<std::size_t>(index)], result.viscosity);
    return marks;
}

std::string runMarksNote(const RunMarks& marks, const CalibrationData& calibration,
                         const TestResult& result, double tolerancePercent) {
    std::string note;
    if (marks.checkBeyondTolerance)
        note =
            cformat(history_texts::kCheckBeyondTolerance, marks.check->standardName.c_str(),
                    marks.check->deviationPercent, marks.check->knownViscosity, tolerancePercent);
    const int index = result.cellNumber - 1;
    if (marks.extrapolated && index >= 0 && index < kCellCount) {
        const auto span = calibrationSpan(calibration.cells[static_cast<std::size_t>(index)]);
        if (!note.empty())
            note += ' ';
        note += cformat(history_texts::kExtrapolated, result.viscosity, result.cellNumber,
                        span->low, span->high);
    }
    return note;
}

std::vector<CalibratedCell> calibratedCells(const CalibrationData& calibration) {
    std::vector<CalibratedCell> cells;
    for (std::size_t index = 0; index < calibration.cells.size(); ++index) {
        const CellCalibration& cell = calibration.cells[index];
        CalibratedCell out;
        out.cellNumber = static_cast<int>(index) + 1; // a file may hold any number there
        out.constantA = cell.constantA;
        out.constantB = cell.constantB;
        out.rmsPercentDiff = cell.rmsPercentDiff;
        out.cellVolume = cell.cellVolume;
        out.targetEffluxTime = cell.targetEffluxTime;
        out.workingShearRate = cell.workingShearRate;
        out.minShearRate = cell.minShearRate;
        out.maxShearRate = cell.maxShearRate;
        out.capillaryRadius = cell.capillaryRadius;
        out.capillaryLength = cell.capillaryLength;
        out.abPointCount = static_cast<int>(cell.abPoints.size());
        out.volumePointCount = static_cast<int>(cell.volumePoints.size());
        for (const AbPoint& point : cell.abPoints)
            out.knownViscosities.push_back(point.knownViscosity);
        cells.push_back(std::move(out));
    }
    return cells;
}

} // namespace rheo
