// SPDX-License-Identifier: MIT
#include "core/model/field_rules.hpp"

#include "core/text/program_texts.hpp"
#include "core/text/words.hpp"

#include <cmath>

namespace rheo {
namespace {

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
        return {0, false, 3600, false, field_texts::kEffluxTime};
    case NumberField::RunPressure:
    case NumberField::AbPressure:
        return {0, false, 600, false, field_texts::kPressure};
    case NumberField::EstimatedViscosity:
        return {0, false, 40, false, field_texts::kEstimatedViscosity};
    case NumberField::KnownViscosity:
        return {0, false, 40, false, field_texts::kKnownViscosity};
    case NumberField::TareWeight:
        return {0, false, 100, false, field_texts::kTareWeight};
    case NumberField::FullWeight:
        return {0, false, 100, false, field_texts::kFullWeight};
    case NumberField::Density:
        return {0.01, false, 10, false, field_texts::kDensity};
    case NumberField::CapillaryLength:
        return {0, true, 100, false, field_texts::kCapillaryLength};
    case NumberField::CapillaryDiameter:
        return {0, true, 1, false, field_texts::kCapillaryDiameter};
    case NumberField::MaxShearRate:
        return {0, true, 2, false, field_texts::kMaxShearRate};
    case NumberField::MinShearRate:
        return {0, true, 2, false, field_texts::kMinShearRate};
    case NumberField::WorkingShearRate:
        return {0, true, 2, false, field_texts::kWorkingShearRate};
    case NumberField::OperatingTemperature:
        return {40, true, 150, true, field_texts::kOperatingTemperature};
    case NumberField::EquilibriumTimerMinutes:
        return {1, true, 30, true, field_texts::kEquilibriumTimerMinutes};
    case NumberField::StandardViscosity:
        return {0, false, 40, false, field_texts::kStandardViscosity};
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
