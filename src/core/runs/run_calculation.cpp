#include "core/runs/run_calculation.hpp"

#include "core/model/formulas.hpp"
#include "core/model/units.hpp"
#include "core/text/c_format.hpp"
#include "core/text/number_text.hpp"

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
    return formulas::targetPressure(cell.constantA, cell.constantB, cell.targetEffluxTime,
                                    viscosity);
}

RunOutcome ComputeRun(const CellCalibration& cell, int cellIndex, const RunInput& input,
                      const LocalDateTime& now) {
    MissingFields missing = missingFields(cell);
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
                    return cformat("Sample Run did not fall within\nShearRateMin %2.3f and "
                                   "ShearRateMax %2.3f.\nRun the sample again at %s psi.",
                                   o.windowLow, o.windowHigh, rerunPressureText(o)->c_str());
                case PressureBand::Warning:
                    return cformat("Sample Run did not fall within\nShearRateMin %2.3f and "
                                   "ShearRateMax %2.3f.\nRun the sample again at %s "
                                   "psi.\nWarning: pressures above 500 psi are not recommended",
                                   o.windowLow, o.windowHigh, rerunPressureText(o)->c_str());
                case PressureBand::OverLimit:
                    break;
                }
                return cformat("Sample Run did not fall within\nShearRateMin %2.3f and "
                               "ShearRateMax %2.3f.\nTo fall within the min and max shear rate "
                               "you would have to run at a pressure higher than 600 psi, which "
                               "is the max operating pressure.",
                               o.windowLow, o.windowHigh);
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
        return "NO_ID";
    return id;
}

std::array<std::string, 9> FormatResultRow(const TestResult& result) {
    return {
        result.sampleId,
        formatInteger(result.cellNumber),
        formatFixed(result.viscosity, 2, 3),
        formatFixed(result.shearRate, 2, 3),
        formatFixed(result.reynoldsNumber, 2, 1),
        result.newtonian ? "Yes" : "No",
        formatFixed(result.pressure, 2, 1),
        formatFixed(result.effluxTime, 4, 2),
        formatDisplayDateTime(result.dateTime),
    };
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
