// SPDX-License-Identifier: MIT
#pragma once
// The accepted range of every number field the operator types, and the message that
// names it. The window's dialogs, the run form and rheo-cli all check through here, so
// a range and its text live in one place.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace rheo {

enum class NumberField {
    // The run form.
    RunEffluxTime,
    RunPressure,
    EstimatedViscosity,
    // The A/B dialog. Its pressure and efflux time follow the form's rules and texts.
    KnownViscosity,
    AbPressure,
    AbEffluxTime,
    // The volume dialog.
    TareWeight,
    FullWeight,
    Density,
    // The cell data dialog, as shown there: length and diameter in mm, shear rates in
    // units of 1e6 1/s.
    CapillaryLength,
    CapillaryDiameter,
    MaxShearRate,
    MinShearRate,
    WorkingShearRate,
    // The general settings: whole numbers.
    OperatingTemperature,
    EquilibriumTimerMinutes,
    // The standards table.
    StandardViscosity,
};

// The message shown when the field refuses a value.
std::string_view fieldMessage(NumberField field);

// True when the field accepts the value. A value that is not a number (NaN) is refused
// by every field; the two settings fields also refuse a value with a fraction.
bool fieldAccepts(NumberField field, double value);

// The highest value the field accepts.
double highestAccepted(NumberField field);

// Nothing when the value is accepted, otherwise the field's message.
std::optional<std::string> fieldRefusal(NumberField field, double value);

// The standard name of an A/B point as the dialog cleans it when the field is left:
// white space removed, then cut to its first 32 characters.
std::string cleanAbStandardName(std::string_view typed);

inline constexpr std::size_t kAbStandardNameLength = 32;

} // namespace rheo
