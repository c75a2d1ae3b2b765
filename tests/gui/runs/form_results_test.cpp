// Calculate and its outcomes, and the results list: deleting, recalling with the arrow keys,
// loading a file in front of the runs.
#include "form_fixture.hpp"

#include "core/session/session_texts.hpp"
#include "support/temp_dir.hpp"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>

#include <gtest/gtest.h>

namespace rheo::testing {
namespace {

using Ids = std::vector<QString>;

// A run outside the shear-rate window is refused with its message and changes nothing; the
// worked example is listed as the results list formats it and marks the test data changed.
TEST(FormRuns, CalculateListsAnAcceptedRunAndTellsWhyOthersAreRefused) {
    FormWindow form;
    ASSERT_TRUE(form.show());
    form.run(1, "too slow", "200", "18.2");
    EXPECT_EQ(form.dialogs.messages.size(), 1u);
    EXPECT_FALSE(form.session.testDataChanged());
    form.run(2, "SAE 5W-30", "200", "18");
    EXPECT_EQ(shownRows(form.list()),
              Texts{"SAE 5W-30|2|8.500|1.006|266.3|Yes|200.0|18.00|03/05/2014 09:07"});
    EXPECT_TRUE(form.session.testDataChanged());
    EXPECT_EQ(form.dialogs.messages.size(), 1u);
}

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
    EXPECT_EQ(form.dialogs.questions, Texts(2, session_texts::kDeleteSelectedResults));

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

// Up and Down move the selection and then recall the row they reached. Loading a file of
// three runs shows them in front of the listed ones, the selected run still selected.
TEST(FormRuns, UpAndDownRecallAndLoadedRunsGoInFront) {
    TempDir dir;
    const std::string file =
        dir.write("results.csv", "Sample Id Name,Cell Number,Viscosity (mPa*s),Shear Rate,"
                                 "Reynolds Number,Newtonian,Pressure (psi),Efflux Time(sec),"
                                 "Date Time\r\n"
                                 "L1,1,2.314,1.37,1336.4,1,75.0,15.41,5/14/2024 9:40\r\n"
                                 "L2,2,3.510,1.41,898.1,0,110.0,15.02,5/14/2024 9:41\r\n"
                                 "L3,3,4.057,1.39,772.8,0,120.0,15.37,5/14/2024 9:42\r\n");
    FormWindow form;
    ASSERT_TRUE(form.show());
    form.run(1, "first", "100", "18");
    form.run(2, "second", "200", "18");
    form.run(4, "third", "300", "20");
    clickRow(form.list(), 0);
    for (const auto& [key, id, cell] : {std::tuple{Qt::Key_Down, "second", 2},
                                        {Qt::Key_Down, "third", 4},
                                        {Qt::Key_Up, "second", 2}}) {
        press(form.list(), key);
        EXPECT_EQ(form.field("Sample ID Name")->text(), id);
        EXPECT_EQ(form.cellShown(), cell);
    }

    form.dialogs.willChoose(file);
    form.view.loadTestData();
    EXPECT_EQ(form.sampleIds(), (Ids{"L1", "L2", "L3", "first", "second", "third"}));
    EXPECT_EQ(form.list().selectedRows(), std::vector<std::size_t>{4});
}

} // namespace
} // namespace rheo::testing
