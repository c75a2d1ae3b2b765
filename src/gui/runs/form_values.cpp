#include "gui/runs/form_values.hpp"

#include "gui/platform/qt_text.hpp"
#include "gui/widgets/number_edit.hpp"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

namespace rheo {
namespace {

constexpr double kInitialEffluxTime = 18.0;
constexpr double kInitialPressure = 200.0;
constexpr double kInitialEstimatedViscosity = 2.0;

// Drops the mouse press on its way to a control: the press that took the focus from a field
// which then refused its value. Its message came before the press arrived, so the click it
// began is lost, as it always was, and no button is left pressed behind the message.
class PressDropper : public QObject {
public:
    PressDropper() : QObject(qApp) {
        qApp->installEventFilter(this);
        // Gone after the press, or at the next turn of the event loop if none comes.
        QTimer::singleShot(0, this, &QObject::deleteLater);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress &&
            event->type() != QEvent::MouseButtonDblClick)
            return false;
        qApp->removeEventFilter(this);
        deleteLater();
        return true;
    }
};

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
            [this] { validateLeft(*controls_.effluxTime, NumberField::RunEffluxTime); });
    connect(controls_.pressure, &NumberEdit::focusLeft, this,
            [this] { validateLeft(*controls_.pressure, NumberField::RunPressure); });
    connect(controls_.estimatedViscosity, &NumberEdit::focusLeft, this, [this] {
        validateLeft(*controls_.estimatedViscosity, NumberField::EstimatedViscosity);
    });
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

void FormValues::validateLeft(NumberEdit& field, NumberField rule) {
    // A press on another control takes the focus before that control sees the press.
    const bool pressing = QGuiApplication::mouseButtons() != Qt::NoButton;
    if (!validate(field, rule) && pressing)
        new PressDropper;
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
