// SPDX-License-Identifier: MIT
#pragma once
// A one-line field that holds a number, as the program's fields always have: it shows its
// value in the shortest form with up to 15 significant digits (18.0 shows as 18), and its
// owner takes it when the keyboard focus leaves it. A field left with the text it showed
// gives back the value it held, to the last digit: 1.6e6 1/s shows as "1.6", which read
// back would be another double, and leaving it unchanged must change nothing.

#include "core/model/field_rules.hpp"
#include "core/seams/user_dialogs.hpp"

#include <QLineEdit>

#include <optional>
#include <string>

namespace rheo {

// The field's text for a value: "%.15g" in the C locale.
std::string numberFieldText(double value);

class NumberEdit : public QLineEdit {
    Q_OBJECT

public:
    // A field of whole numbers reads only whole numbers.
    explicit NumberEdit(QWidget* parent = nullptr, bool wholeNumber = false);

    // Holds `value` and shows it.
    void showValue(double value);
    // Holds `value`, to be shown later; until then the text is read as it stands.
    void holdValue(double value);
    // Holds `value` as the number the text shows now, leaving the text as typed (an
    // accepted "18.0" stays "18.0").
    void holdShownValue(double value);
    // The value held: the last one shown or accepted.
    double value() const { return value_; }
    bool wholeNumber() const { return wholeNumber_; }
    // The number the text holds now ("." as decimal point whatever the locale, blanks
    // around it ignored); nothing when it holds none. The value held when the text is still
    // the one it stood for.
    std::optional<double> typedValue() const;

signals:
    // The keyboard focus left the field (a pop-up menu taking it does not count). When the
    // owner refuses the value and gives the field the focus back, the mouse press that took
    // the focus away is dropped: its click is lost behind the message.
    void focusLeft();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    double value_ = 0.0;
    // The text that stands for value_: the one shown with it, or the one it was read from.
    std::optional<QString> valueText_;
    bool wholeNumber_;
};

// Takes a field as the program does when the field is left: text that is no number is
// told and the field shows its value again; a value the field's rule refuses is told with
// the rule's message and the value held before is shown again; either way the focus goes
// back to the field. Returns the accepted value (then held by the field), or nothing after a
// refusal.
std::optional<double> takeNumberEdit(NumberEdit& field, NumberField rule, UserDialogs& dialogs);

// The same for a field whose every number is accepted: only text that is no number is
// refused.
std::optional<double> takeNumberEdit(NumberEdit& field, UserDialogs& dialogs);

} // namespace rheo
