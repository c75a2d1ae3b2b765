// SPDX-License-Identifier: MIT
#pragma once
// The controls of the test-run form, made from the form's template: their texts, the names
// a screen reader gives them, the Tab order of the template, and what each needs to show its
// text whole.

#include "gui/runs/dialog_units.hpp"
#include "gui/runs/form_template.hpp"

#include <QSize>

#include <array>

class QComboBox;
class QFont;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace rheo {

class CExtendedListCtrl;
class MultiLineButton;
class NumberEdit;

struct FormControls {
    QLabel* newtonianLabel = nullptr;
    QRadioButton* yes = nullptr;
    QRadioButton* no = nullptr;
    QComboBox* cellList = nullptr;
    QLineEdit* sampleId = nullptr;
    MultiLineButton* calculate = nullptr;
    NumberEdit* estimatedViscosity = nullptr;
    QLabel* recommendedPressure = nullptr;
    MultiLineButton* timerButton = nullptr;
    NumberEdit* pressure = nullptr;
    NumberEdit* effluxTime = nullptr;
    QLabel* targetEffluxTime = nullptr;
    CExtendedListCtrl* results = nullptr;

    // Every control, labels included, in the order of the form.
    std::array<QWidget*, kFormControlCount> all{};

    QWidget* widget(FormControl control) const { return all[static_cast<std::size_t>(control)]; }
};

// The form's own font, which its dialog units are measured in: a sans-serif of 8 points
// with the widths of the one the form was drawn with.
QFont formFont();

// Makes the controls as children of `form`, in the template's order, which is also the
// order of the Tab key.
FormControls createFormControls(QWidget& form);

// What each control needs to show its text whole: the labels and radio buttons their text,
// the fields and the cell list the height of their font, the buttons their wrapped caption
// at the template's width. Empty for the list.
std::array<QSize, kFormControlCount> minimumControlSizes(const FormControls& controls,
                                                         const DialogUnits& units);

} // namespace rheo
