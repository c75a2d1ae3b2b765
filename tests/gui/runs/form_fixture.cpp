// SPDX-License-Identifier: MIT
#include "form_fixture.hpp"

#include <QLabel>
#include <QRadioButton>

namespace rheo::testing {

CalibrationData exampleCalibration() {
    CalibrationData data;
    for (int index = 0; index < kCellCount; ++index)
        data.cells[std::size_t(index)] = {index + 1, 0.075, 15, 0.0025, 9,     0.5,  6,
                                          18,        {},    {}, 1.1e6,  1.0e6, 1.2e6};
    data.cells[2].constantA = 0;
    data.cells[3].targetEffluxTime = 20;
    data.cells[3].minShearRate = 0.8e6;
    data.equilibriumTimerMinutes = 1;
    return data;
}

FormWindow::FormWindow(CalibrationData calibration)
    : session(dialogs, clock, std::move(calibration)), view(session, help, alarm) {
    view.resize(view.minimumSize());
}

std::string FormWindow::shown() const {
    QStringList values;
    for (const char* name :
         {"Sample ID Name", "Pressure (psi)", "Efflux Time (sec)", "Estimated Viscosity"})
        values << field(name)->text();
    values << (qobject_cast<QRadioButton*>(named(view, "Yes"))->isChecked() ? "Yes" : "No");
    // The texts beside their labels are described by them and follow them.
    QString recommended, t0;
    for (QLabel* text : view.findChildren<QLabel*>()) {
        if (text->accessibleDescription() == "Recommended Pressure")
            recommended = text->text().simplified();
        if (text->accessibleDescription() == "Target Efflux Time:")
            t0 = text->text();
    }
    return QStringLiteral("cell %1: %2 -> %3, T0 %4")
        .arg(cellShown())
        .arg(values.join('|'), recommended, t0)
        .toStdString();
}

std::vector<QString> FormWindow::sampleIds() const {
    std::vector<QString> ids;
    for (int row = 0; row < list().model()->rowCount(); ++row)
        ids.push_back(list().model()->index(row, 0).data().toString());
    return ids;
}

void FormWindow::run(int cell, const QString& sampleId, const QString& pressure,
                     const QString& effluxTime, bool newtonian) {
    view.findChild<QComboBox*>()->setCurrentIndex(cell - 1);
    typeAndLeave("Sample ID Name", sampleId);
    typeAndLeave(kPressure, pressure);
    typeAndLeave("Efflux Time (sec)", effluxTime);
    click(newtonian ? "Yes" : "No");
    click(kCalculate);
}

} // namespace rheo::testing
