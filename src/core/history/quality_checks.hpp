// SPDX-License-Identifier: MIT
#pragma once
// The two judgements the history makes of an accepted run: a reference-oil check (the sample
// ID names a standard, so the run measures how far the cell has drifted from it) and the
// calibration-range guard (a viscosity outside the standards that fitted the cell's A and B
// is an extrapolation, which a capillary method does not allow).

#include "core/model/model.hpp"
#include "core/seams/history.hpp"

#include <optional>
#include <string>
#include <vector>

namespace rheo {

// The tolerance of a reference check when the settings hold none, in %.
inline constexpr double kDefaultCheckTolerance = 2.0;

// The standard the sample ID names, compared without letter case and blanks, with the
// run's deviation from its known viscosity; nothing when the ID names no standard (or one
// of no viscosity, which nothing can be measured against).
std::optional<ReferenceCheck> findReferenceCheck(const std::vector<ViscosityStandard>& standards,
                                                 const std::string& sampleId, double viscosity);

// True when the deviation lies beyond the tolerance (both in %) either way.
bool beyondTolerance(const ReferenceCheck& check, double tolerancePercent);

// The lowest and highest known viscosity of the cell's A/B points.
struct ViscositySpan {
    double low = 0.0;
    double high = 0.0;
};
std::optional<ViscositySpan> calibrationSpan(const CellCalibration& cell);

// True when the cell has A/B points and the viscosity lies outside their span.
bool isExtrapolation(const CellCalibration& cell, double viscosity);

// What the list and the status bar mark on an accepted run.
struct RunMarks {
    std::optional<ReferenceCheck> check;
    bool checkBeyondTolerance = false;
    bool extrapolated = false;

    bool any() const { return checkBeyondTolerance || extrapolated; }
    bool operator==(const RunMarks&) const = default;
};

// The marks of an accepted result, judged against the calibration it was computed with.
RunMarks judgeRun(const CalibrationData& calibration, const TestResult& result,
                  double tolerancePercent);

// The operator's note on a marked run: one sentence per mark, empty when nothing is marked.
std::string runMarksNote(const RunMarks& marks, const CalibrationData& calibration,
                         const TestResult& result, double tolerancePercent);

// Every cell as the calibration holds it, for the record of a save.
std::vector<CalibratedCell> calibratedCells(const CalibrationData& calibration);

} // namespace rheo
