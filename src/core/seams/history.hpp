// SPDX-License-Identifier: MIT
#pragma once
// Where the calibration history is kept. Every successful save of a calibration and every
// accepted run is recorded, so that an audit can ask what a cell's constants were on a given
// day, which reference oil checked them and which samples lay outside the oils that
// calibrated the cell. A database file beside the calibration stands behind it, or nothing
// at all (no history wanted, or a file that cannot be used), or a recording fake in tests.
//
// Nothing here is ever allowed to cost a run or a save: a record that cannot be written is
// answered with false, and the caller goes on.

#include "core/model/model.hpp"

#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace rheo {

// One cell as a calibration save left it.
struct CalibratedCell {
    int cellNumber = 1;
    double constantA = 0.0;
    double constantB = 0.0;
    double rmsPercentDiff = 0.0;
    double cellVolume = 0.0;       // ml
    double targetEffluxTime = 0.0; // s, T0
    double workingShearRate = 0.0; // 1/s
    double minShearRate = 0.0;     // 1/s
    double maxShearRate = 0.0;     // 1/s
    double capillaryRadius = 0.0;  // mm
    double capillaryLength = 0.0;  // mm
    int abPointCount = 0;
    int volumePointCount = 0;
    // The known viscosities of the standards that fitted A and B, in the order of the points.
    std::vector<double> knownViscosities;

    bool operator==(const CalibratedCell&) const = default;
};

// One successful save of a calibration file.
struct CalibrationRecord {
    LocalDateTime at;
    std::string user;
    std::string path;
    std::string sha256; // of the bytes saved, 64 lower-case hex digits
    std::vector<CalibratedCell> cells;

    bool operator==(const CalibrationRecord&) const = default;
};

// An accepted run whose sample ID names a standard: a check of its cell.
struct ReferenceCheck {
    std::string standardName;
    double knownViscosity = 0.0;   // mPa*s
    double deviationPercent = 0.0; // (measured - known) / known, in %

    bool operator==(const ReferenceCheck&) const = default;
};

// One accepted run with what the program knew of it when it was accepted.
struct RunRecord {
    std::string user;
    TestResult result; // the nine values; its dateTime is the time of the run
    // The SHA-256 of the calibration file last loaded or saved (empty when there was none),
    // and whether the calibration had been changed since.
    std::string calibrationSha256;
    bool calibrationUnsaved = false;
    std::optional<ReferenceCheck> check;
    bool extrapolated = false; // the viscosity lies outside the cell's standards

    bool operator==(const RunRecord&) const = default;
};

// One calibrated cell of a save, as the history lists it.
struct CalibrationEntry {
    LocalDateTime at;
    std::string user;
    std::string path;
    std::string sha256;
    CalibratedCell cell;
};

using HistoryEntry = std::variant<CalibrationEntry, RunRecord>;

// Which records a listing holds: all cells or one, everything or from a time on, every run
// or only the reference checks and extrapolations (what the History window plots).
struct HistoryQuery {
    std::optional<int> cellNumber;
    std::optional<LocalDateTime> since;
    bool notableRunsOnly = false;
};

// What a reference check of a cell is judged by.
struct CellCheckState {
    // When the cell got the constants it holds now (the earliest save since which A, B, the
    // volume and T0 are unchanged); nothing when no save ever calibrated it.
    std::optional<LocalDateTime> calibratedAt;
    // Its latest reference check, if any.
    std::optional<RunRecord> latestCheck;
};

class History {
public:
    virtual ~History() = default;

    // False when the record could not be written (the history is then left as it was).
    virtual bool recordCalibration(const CalibrationRecord& record) = 0;
    virtual bool recordRun(const RunRecord& record) = 0;

    // The records the query selects, oldest first, handed over one at a time so that a
    // listing of years never has to be held at once. False when the history could not be
    // read to its end.
    virtual bool forEach(const HistoryQuery& query,
                         const std::function<void(const HistoryEntry&)>& visit) = 0;
    // The state of cell `cellNumber` (1 to 5) for the reference check.
    virtual CellCheckState checkState(int cellNumber) = 0;
};

// No history: "--no-history", and what the program goes on with when the file cannot be used.
class NoHistory : public History {
public:
    bool recordCalibration(const CalibrationRecord&) override { return true; }
    bool recordRun(const RunRecord&) override { return true; }
    bool forEach(const HistoryQuery&, const std::function<void(const HistoryEntry&)>&) override {
        return true;
    }
    CellCheckState checkState(int) override { return {}; }
};

} // namespace rheo
