// SPDX-License-Identifier: MIT
#include "core/runs/run_calculation.hpp"

#include "core/model/formulas.hpp"
#include "core/model/units.hpp"
#include "core/text/c_format.hpp"
#include "core/text/number_text.hpp"
#include "core/text/program_texts.hpp"

#include <type_traits>
#include <utility>

namespace rheo {
namespace {

// The suggested re-run pressure lies this much above the target pressure.
constexpr double kSuggestedPressureMargin = 1.0075;
constexpr double kNormalBandLimit = 500;  // psi
constexpr double kWarningBandLimit = 600; // psi, the maximum operating pressure
constexpr std::size_t kSampleIdLength = 17;

// Month, day, hour and minute always take two digits.
std::string twoDigits(int value) {
    // "0%d" below 10, else "%d"
    return value < 10 ? "0" + formatInteger(value) : formatInteger(value);
}

} // namespace

PressureBand ClassifyPressure(double pressure) {
    // Written so that a pressure that is no number falls into the over-limit band, the
    // one whose message names no pressure.
    if (pressure <= kNormalBandLimit)
        return PressureBand::Normal;
    if (pressure <= kWarningBandLimit)
        return PressureBand::Warning;
    return PressureBand::OverLimit;
}

double TargetPressure(const CellCalibration& cell, double viscosity) {
    return formulas::targetPressureOf(cell.constantA, cell.constantB, cell.targetEffluxTime,
                                      viscosity);
}

RunOutcome ComputeRun(const CellCalibration& cell, int cellIndex, const RunInput& input,
                      const LocalDateTime& now) {
    MissingFields missing = missingFieldsOf(cell);
    if (!missing.empty())
        return RunNotCalibrated{std::move(missing)};

    const double windowLow = shearRateInDisplayUnits(cell.minShearRate);
    const double windowHigh = shearRateInDisplayUnits(cell.maxShearRate);

    const double rawViscosity =
        formulas::viscosity(cell.constantA, cell.constantB, input.pressure, input.effluxTime);
    double viscosity = rawViscosity;
    if (!input.newtonian)
        viscosity =
            formulas::nonNewtonianCorrection(rawViscosity, input.effluxTime, cell.targetEffluxTime);

    const double shearRate = shearRateInDisplayUnits(
        formulas::shearRate(cell.cellVolume, cell.capillaryRadius, input.effluxTime));

    // Both bounds are inclusive; a shear rate that is no number fails both comparisons.
    if (!(windowLow <= shearRate && shearRate <= windowHigh)) {
        // The uncorrected viscosity, also for a run that is not Newtonian.
        const double suggested = TargetPressure(cell, rawViscosity) * kSuggestedPressureMargin;
        return RunOutsideWindow{windowLow, windowHigh, suggested, ClassifyPressure(suggested)};
    }

    // A viscosity that is not positive is stored as 0 with a Reynolds number of 0. One that
    // is no number at all (a negative T0 in the correction) is treated the same way, so that
    // the list and the results file never hold "nan".
    double reynolds = 0.0;
    if (!(viscosity > 0.0)) {
        viscosity = 0.0;
    } else {
        reynolds = formulas::reynoldsNumber(cell.cellVolume, cell.capillaryRadius, input.effluxTime,
                                            viscosity);
        if (!(reynolds >= 0.0))
            reynolds = 0.0;
    }

    TestResult result;
    result.sampleId = sampleIdForResult(input.sampleId);
    result.cellNumber = cellIndex + 1;
    result.viscosity = viscosity;
    result.shearRate = shearRate;
    result.reynoldsNumber = reynolds;
    result.newtonian = input.newtonian;
    result.pressure = input.pressure;
    result.effluxTime = input.effluxTime;
    result.dateTime = now;
    return RunAccepted{std::move(result)};
}

std::optional<std::string> rerunPressureText(const RunOutsideWindow& outcome) {
    if (outcome.band == PressureBand::OverLimit)
        return std::nullopt;
    return formatFixed(outcome.suggestedPressure, 2, 2);
}

std::string refusalMessage(const RunOutcome& outcome) {
    return std::visit(
        [](const auto& o) -> std::string {
            using Kind = std::decay_t<decltype(o)>;
            if constexpr (std::is_same_v<Kind, RunNotCalibrated>) {
                return notCalibratedMessage(o.missing);
            } else if constexpr (std::is_same_v<Kind, RunOutsideWindow>) {
                switch (o.band) {
                case PressureBand::Normal:
                    return cformat(run_texts::kOutsideWindow, o.windowLow, o.windowHigh,
                                   rerunPressureText(o)->c_str());
                case PressureBand::Warning:
                    return cformat(run_texts::kOutsideWindowWarning, o.windowLow, o.windowHigh,
                                   rerunPressureText(o)->c_str());
                case PressureBand::OverLimit:
                    break;
                }
                return cformat(run_texts::kOutsideWindowOverLimit, o.windowLow, o.windowHigh);
            } else {
                return std::string();
            }
        },
        outcome);
}

std::string sampleIdForResult(const std::string& typed) {
    // The results file separates its fields with commas and its rows with line breaks;
    // either inside an ID would shift or split the row when it is read back.
    std::string id = typed.substr(0, kSampleIdLength);
    for (char& c : id) {
        if (c == ',')
            c = ';';
        else if (c == '\r' || c == '\n')
            c = ' ';
    }
    if (id.empty() || id == " ")
        return file_texts::kEmptySampleId;
    return id;
}

const ColumnTable<TestResult, kResultColumnCount>& resultColumns() {
    // "mPs*s" is what the report has always printed under the viscosity.
    static constexpr auto columns = std::to_array<Column<TestResult>>({
        {"Sample ID",
         1.4,
         "sampleId",
         JsonKind::Text,
         [](const TestResult& r) { return r.sampleId; },
         {0, 70, "Sample ID Name"}},
        {"Cell #",
         1.1,
         "cell",
         JsonKind::Number,
         [](const TestResult& r) { return formatInteger(r.cellNumber); },
         {1, 152, "Cell #"}},
        {"Calc Viscosity (mPa*s)",
         0.8,
         "viscosity",
         JsonKind::Number,
         [](const TestResult& r) { return formatFixed(r.viscosity, 2, 3); },
         {2, 234, "Calc Viscosity", "mPs*s"}},
        {"Shear Rate (10e6 1/s)",
         0.85,
         "shearRate",
         JsonKind::Number,
         [](const TestResult& r) { return formatFixed(r.shearRate, 2, 3); },
         {3, 316, "Shear Rate", "1x10e6 1/sec"}},
        {"Reynolds #",
         0.9,
         "reynoldsNumber",
         JsonKind::Number,
         [](const TestResult& r) { return formatFixed(r.reynoldsNumber, 2, 1); },
         {4, 398, "Reynolds #"}},
        {"Newtonian",
         0.95,
         "newtonian",
         JsonKind::YesNo,
         [](const TestResult& r) { return std::string(r.newtonian ? "Yes" : "No"); },
         {5, 480, "Newtonian"}},
        {"Pressure",
         1.0,
         "pressure",
         JsonKind::Number,
         [](const TestResult& r) { return formatFixed(r.pressure, 2, 1); },
         {6, 562, "Pressure", "psi"}},
        {"Efflux Time",
         0.95,
         "effluxTime",
         JsonKind::Number,
         [](const TestResult& r) { return formatFixed(r.effluxTime, 4, 2); },
         {7, 634, "Efflux Time", "sec"}},
        {"Date & Time",
         1.56,
         "dateTime",
         JsonKind::Text,
         [](const TestResult& r) { return formatDisplayDateTime(r.dateTime); },
         {8, 726, "Date & Time"}},
    });
    static_assert(columns.size() == kResultColumnCount);
    return columns;
}

std::array<std::string, kResultColumnCount> FormatResultRow(const TestResult& result) {
    return rowTextsOf(resultColumns(), result);
}

std::string formatDisplayDateTime(const LocalDateTime& dateTime) {
    if (!dateTime.valid)
        return "invalid date";
    // "%s/%s/%d %s:%s"
    return twoDigits(dateTime.month) + '/' + twoDigits(dateTime.day) + '/' +
           formatInteger(dateTime.year) + ' ' + twoDigits(dateTime.hour) + ':' +
           twoDigits(dateTime.minute);
}

} // namespace rheo
