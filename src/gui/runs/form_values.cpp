// SPDX-License-Identifier: MIT
#include "gui/runs/form_values.hpp"

#include "gui/platform/qt_text.hpp"
#include "gui/widgets/number_edit.hpp"

#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace rheo {
namespace {

constexpr double kInitialEffluxTime = 18.0;
constexpr double kInitialPressure = 200.0;
constexpr double kInitialEstimatedViscosity = 2.0;

// Runs `work` with `flag` set, unless it is set already.
template <class Work> void exclusively(bool& flag, Work&& work) {
    if (flag)
        return;
    flag = true;
    work();
    flag = false;
}

} // namespace

FormValues::FormValues(const FormControls& controls, UserDialogs& dialogs, QObject* parent)
    : QObject(parent), controls_(controls), dialogs_(dialogs) {
    controls_.effluxTime->holdValue(kInitialEffluxTime);
    controls_.pressure->holdValue(kInitialPressure);
    controls_.estimatedViscosity->holdValue(kInitialEstimatedViscosity);
    setNewtonian(true);

    connect(controls_.yes, &QRadioButton::toggled, this,
            [this](bool checked) { newtonian_ = checked; });
    connect(controls_.effluxTime, &NumberEdit::focusLeft, this,
            [this] { validate(*controls_.effluxTime, NumberField::RunEffluxTime); });
    connect(controls_.pressure, &NumberEdit::focusLeft, this,
            [this] { validate(*controls_.pressure, NumberField::RunPressure); });
    connect(controls_.estimatedViscosity, &NumberEdit::focusLeft, this,
            [this] { validate(*controls_.estimatedViscosity, NumberField::EstimatedViscosity); });
    controls_.sampleId->installEventFilter(this);
}

void FormValues::show() {
    controls_.sampleId->setText(toQt(sampleId_));
    for (NumberEdit* field :
         {controls_.effluxTime, controls_.pressure, controls_.estimatedViscosity})
        field->showValue(field->value());
    controls_.targetEffluxTime->setText(toQt(texts_.targetEffluxTime));
    controls_.recommendedPressure->setText(toQt(texts_.recommendedPressure));
}

void FormValues::take() {
    exclusively(exchanging_, [this] {
        sampleId_ = fromQt(controls_.sampleId->text());
        for (NumberEdit* field :
             {controls_.effluxTime, controls_.pressure, controls_.estimatedViscosity}) {
            if (!takeNumberEdit(*field, dialogs_))
                return;
        }
    });
}

void FormValues::takeBeforeCellChange() {
    exclusively(exchanging_, [this] { sampleId_ = fromQt(controls_.sampleId->text()); });
    validate(*controls_.pressure, NumberField::RunPressure);
    validate(*controls_.effluxTime, NumberField::RunEffluxTime);
    validate(*controls_.estimatedViscosity, NumberField::EstimatedViscosity);
}

bool FormValues::validate(NumberEdit& field, NumberField rule) {
    if (exchanging_)
        return true;
    std::optional<double> taken;
    exclusively(exchanging_, [&] { taken = takeNumberEdit(field, rule, dialogs_); });
    if (taken && &field == controls_.estimatedViscosity)
        emit estimatedViscosityAccepted();
    return taken.has_value();
}

RunInput FormValues::runInput() const {
    return {sampleId_, controls_.pressure->value(), controls_.effluxTime->value(), newtonian_};
}

double FormValues::estimatedViscosity() const {
    return controls_.estimatedViscosity->value();
}

void FormValues::setRecommendation(const RecommendationText& texts) {
    texts_ = texts;
}

void FormValues::setSampleId(const std::string& sampleId) {
    sampleId_ = sampleId;
}

void FormValues::recall(const TestResult& result) {
    sampleId_ = result.sampleId;
    controls_.pressure->holdValue(result.pressure);
    controls_.effluxTime->holdValue(result.effluxTime);
    setNewtonian(result.newtonian);
}

void FormValues::setNewtonian(bool newtonian) {
    newtonian_ = newtonian;
    (newtonian ? controls_.yes : controls_.no)->setChecked(true);
}

bool FormValues::eventFilter(QObject* watched, QEvent* event) {
    if (watched == controls_.sampleId && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        take();
    return false;
}

} // namespace rheo
