// SPDX-License-Identifier: MIT
#pragma once
// The test-run form as it was drawn: every control in the order of the form (which is also
// the order of the Tab key), its text, and its place in dialog units. The cell picture and
// the countdown are not controls: they are painted on the form's background.

#include <QRect>
#include <QSize>

#include <array>
#include <cstddef>

namespace rheo {

enum class FormControl {
    NewtonianLabel,
    YesButton,
    NoButton,
    CellNumberLabel,
    CellList,
    SampleIdLabel,
    SampleIdField,
    CalculateButton,
    EstimatedViscosityLabel,
    EstimatedViscosityField,
    RecommendedPressureLabel,
    RecommendedPressureText,
    TimerButton,
    PressureLabel,
    PressureField,
    EffluxTimeLabel,
    EffluxTimeField,
    TargetEffluxTimeLabel,
    TargetEffluxTimeValue,
    SecondsLabel,
    ResultsList,
};

inline constexpr std::size_t kFormControlCount =
    static_cast<std::size_t>(FormControl::ResultsList) + 1;

enum class ControlKind { Label, RadioButton, DropDownList, Field, Button, Text, List };

struct TemplateControl {
    FormControl control;
    ControlKind kind;
    // The caption of a label, radio button or button; empty for the others.
    const char* text;
    // Left, top, width and height in dialog units.
    QRect place;
};

// The form's size in dialog units.
inline constexpr QSize kFormTemplateSize{514, 305};

// The controls in the order of the form.
const std::array<TemplateControl, kFormControlCount>& formTemplate();
const TemplateControl& templateControl(FormControl control);

// The name a screen reader gives a control: its own text, or the text of the label that
// names it. A text showing a value is read by the value it shows; this name describes it.
const char* accessibleNameOf(FormControl control);

} // namespace rheo
