// Calculate and its three outcomes, and the results list: deleting, recalling with the
// arrow keys, loading a file in front of the runs.
#include "form_fixture.hpp"

#include "support/temp_dir.hpp"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace rheo::testing {
namespace {

const QString kCalculate = QStringLiteral("Calculate Viscosity, Shear Rate, and Reynolds Number");

std::vector<QString> column(const FormWindow& form, int index) {
    std::vector<QString> texts;
    for (int row = 0; row < form.rowCount(); ++row)
        texts.push_back(form.rowTexts(row)[static_cast<std::size_t>(index)]);
    return texts;
}

// The worked example is accepted and listed, and marks the test data changed; a cell that
// is not calibrated and a run outside the shear-rate window are refused with their message
// and change nothing.
TEST(FormRuns, CalculateListsAnAcceptedRunAndTellsWhyOthersAreRefused) {
    FormWindow form;
    ASSERT_TRUE(form.show());
    form.run(2, "SAE 5W-30", 200, 18);
    ASSERT_EQ(form.rowCount(), 1);
    EXPECT_EQ(form.rowTexts(0),
              (std::vector<QString>{"SAE 5W-30", "2", "8.500", "1.006", "266.3", "Yes", "200.0",
                                    "18.00", "03/05/2014 09:07"}));
    EXPECT_TRUE(form.session.testDataChanged());
    EXPECT_TRUE(form.dialogs.messages.empty());

    FormWindow refusals;
    ASSERT_TRUE(refusals.show());
    refusals.run(3, "uncalibrated", 200, 18);
    refusals.run(1, "too slow", 200, 18.2);
    const std::vector<std::string> expected = {
        notCalibratedMessage(missingFields(refusals.session.calibration().cells[2])),
        "Sample Run did not fall within\nShearRateMin 1.000 and ShearRateMax 1.200.\n"
        "Run the sample again at 203.86 psi."}; // ((9/18 + 8.6055) / (18 * 0.0025)) * 1.0075
    EXPECT_EQ(refusals.dialogs.messages, expected);
    EXPECT_EQ(refusals.rowCount(), 0);
    EXPECT_FALSE(refusals.session.testDataChanged());
}

// Three selected rows are deleted after one question; the others stay in order. Without a
// selection nothing is asked; No keeps everything.
TEST(FormRuns, DeleteAsksOnceForTheSelectedRows) {
    FormWindow form;
    ASSERT_TRUE(form.show());
    for (const char* id : {"A", "B", "C", "D", "E"})
        form.run(1, id, 200, 18);
    CExtendedListCtrl* list = form.list();
    list->setFocus();

    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_TRUE(form.dialogs.questions.empty());

    list->selectRows({0, 2, 3});
    form.dialogs.willAnswer(false);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(form.rowCount(), 5);

    form.dialogs.willAnswer(true);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(form.dialogs.questions,
              std::vector<std::string>(2, "Are you sure you want to delete the selected data?"));
    EXPECT_EQ(column(form, 0), (std::vector<QString>{"B", "E"}));
    EXPECT_EQ(form.session.results().size(), 2u);
    EXPECT_TRUE(list->selectedRows().empty());
}

// The list's menu deletes the same way, after the same question; the form offers the same
// menu while the list has the focus and a selection.
TEST(FormRuns, TheListMenuDeletesTheSelectedRows) {
    FormWindow form;
    ASSERT_TRUE(form.show());
    for (const char* id : {"A", "B", "C"})
        form.run(1, id, 200, 18);
    std::vector<QString> offered;
    form.list()->setMenuRunner([&offered](QMenu& menu, const QPoint&) -> QAction* {
        for (QAction* action : menu.actions())
            offered.push_back(action->text());
        return menu.actions().value(0);
    });
    form.clickRow(1);
    form.dialogs.willAnswer(true);
    const QRect row = form.list()->visualRect(form.list()->model()->index(1, 0));
    emit form.list()->customContextMenuRequested(row.center());
    EXPECT_EQ(offered, std::vector<QString>{"Delete"});
    EXPECT_EQ(form.dialogs.questions.size(), 1u);
    EXPECT_EQ(column(form, 0), (std::vector<QString>{"A", "C"}));

    const QPoint background = form.view.timerTextRect().center();
    QContextMenuEvent onForm(QContextMenuEvent::Mouse, background,
                             form.view.mapToGlobal(background));
    QApplication::sendEvent(&form.view, &onForm); // nothing selected: no menu
    EXPECT_EQ(offered.size(), 1u);
    form.clickRow(0);
    form.dialogs.willAnswer(true);
    QApplication::sendEvent(&form.view, &onForm);
    EXPECT_EQ(offered.size(), 2u);
    EXPECT_EQ(column(form, 0), std::vector<QString>{"C"});
}

// Up and Down move the selection and then recall the row they reached.
TEST(FormRuns, UpAndDownRecallTheRowReached) {
    FormWindow form;
    ASSERT_TRUE(form.show());
    form.run(1, "first", 100, 18);
    form.run(2, "second", 200, 18);
    form.run(4, "third", 300, 20);
    form.clickRow(0);
    EXPECT_EQ(form.fieldText("Sample ID Name"), "first");

    const std::tuple<Qt::Key, QString, int> keys[] = {
        {Qt::Key_Down, "second", 2}, {Qt::Key_Down, "third", 4}, {Qt::Key_Up, "second", 2}};
    for (const auto& [key, id, cell] : keys) {
        QTest::keyClick(form.list(), key);
        QApplication::processEvents();
        EXPECT_EQ(form.fieldText("Sample ID Name"), id);
        EXPECT_EQ(form.cellShown(), cell);
    }
}

// Loading a file of three runs while two are listed shows five, the loaded ones first, and
// leaves the change flag as it was; a refused file changes nothing.
TEST(FormRuns, LoadedRunsGoInFrontOfTheList) {
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
    form.run(1, "R1", 200, 18);
    form.run(1, "R2", 200, 18);
    form.list()->selectRows({1});

    form.dialogs.willChoose(file);
    form.view.loadTestData();
    EXPECT_EQ(column(form, 0), (std::vector<QString>{"L1", "L2", "L3", "R1", "R2"}));
    EXPECT_EQ(form.rowTexts(1)[5], "No");
    EXPECT_EQ(form.list()->selectedRows(), std::vector<std::size_t>{4});
    EXPECT_TRUE(form.session.testDataChanged()); // from the two runs, not the load

    form.dialogs.willChoose(dir.file("results.txt"));
    form.view.loadTestData();
    EXPECT_EQ(form.rowCount(), 5);
    EXPECT_EQ(form.dialogs.messages.size(), 1u);
}

} // namespace
} // namespace rheo::testing
