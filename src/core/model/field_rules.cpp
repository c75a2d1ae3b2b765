#include "core/model/field_rules.hpp"

#include "core/text/words.hpp"

#include <cmath>

namespace rheo {
namespace {

constexpr std::string_view kEffluxTimeMessage =
    "Enter a non zero and non negative value for the Efflux Time.\nValues above 60 minutes "
    "are also not appropriate.";
constexpr std::string_view kPressureMessage =
    "Enter a non zero and non negative value for the Pressure.\nPressures above 600 PSI are "
    "also inappropriate.";

struct FieldRule {
    double low;
    bool lowIncluded;
    double high; // always included
    bool wholeNumber;
    std::string_view message;
};

FieldRule ruleOf(NumberField field) {
    switch (field) {
    case NumberField::RunEffluxTime:
    case NumberField::AbEffluxTime:
        return {0, false, 3600, false, kEffluxTimeMessage};
    case NumberField::RunPressure:
    case NumberField::AbPressure:
        return {0, false, 600, false, kPressureMessage};
    case NumberField::EstimatedViscosity:
        return {0, false, 40, false,
                "Enter a non zero and non negative value for the Estimated Viscosity.\nValues "
                "above 40 mPa*s are also not appropriate."};
    case NumberField::KnownViscosity:
        return {0, false, 40, false,
                "Enter a non zero and non negative value below 40 mPa*s for the Known "
                "Viscosity."};
    case NumberField::TareWeight:
        return {0, false, 100, false,
                "Please enter a non zero and non negative number for the tare weight.\nValues "
                "above 100 grams are also inappropriate."};
    case NumberField::FullWeight:
        return {0, false, 100, false,
                "Please enter a non zero and non negative number for the full weight.\nValues "
                "above 100 grams are also inappropriate."};
    case NumberField::Density:
        return {0.01, false, 10, false, "Please enter a value between 0.01 and 10 grams/ml."};
    case NumberField::CapillaryLength:
        return {0, true, 100, false,
                "Please enter a non negative Capillary Length.\nValues above 100 mm are also "
                "inappropriate."};
    case NumberField::CapillaryDiameter:
        return {0, true, 1, false,
                "Please enter a non negative value below 1 mm for the Capillary Diameter."};
    case NumberField::MaxShearRate:
        return {0, true, 2, false,
                "Please enter a Maximum Allowable Shear Rate between 0 and 2 (1x10e6 1/sec)."};
    case NumberField::MinShearRate:
        return {0, true, 2, false,
                "Please enter a Minimum Allowable Shear Rate between 0 and 2 (1x10e6 1/sec)."};
    case NumberField::WorkingShearRate:
        return {0, true, 2, false,
                "Please enter a Working Shear Rate between 0 and 2 (1x10e6 1/sec)."};
    case NumberField::OperatingTemperature:
        return {40, true, 150, true,
                "Please enter an operating temperature between 40 and 150 degrees celcius."};
    case NumberField::EquilibriumTimerMinutes:
        return {1, true, 30, true,
                "Please enter a temperature equilibrium timer duration between 1 and 30 "
                "minutes."};
    case NumberField::StandardViscosity:
        return {0, false, 40, false, "Enter a non-zero, non-negative viscosity below 40 mPa*s"};
    }
    // Not reached for a valid enumerator; a stray value accepts nothing.
    return {1, false, 0, false, ""};
}

} // namespace

std::string_view fieldMessage(NumberField field) {
    return ruleOf(field).message;
}

bool fieldAccepts(NumberField field, double value) {
    const FieldRule rule = ruleOf(field);
    // Written so that every comparison with NaN refuses.
    const bool aboveLow = rule.lowIncluded ? value >= rule.low : value > rule.low;
    if (!aboveLow || !(value <= rule.high))
        return false;
    return !rule.wholeNumber || std::trunc(value) == value;
}

double highestAccepted(NumberField field) {
    return ruleOf(field).high;
}

std::optional<std::string> fieldRefusal(NumberField field, double value) {
    if (fieldAccepts(field, value))
        return std::nullopt;
    return std::string(fieldMessage(field));
}

std::string cleanAbStandardName(std::string_view typed) {
    std::string name = withoutWhiteSpace(typed);
    if (name.size() > kAbStandardNameLength)
        name.resize(kAbStandardNameLength);
    return name;
}

} // namespace rheo
