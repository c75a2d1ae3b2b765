// The working cell, changed by the cell list, a click on a cell number in the picture, the
// cell keys and a recalled run; the recommendation and T0 always follow it.
#include "form_fixture.hpp"

#include "core/model/field_rules.hpp"
#include "support/temp_dir.hpp"

#include <QApplication>
#include <QComboBox>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace rheo::testing {
namespace {

// Cell 4 has T0 = 20 s: (9 / 20 + 2) / (20 * 0.0025) = 49.0 psi for 2 mPa*s.
const QString kCell4Recommendation = kNormalBand.arg("49.0");
const QString kCell1Recommendation = kNormalBand.arg("55.6");

// Picking a cell in the list shows its recommendation and T0; an uncalibrated cell shows
// "N/A".
TEST(FormCells, TheCellListSelectsTheWorkingCell) {
    FormWindow form;
    auto* cells = form.view.findChild<QComboBox*>();
    const std::tuple<int, QString, QString> picks[] = {
        {4, kCell4Recommendation, "20.00"},
        {3, "               N/A", "18.00"},
        {1, kCell1Recommendation, "18.00"},
    };
    for (const auto& [cell, recommendation, t0] : picks) {
        cells->setCurrentIndex(cell - 1);
        EXPECT_EQ(form.session.currentCell(), cell - 1);
        EXPECT_EQ(form.shownBeside("Recommended Pressure"), recommendation) << cell;
        EXPECT_EQ(form.shownBeside("Target Efflux Time:"), t0) << cell;
    }
}

// A click selects the cell whose number box holds it, on any edge of the box too; a click
// between the boxes changes nothing.
TEST(FormCells, AClickOnANumberBoxSelectsItsCellEdgesIncluded) {
    FormWindow form;
    ASSERT_TRUE(form.show());
    const CellPictureLayout& picture = form.view.pictureLayout();
    for (int cell = 4; cell >= 0; --cell) {
        const QRect box = picture.numberBox(cell);
        const QPoint corners[] = {box.topLeft(),
                                  QPoint(box.left() + box.width(), box.top() + box.height()),
                                  QPoint(box.left(), box.top() + box.height()), box.center()};
        for (const QPoint corner : corners) {
            form.session.selectCell(cell == 0 ? 1 : 0);
            form.clickForm(corner);
            EXPECT_EQ(form.cellShown(), cell + 1) << corner.x() << "," << corner.y();
        }
    }
    EXPECT_EQ(form.shownBeside("Recommended Pressure"), kCell1Recommendation);

    form.view.findChild<QComboBox*>()->setCurrentIndex(3);
    const QRect one = picture.numberBox(0);
    const QRect five = picture.numberBox(4);
    const QPoint misses[] = {
        QPoint((one.right() + five.left()) / 2, one.center().y()),
        QPoint(one.left() - 1, one.center().y()),
        QPoint(one.center().x(), one.top() + one.height() + 1),
        picture.pictureRect().center(),
    };
    for (const QPoint miss : misses) {
        form.clickForm(miss);
        EXPECT_EQ(form.cellShown(), 4) << miss.x() << "," << miss.y();
    }
    EXPECT_EQ(form.shownBeside("Recommended Pressure"), kCell4Recommendation);
    EXPECT_TRUE(form.dialogs.messages.empty());
}

// Before the cell changes, the fields are taken: 700 psi still being typed is refused with
// its message and 200 comes back, and the cell changes all the same; an estimate being
// typed is taken and recommended for the new cell.
TEST(FormCells, AClickOnANumberTakesTheFieldsFirst) {
    FormWindow form;
    ASSERT_TRUE(form.show());
    form.typeInto("Pressure (psi)", "700");
    form.clickForm(form.view.pictureLayout().numberBox(2).center());
    EXPECT_EQ(form.dialogs.messages,
              std::vector<std::string>{std::string(fieldMessage(NumberField::RunPressure))});
    EXPECT_EQ(form.fieldText("Pressure (psi)"), "200");
    EXPECT_TRUE(form.field("Pressure (psi)")->hasFocus());
    EXPECT_EQ(form.cellShown(), 3);

    form.typeInto("Sample ID Name", "typed, not left");
    form.typeInto("Estimated Viscosity", "8.5");
    form.clickForm(form.view.pictureLayout().numberBox(1).center());
    EXPECT_EQ(form.dialogs.messages.size(), 1u);
    EXPECT_EQ(form.cellShown(), 2);
    EXPECT_EQ(form.shownBeside("Recommended Pressure"), kNormalBand.arg("200.0"));
    EXPECT_EQ(form.fieldText("Sample ID Name"), "typed, not left");
    form.click("Calculate Viscosity, Shear Rate, and Reynolds Number");
    ASSERT_EQ(form.rowCount(), 1);
    EXPECT_EQ(form.rowTexts(0)[0], "typed; not left");
    EXPECT_EQ(form.rowTexts(0)[1], "2");
}

// Ctrl+Tab goes to the next cell and from 5 to 1, Ctrl+Shift+Tab back and from 1 to 5,
// without moving the focus; a value being typed is not taken but replaced by the value held.
TEST(FormCells, TheCellKeysWrapAndLeaveTheFocusWhereItIs) {
    FormWindow form;
    ASSERT_TRUE(form.show());
    form.typeInto("Pressure (psi)", "300");
    QWidget* typing = QApplication::focusWidget();
    const std::pair<bool, int> steps[] = {{true, 2}, {false, 1}, {false, 5},
                                          {true, 1}, {false, 5}, {false, 4}};
    for (const auto& [forward, cell] : steps) {
        if (forward)
            QTest::keyClick(typing, Qt::Key_Tab, Qt::ControlModifier);
        else
            QTest::keyClick(typing, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(form.cellShown(), cell);
        EXPECT_EQ(QApplication::focusWidget(), typing);
    }
    EXPECT_EQ(form.shownBeside("Recommended Pressure"), kCell4Recommendation);
    EXPECT_EQ(form.fieldText("Pressure (psi)"), "200");
    EXPECT_TRUE(form.dialogs.messages.empty());
}

// A click on a row puts its run into the form: a non-Newtonian run of cell 4 at 250 psi
// and 20.5 s brings 250, 20.5, "No" and cell 4 with cell 4's recommendation.
TEST(FormCells, ARecalledRunBringsItsValuesAndItsCell) {
    FormWindow form;
    ASSERT_TRUE(form.show());
    form.run(4, "SAE 40", 250, 20.5, false);
    form.run(1, "SAE 10", 200, 18, true);
    ASSERT_EQ(form.rowCount(), 2);
    EXPECT_EQ(form.cellShown(), 1);

    form.clickRow(0);
    EXPECT_EQ(form.fieldText("Sample ID Name"), "SAE 40");
    EXPECT_EQ(form.fieldText("Pressure (psi)"), "250");
    EXPECT_EQ(form.fieldText("Efflux Time (sec)"), "20.5");
    EXPECT_TRUE(qobject_cast<QRadioButton*>(form.control("No"))->isChecked());
    EXPECT_EQ(form.cellShown(), 4);
    EXPECT_EQ(form.shownBeside("Recommended Pressure"), kCell4Recommendation);
    EXPECT_EQ(form.shownBeside("Target Efflux Time:"), "20.00");

    form.clickRow(1);
    EXPECT_EQ(form.fieldText("Pressure (psi)"), "200");
    EXPECT_TRUE(qobject_cast<QRadioButton*>(form.control("Yes"))->isChecked());
    EXPECT_EQ(form.cellShown(), 1);
}

// A run from a file written elsewhere may name a cell that does not exist: its values are
// recalled, and the working cell stays the one the form shows.
TEST(FormCells, ARecalledRunOfNoCellKeepsTheWorkingCell) {
    TempDir dir;
    const std::string file =
        dir.write("foreign.csv", "Sample Id Name,Cell Number,Viscosity (mPa*s),Shear Rate,"
                                 "Reynolds Number,Newtonian,Pressure (psi),Efflux Time(sec),"
                                 "Date Time\r\n"
                                 "Cell nine,9,8.5,1.006,266.3,0,150.0,19.25,5/14/2024 9:40\r\n"
                                 "Cell zero,0,8.5,1.006,266.3,1,175.0,17.50,5/14/2024 9:41\r\n");
    FormWindow form;
    ASSERT_TRUE(form.show());
    form.view.findChild<QComboBox*>()->setCurrentIndex(3);
    form.dialogs.willChoose(file);
    form.view.loadTestData();
    ASSERT_EQ(form.rowCount(), 2);

    form.clickRow(0);
    EXPECT_EQ(form.fieldText("Sample ID Name"), "Cell nine");
    EXPECT_EQ(form.fieldText("Pressure (psi)"), "150");
    EXPECT_EQ(form.fieldText("Efflux Time (sec)"), "19.25");
    EXPECT_TRUE(qobject_cast<QRadioButton*>(form.control("No"))->isChecked());
    EXPECT_EQ(form.cellShown(), 4);
    EXPECT_EQ(form.session.currentCell(), 3);
    EXPECT_EQ(form.shownBeside("Recommended Pressure"), kCell4Recommendation);

    form.clickRow(1);
    EXPECT_EQ(form.fieldText("Sample ID Name"), "Cell zero");
    EXPECT_EQ(form.cellShown(), 4);
}

} // namespace
} // namespace rheo::testing
