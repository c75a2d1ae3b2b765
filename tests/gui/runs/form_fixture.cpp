#include "form_fixture.hpp"

#include "gui/widgets/number_edit.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

namespace rheo::testing {

CellCalibration workedExampleCell() {
    CellCalibration cell;
    cell.capillaryRadius = 0.075;
    cell.capillaryLength = 15;
    cell.constantA = 0.0025;
    cell.constantB = 9;
    cell.rmsPercentDiff = 0.5;
    cell.cellVolume = 6;
    cell.targetEffluxTime = 18;
    cell.workingShearRate = 1.1e6;
    cell.minShearRate = 1.0e6;
    cell.maxShearRate = 1.2e6;
    return cell;
}

CalibrationData exampleCalibration() {
    CalibrationData data;
    for (int index = 0; index < kCellCount; ++index) {
        CellCalibration& cell = data.cells[static_cast<std::size_t>(index)];
        cell = workedExampleCell();
        cell.cellNumber = index + 1;
    }
    data.cells[2].constantA = 0;
    data.cells[3].targetEffluxTime = 20;
    data.cells[3].minShearRate = 0.8e6;
    return data;
}

FormWindow::FormWindow(CalibrationData calibration)
    : clock(makeLocalDateTime(2014, 3, 5, 9, 7)), session(dialogs, clock, std::move(calibration)),
      view(session, help, alarm) {
    view.resize(view.minimumSize());
}

bool FormWindow::show() {
    view.show();
    QApplication::setActiveWindow(&view);
    return QTest::qWaitForWindowActive(&view);
}

QWidget* FormWindow::control(const QString& name) const {
    for (QWidget* widget : view.findChildren<QWidget*>()) {
        if (widget->accessibleName() == name)
            return widget;
    }
    ADD_FAILURE() << "no control named " << name.toStdString();
    return nullptr;
}

QLineEdit* FormWindow::field(const QString& name) const {
    for (QLineEdit* edit : view.findChildren<QLineEdit*>()) {
        if (edit->accessibleName() == name)
            return edit;
    }
    ADD_FAILURE() << "no field named " << name.toStdString();
    return nullptr;
}

QString FormWindow::shownBeside(const QString& label) const {
    QString shown;
    for (QLabel* text : view.findChildren<QLabel*>()) {
        if (text->accessibleName() == label)
            shown = text->text(); // the last one: the value after its label
    }
    return shown;
}

int FormWindow::cellShown() const {
    return view.findChild<QComboBox*>()->currentText().toInt();
}

CExtendedListCtrl* FormWindow::list() const {
    return view.findChild<CExtendedListCtrl*>();
}

void FormWindow::typeInto(const QString& name, const QString& text) {
    QLineEdit* edit = field(name);
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

void FormWindow::typeAndLeave(const QString& name, const QString& text) {
    typeInto(name, text);
    QTest::keyClick(field(name), Qt::Key_Tab);
}

void FormWindow::click(const QString& name) {
    QWidget* widget = control(name);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void FormWindow::clickForm(QPoint position) {
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, position);
}

void FormWindow::run(int cell, const QString& sampleId, double pressure, double effluxTime,
                     bool newtonian) {
    view.findChild<QComboBox*>()->setCurrentIndex(cell - 1);
    typeAndLeave("Sample ID Name", sampleId);
    typeAndLeave("Pressure (psi)", QString::fromStdString(numberFieldText(pressure)));
    typeAndLeave("Efflux Time (sec)", QString::fromStdString(numberFieldText(effluxTime)));
    click(newtonian ? "Yes" : "No");
    click("Calculate Viscosity, Shear Rate, and Reynolds Number");
}

int FormWindow::rowCount() const {
    return list()->model()->rowCount();
}

std::vector<QString> FormWindow::rowTexts(int row) const {
    std::vector<QString> texts;
    const QAbstractItemModel* model = list()->model();
    for (int column = 0; column < model->columnCount(); ++column)
        texts.push_back(model->index(row, column).data().toString());
    return texts;
}

void FormWindow::clickRow(int row, Qt::KeyboardModifiers modifiers) {
    CExtendedListCtrl* rows = list();
    const QModelIndex index = rows->model()->index(row, 0);
    rows->scrollTo(index);
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, modifiers,
                      rows->visualRect(index).center());
}

} // namespace rheo::testing
