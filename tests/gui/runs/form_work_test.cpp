// SPDX-License-Identifier: MIT
// The form at work: its fields, taken when they are left; the working cell, changed by a
// click on a cell number in the picture and by the cell keys, the recommendation and T0
// following it; and the runs the fields feed: Calculate and its outcomes, and the results
// list: deleting, recalling a run with its cell, loading a file in front of the runs.

#include "core/model/field_rules.hpp"
#include "form_fixture.hpp"
#include "support/temp_dir.hpp"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QMenu>

namespace rheo::testing {
namespace {

// Each field takes a value of its range when it is left, and moves the focus on. A value out
// of it is refused with the field's message (text that is no number: the number field's test):
// the previous value comes back and the field keeps the focus.
TEST(FormFields, EachFieldTakesItsRangeWhenLeft) {
    const std::tuple<QString, NumberField, const char*, const char*> edges[] = {
        {"Efflux Time (sec)", NumberField::RunEffluxTime, "0.01", "0"},
        {kPressure, NumberField::RunPressure, "600", "-200"},
        {"Estimated Viscosity", NumberField::EstimatedViscosity, "40", "40.001"},
    };
    for (const auto& [name, rule, accepted, refused] : edges) {
        SCOPED_TRACE(name.toStdString() + " " + refused);
        FormWindow form;
        ASSERT_TRUE(form.show());
        form.typeAndLeave(name, accepted);
        EXPECT_EQ(form.field(name)->text(), accepted);
        EXPECT_FALSE(form.field(name)->hasFocus());
        form.typeAndLeave(name, refused);
        EXPECT_EQ(form.dialogs.messages, Texts{std::string(fieldMessage(rule))});
        EXPECT_EQ(form.field(name)->text(), accepted);
        EXPECT_TRUE(form.field(name)->hasFocus());
    }
}

// A click on Calculate that takes the focus from a field holding 700 psi is lost behind the
// message: no run; the next click runs at 200 and lists the run as the results list formats
// it, its sample ID typed in UTF-8 and held in the program's Windows-1252. The estimate gives
// the recommendation.
TEST(FormFields, ARefusedValueNeverReachesARunAndTheFormShowsWhatWasTaken) {
    FormWindow form;
    ASSERT_TRUE(form.show());
    form.typeAndLeave("Sample ID Name", "SAE 5W-30, \u20ac 12 batch");
    form.typeInto(kPressure, "700");
    form.click(kCalculate);
    EXPECT_EQ(form.dialogs.messages.size(), 1u);
    EXPECT_TRUE(form.sampleIds().empty());
    EXPECT_TRUE(form.field(kPressure)->hasFocus());
    EXPECT_FALSE(qobject_cast<QAbstractButton*>(named(form.view, kCalculate))->isDown());

    form.click(kCalculate);
    EXPECT_EQ(shownRows(form.list()),
              Texts{"SAE 5W-30; \u20ac 12 b|1|8.500|1.006|266.3|Yes|200.0|18.00|03/05/2014 09:07"});
    EXPECT_EQ(form.session.results()[0].sampleId, "SAE 5W-30; \x80 12 b");
    form.typeAndLeave("Estimated Viscosity", "8.5");
    EXPECT_EQ(form.shown(), "cell 1: SAE 5W-30; \u20ac 12 b|200|18|8.5|Yes -> 200.0 psi, T0 18.00");
}

using Ids = std::vector<QString>;

// Without a selection the Delete key asks nothing; three selected rows are deleted after one
// question (No keeps everything), the others staying in order. The list's menu, also asked
// for on the form while the list has the focus and a selection, deletes after the question.
TEST(FormRuns, DeleteAsksOnceForTheSelectedRows) {
    FormWindow form;
    ASSERT_TRUE(form.show());
    for (const char* id : {"A", "B", "C", "D", "E", "F"})
        form.run(1, id, "200", "18");
    CExtendedListCtrl& list = form.list();
    list.setFocus();
    press(list, Qt::Key_Delete);
    EXPECT_TRUE(form.dialogs.questions.empty());
    list.selectRows({0, 2, 3});
    form.dialogs.willAnswer(false);
    press(list, Qt::Key_Delete);
    EXPECT_EQ(form.sampleIds().size(), 6u);
    form.dialogs.willAnswer(true);
    press(list, Qt::Key_Delete);
    EXPECT_EQ(form.sampleIds(), (Ids{"B", "E", "F"}));
    EXPECT_EQ(form.dialogs.questions,
              Texts(2, "Are you sure you want to delete the selected data?"));

    list.setMenuRunner([](QMenu& menu, const QPoint&) { return menu.actions().value(0); });
    clickRow(list, 1);
    form.dialogs.willAnswer(true);
    emit list.customContextMenuRequested(QPoint(5, 5));
    EXPECT_EQ(form.sampleIds(), (Ids{"B", "F"}));
    const QPoint background = form.view.timerTextRect().center();
    QContextMenuEvent onForm(QContextMenuEvent::Mouse, background,
                             form.view.mapToGlobal(background));
    QApplication::sendEvent(&form.view, &onForm); // nothing selected: no menu
    clickRow(list, 0);
    form.dialogs.willAnswer(true);
    QApplication::sendEvent(&form.view, &onForm);
    EXPECT_EQ(form.sampleIds(), Ids{"F"});
    EXPECT_EQ(form.dialogs.questions.size(), 4u);
}

// A click on a row, or Up and Down once they moved the selection, put its run into the form
// with its cell, that cell's recommendation and T0: a non-Newtonian run of cell 4 at 250 psi
// and 20.5 s brings cell 4. Loading a file of three runs shows them in front of the listed
// ones, with no row selected (Delete then asks nothing); a run from a file written elsewhere that
// names no cell of the instrument keeps the working cell.
TEST(FormRuns, RecalledRunsBringTheirValuesAndCellLoadedRunsGoInFront) {
    TempDir dir;
    const std::string file =
        dir.write("results.csv", "Sample Id Name,Cell Number,Viscosity (mPa*s),Shear Rate,"
                                 "Reynolds Number,Newtonian,Pressure (psi),Efflux Time(sec),"
                                 "Date Time\r\n"
                                 "L1,1,2.314,1.37,1336.4,1,75.0,15.41,5/14/2024 9:40\r\n"
                                 "Cell nine,9,8.5,1.006,266.3,1,150.0,19.25,5/14/2024 9:40\r\n"
                                 "L3,3,4.057,1.39,772.8,0,120.0,15.37,5/14/2024 9:42\r\n");
    FormWindow form;
    ASSERT_TRUE(form.show());
    form.run(4, "SAE 40", "250", "20.5", false);
    form.run(1, "SAE 10", "200", "18", true);
    form.run(2, "second", "200", "18");
    clickRow(form.list(), 0);
    EXPECT_EQ(form.shown(), "cell 4: SAE 40|250|20.5|2|No -> 49.0 psi, T0 20.00");
    press(form.list(), Qt::Key_Down);
    EXPECT_EQ(form.shown(), "cell 1: SAE 10|200|18|2|Yes -> 55.6 psi, T0 18.00");
    press(form.list(), Qt::Key_Down);
    EXPECT_EQ(form.cellShown(), 2);
    press(form.list(), Qt::Key_Up);
    EXPECT_EQ(form.field("Sample ID Name")->text(), "SAE 10");

    form.dialogs.willChoose(file);
    form.view.loadTestData();
    EXPECT_EQ(form.sampleIds(), (Ids{"L1", "Cell nine", "L3", "SAE 40", "SAE 10", "second"}));
    EXPECT_EQ(form.list().selectedRows(), std::vector<std::size_t>{});
    press(form.list(), Qt::Key_Delete);
    EXPECT_TRUE(form.dialogs.questions.empty());
    form.view.findChild<QComboBox*>()->setCurrentIndex(1);
    clickRow(form.list(), 1);
    EXPECT_EQ(form.shown(), "cell 2: Cell nine|150|19.25|2|Yes -> 55.6 psi, T0 18.00");
}

// A click on a number box selects its cell (which box is which cell is the picture's), a
// click between the boxes changes nothing. Before the cell changes, the fields are taken: 700
// psi still being typed is refused with its message, 200 comes back with the focus, and the
// cell changes all the same; a sample ID and an estimate being typed are taken, the estimate
// recommended for the new cell.
TEST(FormCells, AClickOnANumberSelectsItsCellAndTakesTheFieldsFirst) {
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
    const CellPictureLayout& picture = form.view.pictureLayout();
    form.clickForm(QPoint((picture.numberBox(0).right() + picture.numberBox(4).left()) / 2,
                          picture.numberBox(0).y()));
    EXPECT_EQ(form.cellShown(), 2);
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
