// The working cell, changed by a click on a cell number in the picture and the cell keys;
// the recommendation and T0 always follow it. (A recalled run's cell: form_runs_test.)
#include "form_fixture.hpp"

#include "core/model/field_rules.hpp"

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

} // namespace
} // namespace rheo::testing
