// The cell data: the tab of the form's cell, the five fields with their ranges, the change
// of cell that applies them first, and what OK recomputes.
#include "gui/dialogs/cell_data_dialog.hpp"

#include "core/calibration/ab_regression.hpp"
#include "core/calibration/cell_data.hpp"
#include "core/calibration/volume_calculation.hpp"
#include "dialog_fixture.hpp"
#include "gui/widgets/number_edit.hpp"

#include <QApplication>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

namespace rheo::testing {
namespace {

const std::string kLengthMessage(fieldMessage(NumberField::CapillaryLength));
const std::string kDiameterMessage(fieldMessage(NumberField::CapillaryDiameter));
const std::string kWorkingMessage(fieldMessage(NumberField::WorkingShearRate));

// Radius 0.075 mm, length 15 mm, shear rates 1.4, 1.0 and 1.2 x 1e6 1/s, V 6 ml, T0 18 s.
CellCalibration geometryCell(int number) {
    return {number, 0.075, 15, 0, 0, 0, 6, 18, {}, {}, 1.4e6, 1.0e6, 1.2e6};
}

void addRuns(CellCalibration& cell, int count) {
    const struct {
        double known, pressure, effluxTime;
    } runs[] = {{7.05, 150, 20}, {8.5, 200, 18}, {9.4375, 250, 16}};
    for (int i = 0; i < count; ++i)
        AddAbPoint(cell, runs[i].known, runs[i].pressure, runs[i].effluxTime, true,
                   "oil" + std::to_string(i));
}

// Cell 1 with three standard runs, constants that no fit gave and three weighings; cell 2
// with two runs and constants of its own; cell 3 with a T0 but no weighing.
CalibrationData calibration() {
    CalibrationData data;
    CellCalibration& first = data.cells[0];
    first = geometryCell(1);
    addRuns(first, 3);
    first.constantA = 0.001;
    first.constantB = 1;
    for (double full : {16.0, 16.1, 15.9})
        AddVolumePoint(first, 10, full, 1);
    CellCalibration& second = data.cells[1];
    second = geometryCell(2);
    addRuns(second, 2);
    second.constantA = 0.004;
    second.constantB = 5;
    data.cells[2] = geometryCell(3);
    return data;
}

struct OpenCellData {
    explicit OpenCellData(int formCell) : bench(calibration()) {
        bench.session.selectCell(formCell);
        dialog.emplace(bench.session, bench.help);
    }
    NumberEdit* field(NumberField rule) { return dialog->field(rule); }
    QTabBar* tabs() { return dialog->cellTabs(); }
    void clickTab(int index) {
        QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(index).center());
    }
    void switchKey(bool back) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                        back ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
    }
    const CellCalibration& cell(int index) {
        return bench.session.calibration().cells[static_cast<std::size_t>(index)];
    }

    DialogBench bench;
    std::optional<CellDataDialog> dialog;
};

// The dialog opens on the form's cell although the menu starts the dialogs' cell at the
// first: its tab, its values (a radius of 0.075 is a diameter of 0.15), under the labels
// and units, and Tab visits the tabs, the fields top to bottom and the buttons.
TEST(CellDataDialog, OpensOnTheFormsCell) {
    OpenCellData open(2);
    ASSERT_TRUE(openDialog(*open.dialog));
    EXPECT_EQ(open.dialog->windowTitle(), "Cell Data");
    EXPECT_EQ(open.tabs()->count(), 5);
    EXPECT_EQ(open.tabs()->tabText(4), "Cell 5");
    EXPECT_EQ(open.tabs()->tabText(open.tabs()->currentIndex()), "Cell 3");
    EXPECT_EQ(open.bench.session.calibrationCell(), 2);
    const std::pair<NumberField, const char*> shown[] = {
        {NumberField::WorkingShearRate, "1.4"}, {NumberField::MinShearRate, "1"},
        {NumberField::MaxShearRate, "1.2"},     {NumberField::CapillaryDiameter, "0.15"},
        {NumberField::CapillaryLength, "15"},
    };
    for (const auto& [rule, text] : shown)
        EXPECT_EQ(open.field(rule)->text(), text);
    EXPECT_EQ(labelTexts(*open.dialog),
              (std::vector<QString>{
                  "Capillary Diameter:", "Capillary Length:", "Maximum Allowable Shear Rate:",
                  "Minimum Allowable ShearRate:", "Working Shear Rate:", "mm", "mm", "x 10e6  1/s",
                  "x 10e6  1/s", "x 10e6  1/s"}));
    EXPECT_EQ(open.field(NumberField::MinShearRate)->accessibleName(),
              "Minimum Allowable ShearRate");
    EXPECT_EQ(open.field(NumberField::WorkingShearRate)->accessibleDescription(), "x 10e6  1/s");

    const std::vector<QWidget*> expected = {open.tabs(),
                                            open.field(NumberField::WorkingShearRate),
                                            open.field(NumberField::MinShearRate),
                                            open.field(NumberField::MaxShearRate),
                                            open.field(NumberField::CapillaryDiameter),
                                            open.field(NumberField::CapillaryLength),
                                            open.dialog->okButton(),
                                            open.dialog->cancelButton(),
                                            open.dialog->helpButton()};
    EXPECT_EQ(tabChain(open.tabs(), 8), expected);
    EXPECT_TRUE(open.bench.dialogs.messages.empty());
    EXPECT_FALSE(open.dialog->edit().changed());
}

// The diameter is taken within 0 to 1 mm and held as a radius; a refused value is told,
// the diameter shown before comes back and the field keeps the focus.
TEST(CellDataDialog, DiameterIsTakenWithinItsRangeAsARadius) {
    const struct {
        const char* typed;
        double radius;
        std::string message; // empty when accepted
    } cases[] = {
        {"1.2", 0.075, kDiameterMessage},
        {"-0.1", 0.075, kDiameterMessage},
        {"1.0", 0.5, ""},
        {"0", 0.0, ""},
        {"0.15", 0.075, ""},
        {"wide", 0.075, kNotANumberMessage},
    };
    for (const auto& c : cases) {
        OpenCellData open(2);
        ASSERT_TRUE(openDialog(*open.dialog));
        NumberEdit* diameter = open.field(NumberField::CapillaryDiameter);
        typeAndLeave(diameter, c.typed);
        EXPECT_EQ(open.cell(2).capillaryRadius, c.radius) << c.typed;
        EXPECT_EQ(open.bench.dialogs.messages, c.message.empty()
                                                   ? std::vector<std::string>{}
                                                   : std::vector<std::string>{c.message})
            << c.typed;
        if (c.message == kDiameterMessage) {
            EXPECT_EQ(diameter->text(), "0.15") << c.typed;
            EXPECT_TRUE(diameter->hasFocus()) << c.typed;
        }
        // Retyping the diameter shown is no change.
        EXPECT_EQ(open.dialog->edit().changed(), c.radius != 0.075) << c.typed;
    }
}

// A change of cell applies all five fields to the cell still shown, in the order length,
// diameter, maximum, minimum, working, telling each refused one; with one refused the tab
// stays where it was, whether clicked or reached by the keys.
TEST(CellDataDialog, RefusedFieldKeepsTheTab) {
    OpenCellData open(2);
    ASSERT_TRUE(openDialog(*open.dialog));
    NumberEdit* length = open.field(NumberField::CapillaryLength);
    typeInto(length, "150");
    open.clickTab(0);
    EXPECT_EQ(open.bench.dialogs.messages, std::vector<std::string>{kLengthMessage});
    EXPECT_EQ(open.tabs()->currentIndex(), 2);
    EXPECT_EQ(open.bench.session.calibrationCell(), 2);
    EXPECT_EQ(length->text(), "15");
    EXPECT_TRUE(length->hasFocus());

    open.bench.dialogs.messages.clear();
    open.field(NumberField::WorkingShearRate)->setText("3");
    length->setText("101");
    open.field(NumberField::MinShearRate)->setText("0.9");
    open.switchKey(false);
    EXPECT_EQ(open.bench.dialogs.messages,
              (std::vector<std::string>{kLengthMessage, kWorkingMessage}));
    EXPECT_EQ(open.tabs()->currentIndex(), 2);
    EXPECT_EQ(open.cell(2).minShearRate, 0.9e6); // accepted on the way
    EXPECT_EQ(open.cell(2).capillaryLength, 15.0);
    EXPECT_EQ(open.cell(2).workingShearRate, 1.4e6);
}

// Ctrl+Tab on cell 5 writes what cell 5's fields hold, then shows cell 1; Ctrl+Shift+Tab
// goes back round to cell 5.
TEST(CellDataDialog, CellKeysWrapAfterApplyingTheFields) {
    OpenCellData open(4);
    ASSERT_TRUE(openDialog(*open.dialog));
    NumberEdit* working = open.field(NumberField::WorkingShearRate);
    EXPECT_EQ(working->text(), "0");
    typeInto(working, "1.5");
    open.switchKey(false);
    EXPECT_EQ(open.cell(4).workingShearRate, 1.5e6);
    EXPECT_EQ(open.tabs()->currentIndex(), 0);
    EXPECT_EQ(open.bench.session.calibrationCell(), 0);
    EXPECT_EQ(working->text(), "1.4");
    EXPECT_EQ(open.field(NumberField::CapillaryDiameter)->text(), "0.15");
    EXPECT_TRUE(working->hasFocus());

    open.switchKey(true);
    EXPECT_EQ(open.tabs()->currentIndex(), 4);
    EXPECT_EQ(working->text(), "1.5");
    EXPECT_EQ(open.field(NumberField::CapillaryDiameter)->text(), "0");
    EXPECT_TRUE(open.bench.dialogs.messages.empty());
}

// OK after a change of geometry: every weighing's T0 again and the cell's T0 their mean (0
// for a cell without weighings), then a new fit for a cell with three runs; a cell with two
// keeps its constants.
TEST(CellDataDialog, OkAfterAGeometryChangeRecomputes) {
    OpenCellData open(0);
    ASSERT_TRUE(openDialog(*open.dialog));
    typeAndLeave(open.field(NumberField::CapillaryDiameter), "0.16");
    QTest::mouseClick(open.dialog->okButton(), Qt::LeftButton);
    EXPECT_EQ(open.dialog->result(), QDialog::Accepted);

    CalibrationData expected = calibration();
    writeCellDataField(expected.cells[0], NumberField::CapillaryDiameter, 0.16);
    recomputeAfterCellDataChange(expected);
    const CalibrationData& after = open.bench.session.calibration();
    EXPECT_EQ(after, expected);
    const CalibrationData before = calibration();
    ASSERT_EQ(before.cells[0].abPoints.size(), 3u);
    ASSERT_EQ(before.cells[0].volumePoints.size(), 3u);
    ASSERT_EQ(before.cells[1].abPoints.size(), 2u);
    EXPECT_NE(after.cells[0].targetEffluxTime, before.cells[0].targetEffluxTime);
    // The runs lie on A = 0.0025, B = 9.
    EXPECT_NEAR(after.cells[0].constantA, 0.0025, 1e-12);
    EXPECT_NEAR(after.cells[0].constantB, 9, 1e-9);
    EXPECT_EQ(after.cells[1].constantA, 0.004);
    EXPECT_EQ(after.cells[1].constantB, 5.0);
    EXPECT_EQ(after.cells[2].targetEffluxTime, 0.0);
    EXPECT_TRUE(open.bench.session.calibrationChanged());
}

// Cancel after edits in three cells puts every cell back as it was.
TEST(CellDataDialog, CancelRestoresEveryCell) {
    OpenCellData open(2);
    ASSERT_TRUE(openDialog(*open.dialog));
    typeAndLeave(open.field(NumberField::CapillaryDiameter), "0.2");
    open.clickTab(0);
    typeAndLeave(open.field(NumberField::CapillaryLength), "20");
    open.switchKey(false);
    typeInto(open.field(NumberField::WorkingShearRate), "1.1");
    open.switchKey(false);
    const CalibrationData& data = open.bench.session.calibration();
    EXPECT_EQ(data.cells[2].capillaryRadius, 0.1);
    EXPECT_EQ(data.cells[0].capillaryLength, 20.0);
    EXPECT_EQ(data.cells[1].workingShearRate, 1.1e6);
    QTest::mouseClick(open.dialog->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(open.dialog->result(), QDialog::Rejected);
    EXPECT_EQ(data, calibration());
    EXPECT_FALSE(open.bench.session.calibrationChanged());
}

} // namespace
} // namespace rheo::testing
