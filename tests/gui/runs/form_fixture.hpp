#pragma once
// The test-run form in a window of its own, over a session with the calibration of the
// examples, the scripted message boxes and file dialogs, a fixed clock, and help and alarm
// recorded instead of shown and sounded. The helpers work the form as the operator does:
// typing into fields, leaving them with Tab, clicking buttons, numbers and rows.

#include "core/session/session.hpp"
#include "gui/runs/rheo_view.hpp"
#include "gui/widgets/extended_list_ctrl.hpp"

#include "../app/window_fakes.hpp"
#include "support/scripted_dialogs.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QString>

#include <ostream>
#include <string>
#include <vector>

// Readable texts in the test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace rheo::testing {

// Cells 1, 2 and 5 as in the worked example: A = 0.0025, B = 9, T0 = 18 s, V = 6 ml,
// r = 0.075 mm, shear-rate window 1.0e6 to 1.2e6 1/s. Cell 4 the same with T0 = 20 s and a
// window from 0.8e6. Cell 3 has no constant A: it is not calibrated.
CalibrationData exampleCalibration();
CellCalibration workedExampleCell();

// The texts of the recommendation for the example cells, as the form shows them.
inline const QString kNormalBand = QStringLiteral("           %1 psi");

class FormWindow {
public:
    explicit FormWindow(CalibrationData calibration = exampleCalibration());

    // Shows the form and makes it the active window (the keyboard focus needs one).
    bool show();

    // The control a screen reader names so (the first in the form), the field so named, and
    // the text shown beside a label: it carries the label's name and follows it.
    QWidget* control(const QString& name) const;
    QLineEdit* field(const QString& name) const;
    QString fieldText(const QString& name) const { return field(name)->text(); }
    QString shownBeside(const QString& label) const;
    // The cell the cell list shows, 1 to 5.
    int cellShown() const;
    CExtendedListCtrl* list() const;

    // Types into a field (replacing its text) and leaves it with Tab.
    void typeAndLeave(const QString& name, const QString& text);
    // Types into a field and stays there.
    void typeInto(const QString& name, const QString& text);
    void click(const QString& name);
    // A left click on the form's background.
    void clickForm(QPoint position);
    // A run typed into the form and calculated.
    void run(int cell, const QString& sampleId, double pressure, double effluxTime,
             bool newtonian = true);

    int rowCount() const;
    std::vector<QString> rowTexts(int row) const;
    void clickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    ScriptedDialogs dialogs;
    FixedClock clock;
    RecordingHelp help;
    CountingAlarm alarm;
    Session session;
    CRHEOView view;
};

} // namespace rheo::testing
