#pragma once
// A calibration dialog on the bench: the program's session over a calibration the test
// chooses, the person at the bench scripted, the help recorded, and the dialog shown and
// active so that fields are left and keys typed as the operator does it.

#include "core/seams/clock.hpp"
#include "core/session/session.hpp"
#include "gui/widgets/list_column.hpp"

#include "gui/app/window_fakes.hpp"
#include "support/scripted_dialogs.hpp"

#include <QString>
#include <QStringList>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

class QAbstractButton;
class QDialog;
class QLabel;
class QLineEdit;

// Readable texts in the test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace rheo {
class CExtendedListCtrl;
}

namespace rheo::testing {

// The scripted person, who also notes what the dialog showed as each message appeared.
class WatchingDialogs : public ScriptedDialogs {
public:
    void inform(const std::string& message) override {
        if (watch)
            seenAtMessages.push_back(watch());
        ScriptedDialogs::inform(message);
    }

    // What the dialog shows, asked at each message.
    std::function<std::string()> watch;
    std::vector<std::string> seenAtMessages;
};

struct Bench {
    // The form's working cell is `formCell` (index 0 to 4).
    explicit Bench(CalibrationData data = {}, int formCell = 0);

    WatchingDialogs dialogs;
    FixedClock clock;
    RecordingHelp help;
    Session session;
};

// Every cell with what both calculations need: radius 0.075 mm, working shear rate
// 1.4e6 1/s, volume 6 ml and T0 18 s, and no weighings or runs yet.
CalibrationData readyCalibration();

// Shows the dialog and makes it the active window; false when it could not be activated.
bool showActive(QDialog& dialog);

// Types `text` over what the field shows and leaves it with Tab, as the operator does.
void typeAndLeave(QLineEdit& field, const QString& text);
// A left click in the middle of the button.
void click(QAbstractButton& button);
// A left click on a row of the list (Ctrl adds it to the selection).
void clickRow(CExtendedListCtrl& list, int row, Qt::KeyboardModifiers modifiers = {});

// The list's headings are `columns`, each as wide as the heading times its factor.
void expectColumns(const CExtendedListCtrl& list, const std::vector<ListColumn>& columns);

// The rows of the list as they are shown, each joined with "|".
std::vector<std::string> shownRows(const CExtendedListCtrl& list);
std::string shownText(const QLabel& label);

} // namespace rheo::testing
