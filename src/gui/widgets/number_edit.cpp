// SPDX-License-Identifier: MIT
#include "gui/widgets/number_edit.hpp"

#include "core/text/c_format.hpp"
#include "core/text/program_texts.hpp"
#include "gui/platform/qt_text.hpp"

#include <QApplication>
#include <QFocusEvent>
#include <QTimer>

namespace rheo {

std::string numberFieldText(double value) {
    return cformat("%.15g", value);
}

namespace {

// Drops the next mouse press on its way to a control; gone after it, or at the next turn of
// the event loop if none comes.
class PressDropper : public QObject {
public:
    PressDropper() : QObject(qApp) {
        qApp->installEventFilter(this);
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

} // namespace

NumberEdit::NumberEdit(QWidget* parent, bool wholeNumber)
    : QLineEdit(parent), wholeNumber_(wholeNumber) {}

void NumberEdit::showValue(double value) {
    value_ = value;
    setText(toQt(numberFieldText(value)));
    valueText_ = text();
}

void NumberEdit::holdValue(double value) {
    value_ = value;
    valueText_.reset();
}

void NumberEdit::holdShownValue(double value) {
    value_ = value;
    valueText_ = text();
}

std::optional<double> NumberEdit::typedValue() const {
    if (valueText_ == text())
        return value_;
    const std::string typed = fromQt(text());
    if (wholeNumber_) {
        int whole = 0;
        if (!parseWholeNumber(typed, whole))
            return std::nullopt;
        return whole;
    }
    double number = 0.0;
    if (!parseDecimal(typed, number))
        return std::nullopt;
    return number;
}

void NumberEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason)
        return;
    emit focusLeft();
    // A press on another control took the focus before that control saw the press, and the
    // value was refused, which gave the field its window's focus back (the window itself may
    // not be active again yet after the message). The press arrives after the message: it
    // is dropped, so that the click it began is lost, as it always was, and no button is
    // left drawn pressed behind the message.
    if (event->reason() == Qt::MouseFocusReason && window()->focusWidget() == this)
        new PressDropper;
}

namespace {

std::optional<double> take(NumberEdit& field, const std::optional<NumberField>& rule,
                           UserDialogs& dialogs) {
    const double previous = field.value();
    const std::optional<double> typed = field.typedValue();
    if (!typed) {
        field.showValue(previous);
        field.setFocus(Qt::OtherFocusReason);
        dialogs.inform(field.wholeNumber() ? window_texts::kNotAWholeNumberMessage
                                           : window_texts::kNotANumberMessage);
        field.setFocus(Qt::OtherFocusReason);
        return std::nullopt;
    }
    if (rule) {
        if (const auto refusal = fieldRefusal(*rule, *typed)) {
            field.showValue(previous);
            field.setFocus(Qt::OtherFocusReason);
            dialogs.inform(*refusal);
            // The message box took the focus; it comes back to the field.
            field.setFocus(Qt::OtherFocusReason);
            return std::nullopt;
        }
    }
    field.holdShownValue(*typed);
    return *typed;
}

} // namespace

std::optional<double> takeNumberEdit(NumberEdit& field, NumberField rule, UserDialogs& dialogs) {
    return take(field, rule, dialogs);
}

std::optional<double> takeNumberEdit(NumberEdit& field, UserDialogs& dialogs) {
    return take(field, std::nullopt, dialogs);
}

} // namespace rheo
