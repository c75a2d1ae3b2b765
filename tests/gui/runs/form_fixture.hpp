// SPDX-License-Identifier: MIT
#pragma once
// The test-run form in a window of its own over a session with the calibration of the
// examples, and the operator's ways of working it: the fields by the names a screen reader
// gives them, typed into and left with Tab; buttons, cell numbers and rows clicked.

#include "core/session/session.hpp"
#include "gui/runs/rheo_view.hpp"
#include "gui/widgets/extended_list_ctrl.hpp"
#include "window_test_support.hpp"

#include <QComboBox>
#include <QLineEdit>

#include <string>
#include <vector>

namespace rheo::testing {

inline const QString kCalculate =
    QStringLiteral("Calculate Viscosity, Shear Rate, and Reynolds Number");
inline const QString kPressure = QStringLiteral("Pressure (psi)");
inline const QString kStartTimer = QStringLiteral("Start Timer For Temperature Equilibrium");

// Cells 1, 2 and 5 as in the worked example: A = 0.0025, B = 9, T0 = 18 s, V = 6 ml,
// r = 0.075 mm, shear-rate window 1.0e6 to 1.2e6 1/s. Cell 4 the same with T0 = 20 s and a
// window from 0.8e6. Cell 3 has no constant A: it is not calibrated. The timer runs a minute.
CalibrationData exampleCalibration();

class FormWindow : public Recorders {
public:
    explicit FormWindow(CalibrationData calibration = exampleCalibration());

    bool show() { return showActive(view); }
    QLineEdit* field(const QString& name) const { return &control<QLineEdit>(view, name); }
    // The form's values in one line: "cell 1: sample ID|pressure|efflux time|estimate|Yes ->
    // recommended pressure, T0 target efflux time".
    std::string shown() const;
    // The cell the cell list shows, 1 to 5.
    int cellShown() const { return view.findChild<QComboBox*>()->currentText().toInt(); }
    CExtendedListCtrl& list() const { return *view.findChild<CExtendedListCtrl*>(); }
    std::vector<QString> sampleIds() const;

    void typeInto(const QString& name, const QString& text) {
        testing::typeInto(*field(name), text);
    }
    void typeAndLeave(const QString& name, const QString& text) {
        testing::typeAndLeave(*field(name), text);
    }
    void click(const QString& name) { testing::click(*named(view, name)); }
    // A left click on the form's background.
    void clickForm(QPoint at) { QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, at); }
    // A run typed into the form and calculated.
    void run(int cell, const QString& sampleId, const QString& pressure, const QString& effluxTime,
             bool newtonian = true);

    Session session;
    CRHEOView view;
};

} // namespace rheo::testing
