#pragma once
// A session with its questions and messages scripted and its help pages recorded, and the
// operator's ways of typing into a dialog's fields.

#include "core/session/session.hpp"
#include "gui/app/window_fakes.hpp"
#include "support/scripted_dialogs.hpp"

#include <QString>

#include <ostream>
#include <string>

class QDialog;
class QLineEdit;
class QWidget;

// Readable texts in the test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace rheo::testing {

struct DialogBench {
    explicit DialogBench(CalibrationData calibration = {})
        : session(dialogs, clock, std::move(calibration)) {}

    ScriptedDialogs dialogs;
    FixedClock clock{makeLocalDateTime(2014, 3, 5, 9, 7)};
    RecordingHelp help;
    Session session;
};

// Shows the dialog and waits until it is the active window; false when it never is.
bool openDialog(QDialog& dialog);

// Types `text` over the field's contents without leaving the field.
void typeInto(QLineEdit* field, const QString& text);
// Types `text` over the field's contents and leaves it with Tab.
void typeAndLeave(QLineEdit* field, const QString& text);

// The texts of all labels in the dialog, sorted.
std::vector<QString> labelTexts(const QWidget& dialog);

// The widgets the focus visits from `first` on, pressing Tab `count` times.
std::vector<QWidget*> tabChain(QWidget* first, int count);

} // namespace rheo::testing
