// The working cell, changed by a click on a cell number in the picture, the cell keys and a
// recalled run; the recommendation and T0 always follow it.
#include "form_fixture.hpp"

#include "core/model/field_rules.hpp"
#include "support/temp_dir.hpp"

namespace rheo::testing {
namespace {

// A click on a number box selects its cell; a click between the boxes changes nothing.
TEST(FormCells, AClickOnANumberBoxSelectsItsCell) {
    FormWindow form;
    ASSERT_TRUE(form.show());
    const CellPictureLayout& picture = form.view.pictureLayout();
    for (const int cell : {4, 2, 3, 1, 0}) {
        form.clickForm(picture.numberBox(cell).center());
        EXPECT_EQ(form.cellShown(), cell + 1);
    }
    form.clickForm(QPoint((picture.numberBox(0).right() + picture.numberBox(4).left()) / 2,
                          picture.numberBox(0).y()));
    EXPECT_EQ(form.cellShown(), 1);
    EXPECT_TRUE(form.dialogs.messages.empty());
}

// Before the cell changes, the fields are taken: 700 psi still being typed is refused with
// its message, 200 comes back with the focus, and the cell changes all the same; a sample ID
// and an estimate being typed are taken, the estimate recommended for the new cell.
TEST(FormCells, AClickOnANumberTakesTheFieldsFirst) {
    FormWindow form;
    ASSERT_TRUE(form.show());
    form.typeInto(kPressure, "700");
    form.clickForm(form.view.pictureLayout().numberBox(2).center());
    EXPECT_EQ(form.dialogs.messages, Texts{std::string(fieldMessage(NumberField::RunPressure))});
    EXPECT_TRUE(form.field(kPressure)->hasFocus());
    EXPECT_EQ(form.shown(), "cell 3: |200|18|2|Yes -> N/A, T0 18.00");
    form.typeInto("Sample ID Name", "typed, not left");
    form.typeInto("Estimated Viscosity", "8.5");
    form.clickForm(form.view.pictureLayout().numberBox(1).center());
    EXPECT_EQ(form.shown(), "cell 2: typed, not left|200|18|8.5|Yes -> 200.0 psi, T0 18.00");
    form.click(kCalculate);
    EXPECT_EQ(form.sampleIds(), std::vector<QString>{"typed; not left"});
    EXPECT_EQ(form.dialogs.messages.size(), 1u);
}

// Ctrl+Tab goes to the next cell and from 5 to 1, Ctrl+Shift+Tab back and from 1 to 5,
// without moving the focus; a value being typed is not taken but replaced by the value held.
// The keys pressed in another window leave the cell alone.
TEST(FormCells, TheCellKeysWrapAndLeaveTheFocusWhereItIs) {
    FormWindow form;
    ASSERT_TRUE(form.show());
    form.typeInto(kPressure, "300");
    QWidget& typing = *QApplication::focusWidget();
    for (const auto& [forward, cell] :
         {std::pair{true, 2}, {false, 1}, {false, 5}, {true, 1}, {false, 5}, {false, 4}}) {
        switchCell(typing, forward);
        EXPECT_EQ(form.cellShown(), cell);
        EXPECT_EQ(QApplication::focusWidget(), &typing);
    }
    EXPECT_EQ(form.shown(), "cell 4: |200|18|2|Yes -> 49.0 psi, T0 20.00");
    EXPECT_TRUE(form.dialogs.messages.empty());
    QLineEdit elsewhere;
    switchCell(elsewhere, true);
    EXPECT_EQ(form.cellShown(), 4);
}

// A click on a row puts its run into the form: a non-Newtonian run of cell 4 at 250 psi
// and 20.5 s brings its values and cell 4 with cell 4's recommendation and T0. A run from a
// file written elsewhere that names no cell of the instrument keeps the working cell.
TEST(FormCells, ARecalledRunBringsItsValuesAndItsCell) {
    TempDir dir;
    const std::string file =
        dir.write("foreign.csv", "Sample Id Name,Cell Number,Viscosity (mPa*s),Shear Rate,"
                                 "Reynolds Number,Newtonian,Pressure (psi),Efflux Time(sec),"
                                 "Date Time\r\n"
                                 "Cell nine,9,8.5,1.006,266.3,1,150.0,19.25,5/14/2024 9:40\r\n");
    FormWindow form;
    ASSERT_TRUE(form.show());
    form.run(4, "SAE 40", "250", "20.5", false);
    form.run(1, "SAE 10", "200", "18", true);
    clickRow(form.list(), 0);
    EXPECT_EQ(form.shown(), "cell 4: SAE 40|250|20.5|2|No -> 49.0 psi, T0 20.00");
    clickRow(form.list(), 1);
    EXPECT_EQ(form.shown(), "cell 1: SAE 10|200|18|2|Yes -> 55.6 psi, T0 18.00");

    form.pickCell(2);
    form.dialogs.willChoose(file);
    form.view.loadTestData();
    clickRow(form.list(), 0);
    EXPECT_EQ(form.shown(), "cell 2: Cell nine|150|19.25|2|Yes -> 55.6 psi, T0 18.00");
}

} // namespace
} // namespace rheo::testing
