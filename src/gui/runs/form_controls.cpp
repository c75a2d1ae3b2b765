// SPDX-License-Identifier: MIT
#include "gui/runs/form_controls.hpp"
#include "gui/platform/qt_text.hpp"

#include "gui/runs/multi_line_button.hpp"
#include "gui/widgets/extended_list_ctrl.hpp"
#include "gui/widgets/number_edit.hpp"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

namespace rheo {
namespace {

QLabel* makeLabel(QWidget& form, const QString& text) {
    auto* label = new QLabel(text, &form);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* makeControl(QWidget& form, const TemplateControl& entry, FormControls& controls) {
    const QString text = QString::fromLatin1(entry.text);
    switch (entry.control) {
    case FormControl::YesButton:
        return controls.yes = new QRadioButton(text, &form);
    case FormControl::NoButton:
        return controls.no = new QRadioButton(text, &form);
    case FormControl::CellList:
        controls.cellList = new QComboBox(&form);
        for (int cell = 1; cell <= 5; ++cell)
            controls.cellList->addItem(QString::number(cell));
        return controls.cellList;
    case FormControl::SampleIdField:
        controls.sampleId = new QLineEdit(&form);
        keepToWindows1252(*controls.sampleId);
        return controls.sampleId;
    case FormControl::CalculateButton:
        return controls.calculate = new MultiLineButton(text, &form);
    case FormControl::EstimatedViscosityField:
        return controls.estimatedViscosity = new NumberEdit(&form);
    case FormControl::RecommendedPressureText:
        return controls.recommendedPressure = makeLabel(form, text);
    case FormControl::TimerButton:
        return controls.timerButton = new MultiLineButton(text, &form);
    case FormControl::PressureField:
        return controls.pressure = new NumberEdit(&form);
    case FormControl::EffluxTimeField:
        return controls.effluxTime = new NumberEdit(&form);
    case FormControl::TargetEffluxTimeValue:
        controls.targetEffluxTime = makeLabel(form, text);
        // Right against "(sec)", so that a long T0 grows to the left, under its label.
        controls.targetEffluxTime->setAlignment(Qt::AlignRight | Qt::AlignTop);
        return controls.targetEffluxTime;
    case FormControl::ResultsList:
        return controls.results = new CExtendedListCtrl(&form);
    case FormControl::NewtonianLabel:
        return controls.newtonianLabel = makeLabel(form, text);
    default:
        return makeLabel(form, text);
    }
}

} // namespace

QFont formFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

FormControls createFormControls(QWidget& form) {
    FormControls controls;
    QWidget* previous = nullptr;
    for (const TemplateControl& entry : formTemplate()) {
        QWidget* widget = makeControl(form, entry, controls);
        const QString name = QString::fromLatin1(accessibleNameOf(entry.control));
        // A value text is read as the value it shows ("68.3 psi"), its caption after it.
        if (entry.kind == ControlKind::Text)
            widget->setAccessibleDescription(name);
        else
            widget->setAccessibleName(name);
        controls.all[static_cast<std::size_t>(entry.control)] = widget;
        if (widget->focusPolicy() & Qt::TabFocus) {
            if (previous != nullptr)
                QWidget::setTabOrder(previous, widget);
            previous = widget;
        }
    }
    // The labels name their fields, and caption the value texts, for the screen reader too.
    const std::pair<FormControl, FormControl> named[] = {
        {FormControl::RecommendedPressureLabel, FormControl::RecommendedPressureText},
        {FormControl::TargetEffluxTimeLabel, FormControl::TargetEffluxTimeValue},
        {FormControl::CellNumberLabel, FormControl::CellList},
        {FormControl::SampleIdLabel, FormControl::SampleIdField},
        {FormControl::EstimatedViscosityLabel, FormControl::EstimatedViscosityField},
        {FormControl::PressureLabel, FormControl::PressureField},
        {FormControl::EffluxTimeLabel, FormControl::EffluxTimeField},
    };
    for (const auto& [label, field] : named)
        static_cast<QLabel*>(controls.widget(label))->setBuddy(controls.widget(field));
    return controls;
}

std::array<QSize, kFormControlCount> minimumControlSizes(const FormControls& controls,
                                                         const DialogUnits& units) {
    std::array<QSize, kFormControlCount> sizes{};
    for (const TemplateControl& entry : formTemplate()) {
        const auto index = static_cast<std::size_t>(entry.control);
        QWidget* widget = controls.all[index];
        switch (entry.kind) {
        case ControlKind::Label:
        case ControlKind::RadioButton:
            sizes[index] = widget->sizeHint();
            break;
        case ControlKind::Text:
            sizes[index] = QSize(0, widget->fontMetrics().height());
            break;
        case ControlKind::DropDownList:
        case ControlKind::Field:
            sizes[index] = QSize(0, widget->sizeHint().height());
            break;
        case ControlKind::Button:
            sizes[index] = QSize(0, widget->heightForWidth(units.rect(entry.place).width()));
            break;
        case ControlKind::List:
            break;
        }
    }
    return sizes;
}

} // namespace rheo
