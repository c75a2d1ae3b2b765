// SPDX-License-Identifier: MIT
#pragma once
// One sample run turned into a result: the calibration check, viscosity, shear rate,
// Reynolds number and the shear-rate window with its suggested re-run pressure.

#include "core/model/column_table.hpp"
#include "core/model/model.hpp"

#include <array>
#include <optional>
#include <string>
#include <variant>

namespace rheo {

struct RunInput {
    std::string sampleId;
    double pressure = 0.0;   // psi
    double effluxTime = 0.0; // s
    bool newtonian = true;
};

// Normal up to 500 psi, warning above 500 up to 600, over limit above 600 (and for a
// pressure that is no number).
enum class PressureBand { Normal, Warning, OverLimit };

PressureBand ClassifyPressure(double pressure);

// The pressure at which a sample of viscosity eta runs in exactly the cell's T0.
// Only meaningful for a calibrated cell.
double TargetPressure(const CellCalibration& cell, double viscosity);

struct RunAccepted {
    TestResult result;
};
struct RunNotCalibrated {
    MissingFields missing;
};
struct RunOutsideWindow {
    double windowLow = 0.0;  // units of 1e6 1/s
    double windowHigh = 0.0; // units of 1e6 1/s
    double suggestedPressure = 0.0;
    PressureBand band = PressureBand::Normal;
};
using RunOutcome = std::variant<RunAccepted, RunNotCalibrated, RunOutsideWindow>;

// Pure: computes the outcome of a run in cell `cellIndex` (0..4) at the given time.
RunOutcome ComputeRun(const CellCalibration& cell, int cellIndex, const RunInput& input,
                      const LocalDateTime& now);

// The suggested re-run pressure as the refusal shows it ("%2.2f" psi); nothing above 600 psi,
// where the message names no pressure.
std::optional<std::string> rerunPressureText(const RunOutsideWindow& outcome);

// The message the operator sees for a refused run (empty for an accepted one).
std::string refusalMessage(const RunOutcome& outcome);

// The sample ID as an accepted run stores it: its first 17 characters with every comma
// replaced by ";" and every line break by a blank (so the results file keeps its fields and
// rows), "NO_ID" when that is empty or one blank.
std::string sampleIdForResult(const std::string& typed);

inline constexpr std::size_t kResultColumnCount = 9;

// The columns of the results list, which the test data report prints as well.
const ColumnTable<TestResult, kResultColumnCount>& resultColumns();

// The texts of a results-list row, in column order.
std::array<std::string, kResultColumnCount> FormatResultRow(const TestResult& result);

// "MM/DD/YYYY HH:MM" as the list and the reports show a date and time; "invalid date" for a
// value that names no calendar date (read from a results file).
std::string formatDisplayDateTime(const LocalDateTime& dateTime);

} // namespace rheo
