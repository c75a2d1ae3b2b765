// SPDX-License-Identifier: MIT
#include "gui/runs/form_template.hpp"

namespace rheo {

const std::array<TemplateControl, kFormControlCount>& formTemplate() {
    using C = FormControl;
    using K = ControlKind;
    static const std::array<TemplateControl, kFormControlCount> controls = {{
        {C::NewtonianLabel, K::Label, "Newtonian?", {190, 18, 38, 9}},
        {C::YesButton, K::RadioButton, "Yes", {181, 31, 28, 9}},
        {C::NoButton, K::RadioButton, "No", {216, 31, 23, 9}},
        {C::CellNumberLabel, K::Label, "Cell Number", {281, 7, 40, 9}},
        {C::CellList, K::DropDownList, "", {271, 17, 61, 65}},
        {C::SampleIdLabel, K::Label, "Sample ID Name", {359, 7, 55, 9}},
        {C::SampleIdField, K::Field, "", {355, 17, 61, 14}},
        {C::CalculateButton,
         K::Button,
         "Calculate Viscosity, Shear Rate, and Reynolds Number",
         {435, 17, 68, 31}},
        {C::EstimatedViscosityLabel, K::Label, "Estimated Viscosity", {271, 40, 61, 9}},
        {C::EstimatedViscosityField, K::Field, "", {271, 50, 61, 14}},
        {C::RecommendedPressureLabel, K::Label, "Recommended Pressure", {346, 40, 79, 9}},
        {C::RecommendedPressureText, K::Text, "", {345, 53, 96, 9}},
        {C::TimerButton, K::Button, "Start Timer For Temperature Equilibrium", {173, 66, 68, 31}},
        {C::PressureLabel, K::Label, "Pressure (psi)", {279, 73, 44, 9}},
        {C::PressureField, K::Field, "", {271, 83, 61, 14}},
        {C::EffluxTimeLabel, K::Label, "Efflux Time (sec)", {359, 73, 54, 9}},
        {C::EffluxTimeField, K::Field, "", {355, 83, 61, 14}},
        {C::TargetEffluxTimeLabel, K::Label, "Target Efflux Time:", {437, 73, 65, 9}},
        {C::TargetEffluxTimeValue, K::Text, "", {451, 87, 21, 9}},
        {C::SecondsLabel, K::Label, "(sec)", {473, 87, 24, 10}},
        {C::ResultsList, K::List, "", {7, 104, 502, 197}},
    }};
    return controls;
}

const TemplateControl& templateControl(FormControl control) {
    return formTemplate()[static_cast<std::size_t>(control)];
}

const char* accessibleNameOf(FormControl control) {
    switch (control) {
    case FormControl::CellList:
        return templateControl(FormControl::CellNumberLabel).text;
    case FormControl::SampleIdField:
        return templateControl(FormControl::SampleIdLabel).text;
    case FormControl::EstimatedViscosityField:
        return templateControl(FormControl::EstimatedViscosityLabel).text;
    case FormControl::RecommendedPressureText:
        return templateControl(FormControl::RecommendedPressureLabel).text;
    case FormControl::PressureField:
        return templateControl(FormControl::PressureLabel).text;
    case FormControl::EffluxTimeField:
        return templateControl(FormControl::EffluxTimeLabel).text;
    case FormControl::TargetEffluxTimeValue:
        return templateControl(FormControl::TargetEffluxTimeLabel).text;
    case FormControl::ResultsList:
        return "Results";
    default:
        return templateControl(control).text;
    }
}

} // namespace rheo
