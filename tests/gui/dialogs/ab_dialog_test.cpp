// The A/B calculation dialog as the operator works it: standard runs added through the fields
// and listed with their fit, the labels under the list, the field checks, name cleaning, a
// run recalled into the fields, the deletions with their questions and notices, the cell tabs
// and the plot of the fit.

#include "gui/dialogs/ab_dialog.hpp"

#include "core/calibration/ab_regression.hpp"
#include "core/calibration/point_texts.hpp"
#include "gui/widgets/ab_fit_plot.hpp"
#include "gui/widgets/extended_list_ctrl.hpp"
#include "gui/widgets/number_edit.hpp"

#include "dialog_bench.hpp"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

namespace rheo::testing {
namespace {

using Texts = std::vector<std::string>;

const char* const kNotice = "The constants A and B are determined through regression.\n"
                            "At least 4 data points are needed for an accurate result.\n"
                            "Please add more data.";

struct Run {
    const char* known;
    const char* pressure;
    const char* effluxTime;
    const char* name;
    bool newtonian;
};

// The four standards of the worked fit in a cell of V = 6 ml, r = 0.075 mm, T0 = 18 s.
const Run kWorkedRuns[] = {{"7.0", "150", "20.0", "Oil1", true},
                           {"8.6", "200", "18.0", "Oil2", true},
                           {"9.4", "250", "16.0", "Oil3", true},
                           {"10.7", "300", "15.0", "Oil4", true}};

std::string labels(const ABDialog& dialog) {
    return shownText(*dialog.aLabel()) + " " + shownText(*dialog.bLabel()) + " " +
           shownText(*dialog.rmsLabel());
}

void typeRun(ABDialog& dialog, const Run& run) {
    typeAndLeave(*dialog.knownViscosityField(), run.known);
    typeAndLeave(*dialog.pressureField(), run.pressure);
    typeAndLeave(*dialog.effluxTimeField(), run.effluxTime);
    typeAndLeave(*dialog.standardNameField(), run.name);
    click(run.newtonian ? *dialog.newtonianYes() : *dialog.newtonianNo());
}

void addRun(ABDialog& dialog, const Run& run) {
    typeRun(dialog, run);
    click(*dialog.addButton());
}

// A calibration whose cell at `index` holds the worked runs, the last one not Newtonian.
CalibrationData withWorkedRuns(int index) {
    CalibrationData data = readyCalibration();
    CellCalibration& cell = data.cells[static_cast<std::size_t>(index)];
    for (const Run& run : kWorkedRuns)
        AddAbPoint(cell, std::stod(run.known), std::stod(run.pressure), std::stod(run.effluxTime),
                   &run != &kWorkedRuns[3], run.name);
    return data;
}

// Opens on the form's cell with the stored values, nothing recomputed; the fields start at
// 2, 200, 18, no name and Yes; each column is as wide as its heading times its factor.
TEST(ABDialog, OpensOnTheFormsCellWithItsStoredValues) {
    CalibrationData data = withWorkedRuns(2);
    data.cells[2].constantA = 0.5; // stored values are shown as they are
    Bench bench(data, 2);
    ABDialog dialog(bench.session, bench.help);
    EXPECT_EQ(dialog.windowTitle(), "AB Calculation");
    EXPECT_EQ(dialog.cellTabs()->currentIndex(), 2);
    EXPECT_EQ(dialog.cellTabs()->tabText(2), "Cell 3");
    EXPECT_EQ(bench.session.calibrationCell(), 2);
    EXPECT_EQ(labels(dialog), "0.500000 26.907721 1.18");
    EXPECT_EQ(shownText(*dialog.targetEffluxTimeLabel()), "18.00");
    EXPECT_EQ(shownRows(*dialog.pointsList()).size(), 4u);
    EXPECT_EQ(shownRows(*dialog.pointsList())[3], "Oil4|10.700|300.0|15.00|10.928|2.13|248.6|No");
    EXPECT_EQ(dialog.knownViscosityField()->text(), "2");
    EXPECT_EQ(dialog.pressureField()->text(), "200");
    EXPECT_EQ(dialog.effluxTimeField()->text(), "18");
    EXPECT_EQ(dialog.standardNameField()->text(), "");
    EXPECT_TRUE(dialog.newtonianYes()->isChecked());
    expectColumns(*dialog.pointsList(), {{"Std Name", 1.5},
                                         {"Known Visc (mPa*s)", 0.85},
                                         {"Pressure (psi)", 0.95},
                                         {"Efflux Time (sec)", 0.85},
                                         {"Calc Visc (mPa*s)", 0.85},
                                         {"% Diff", 1.3},
                                         {"Reynolds #", 1.1},
                                         {"Newtonian", 0.97}});
}

// The worked example typed in run by run: no fit and "0.00000000" for the first two runs,
// the fit of three, then of four; the notice up to three runs, told once the list shows the
// new run and the labels the new fit.
TEST(ABDialog, WorkedStandardsGiveTheirFitRunByRun) {
    Bench bench(readyCalibration());
    ABDialog dialog(bench.session, bench.help);
    ASSERT_TRUE(showActive(dialog));
    bench.dialogs.watch = [&] {
        return std::to_string(shownRows(*dialog.pointsList()).size()) + " " + labels(dialog);
    };
    const std::string afterEachRun[] = {"1 0.00000000 0.00000000 0.00000000",
                                        "2 0.00000000 0.00000000 0.00000000",
                                        "3 0.002919 35.311586 0.56", "4 0.002783 26.907721 0.54"};
    std::vector<std::string> noticesSeenAt;
    for (std::size_t i = 0; i < 4; ++i) {
        addRun(dialog, kWorkedRuns[i]);
        EXPECT_EQ(std::to_string(shownRows(*dialog.pointsList()).size()) + " " + labels(dialog),
                  afterEachRun[i]);
        if (i < 3)
            noticesSeenAt.push_back(afterEachRun[i]);
        if (i == 0) {
            EXPECT_EQ(shownRows(*dialog.pointsList())[0],
                      "Oil1|7.000|150.0|20.00|0.000|0.00|0.0|Yes");
        }
    }
    EXPECT_EQ(bench.dialogs.messages, Texts(3, kNotice));
    EXPECT_EQ(bench.dialogs.seenAtMessages, noticesSeenAt);
    EXPECT_EQ(shownRows(*dialog.pointsList()),
              Texts({"Oil1|7.000|150.0|20.00|7.004|0.06|290.9|Yes",
                     "Oil2|8.600|200.0|18.00|8.525|-0.88|265.5|Yes",
                     "Oil3|9.400|250.0|16.00|9.451|0.54|269.4|Yes",
                     "Oil4|10.700|300.0|15.00|10.731|0.29|253.1|Yes"}));
    EXPECT_EQ(shownText(*dialog.targetEffluxTimeLabel()), "18.00");
}

// A run the fit refuses is told with the refusal and changes nothing.
TEST(ABDialog, RefusedRunsAreToldAndLeaveTheCellAlone) {
    CalibrationData data = readyCalibration();
    data.cells[1].cellVolume = 0;
    Bench bench(data);
    ABDialog dialog(bench.session, bench.help);
    ASSERT_TRUE(showActive(dialog));
    addRun(dialog, {"7.0", "150", "22.0", "Slow", true}); // 22.2 % above T0
    EXPECT_EQ(bench.dialogs.messages,
              Texts({"The efflux time was not within +-20% of the target efflux time.\n"
                     "Please run the sample again at a higher pressure."}));
    QTest::keyClick(dialog.pointsList(), Qt::Key_Tab, Qt::ControlModifier); // to cell 2
    click(*dialog.addButton());
    EXPECT_EQ(bench.dialogs.messages.back(),
              "The capillary radius, cell volume, and T0 are needed for this calculation.");
    EXPECT_EQ(bench.session.calibration(), data);
    EXPECT_TRUE(shownRows(*dialog.pointsList()).empty());
}

// Each number field refuses what its rule refuses when it is left: the message, the value
// held before, the focus back in the field. The edges themselves are accepted.
TEST(ABDialog, NumberFieldsAreCheckedWhenLeft) {
    const std::string knownMessage =
        "Enter a non zero and non negative value below 40 mPa*s for the Known Viscosity.";
    const std::string pressureMessage = "Enter a non zero and non negative value for the "
                                        "Pressure.\nPressures above 600 PSI are also "
                                        "inappropriate.";
    const std::string effluxMessage = "Enter a non zero and non negative value for the Efflux "
                                      "Time.\nValues above 60 minutes are also not appropriate.";
    struct Case {
        NumberEdit* (ABDialog::*field)() const;
        const char* typed;
        const std::string* message; // none when accepted
    };
    const Case cases[] = {
        {&ABDialog::knownViscosityField, "40", nullptr},
        {&ABDialog::knownViscosityField, "40.01", &knownMessage},
        {&ABDialog::knownViscosityField, "0", &knownMessage},
        {&ABDialog::pressureField, "600", nullptr},
        {&ABDialog::pressureField, "600.1", &pressureMessage},
        {&ABDialog::effluxTimeField, "3600", nullptr},
        {&ABDialog::effluxTimeField, "3600.01", &effluxMessage},
        {&ABDialog::effluxTimeField, "-1", &effluxMessage},
    };
    for (const Case& c : cases) {
        Bench bench;
        ABDialog dialog(bench.session, bench.help);
        ASSERT_TRUE(showActive(dialog));
        NumberEdit& field = *(dialog.*c.field)();
        const QString before = field.text();
        typeAndLeave(field, c.typed);
        EXPECT_EQ(field.text(), c.message ? before : QString(c.typed)) << c.typed;
        EXPECT_EQ(field.hasFocus(), c.message != nullptr) << c.typed;
        EXPECT_EQ(bench.dialogs.messages, c.message ? Texts{*c.message} : Texts{}) << c.typed;
    }
}

// Leaving the name field removes its blanks and keeps the first 32 characters; Add stores
// the name so cleaned, even when the field was never left.
TEST(ABDialog, StandardNamesAreJoinedAndCut) {
    Bench bench(readyCalibration());
    ABDialog dialog(bench.session, bench.help);
    ASSERT_TRUE(showActive(dialog));
    QLineEdit& name = *dialog.standardNameField();
    typeAndLeave(name, "SAE 30 Oil");
    EXPECT_EQ(name.text(), "SAE30Oil");
    typeAndLeave(name, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn");
    EXPECT_EQ(name.text(), "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdef");

    name.setText("Reference Oil 7");
    dialog.addButton()->click(); // pressed without taking the focus
    EXPECT_EQ(name.text(), "ReferenceOil7");
    EXPECT_EQ(bench.session.calibration().cells[0].abPoints.at(0).standardName, "ReferenceOil7");
}

// A click on a row, and Up or Down in the list, show the first selected run in the fields
// and the Newtonian choice; Home and End move the selection without recalling.
TEST(ABDialog, SelectedRunsAreRecalledIntoTheFields) {
    Bench bench(withWorkedRuns(0));
    ABDialog dialog(bench.session, bench.help);
    ASSERT_TRUE(showActive(dialog));
    CExtendedListCtrl& list = *dialog.pointsList();
    auto fields = [&] {
        return (QStringList{dialog.knownViscosityField()->text(), dialog.pressureField()->text(),
                            dialog.effluxTimeField()->text(), dialog.standardNameField()->text(),
                            dialog.newtonianYes()->isChecked() ? "Yes" : "No"})
            .join(' ')
            .toStdString();
    };
    clickRow(list, 0);
    clickRow(list, 2, Qt::ControlModifier);
    EXPECT_EQ(fields(), "7 150 20 Oil1 Yes"); // the first selected row
    QTest::keyClick(&list, Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_EQ(fields(), "10.7 300 15 Oil4 No");
    QTest::keyClick(&list, Qt::Key_Up);
    QApplication::processEvents();
    EXPECT_EQ(fields(), "9.4 250 16 Oil3 Yes");
    QTest::keyClick(&list, Qt::Key_End);
    QTest::keyClick(&list, Qt::Key_Home);
    QApplication::processEvents();
    EXPECT_EQ(list.selectedRows(), std::vector<std::size_t>{0});
    EXPECT_EQ(fields(), "9.4 250 16 Oil3 Yes");
    EXPECT_TRUE(bench.dialogs.messages.empty());
}

// Delete Selected asks first (nothing without a selection, nothing on No). Three runs left
// are refitted and every row shows the new fit; down to two, the labels read "0.00000000"
// and the runs left keep their texts. The notice is told once the list shows the deletion.
// Delete All asks, empties the list and the name, and the labels read "0" with no notice;
// T0 stays.
TEST(ABDialog, DeletionsAskFirstThenRelabel) {
    const char* deleteSelected =
        "Are you sure you want to delete the selected a, b calculation data?";
    const char* deleteAll = "Are you sure you want to delete all a, b calculation data?";
    Bench bench(withWorkedRuns(0));
    ABDialog dialog(bench.session, bench.help);
    ASSERT_TRUE(showActive(dialog));
    bench.dialogs.watch = [&] {
        return std::to_string(shownRows(*dialog.pointsList()).size()) + " " + labels(dialog);
    };
    CExtendedListCtrl& list = *dialog.pointsList();

    click(*dialog.deleteSelectedButton());
    EXPECT_TRUE(bench.dialogs.questions.empty());
    list.selectRows({3});
    bench.dialogs.willAnswer(false);
    click(*dialog.deleteSelectedButton());
    EXPECT_EQ(shownRows(list).size(), 4u);

    list.selectRows({3});
    bench.dialogs.willAnswer(true);
    click(*dialog.deleteSelectedButton());
    const Texts three = shownRows(list);
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(three[0], "Oil1|7.000|150.0|20.00|6.992|-0.12|291.4|Yes");
    EXPECT_EQ(labels(dialog), "0.002919 35.311586 0.56");

    list.selectRows({1});
    list.setFocus();
    bench.dialogs.willAnswer(true);
    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_EQ(bench.dialogs.questions, Texts(3, deleteSelected));
    EXPECT_EQ(shownRows(list), Texts({three[0], three[2]}));
    EXPECT_EQ(labels(dialog), "0.00000000 0.00000000 0.00000000");
    EXPECT_EQ(bench.dialogs.messages, Texts(2, kNotice));
    EXPECT_EQ(bench.dialogs.seenAtMessages,
              Texts({"3 0.002919 35.311586 0.56", "2 0.00000000 0.00000000 0.00000000"}));

    dialog.standardNameField()->setText("Oil9");
    bench.dialogs.willAnswer(false);
    click(*dialog.deleteAllButton());
    EXPECT_EQ(shownRows(list).size(), 2u);
    bench.dialogs.willAnswer(true);
    click(*dialog.deleteAllButton());
    EXPECT_EQ(bench.dialogs.questions.back(), deleteAll);
    EXPECT_TRUE(shownRows(list).empty());
    EXPECT_EQ(labels(dialog), "0 0 0");
    EXPECT_EQ(shownText(*dialog.targetEffluxTimeLabel()), "18.00");
    EXPECT_EQ(dialog.standardNameField()->text(), "");
    EXPECT_EQ(dialog.knownViscosityField()->text(), "2");
    EXPECT_EQ(bench.dialogs.messages.size(), 2u);
    EXPECT_TRUE(bench.dialogs.scriptUsedUp());
}

// Ctrl+Tab and Ctrl+Shift+Tab wrap between "Cell 5" and "Cell 1", a click on a tab selects
// its cell; the cell's runs and labels follow and the fields keep what they hold.
TEST(ABDialog, CellTabsShowEachCellAndKeepTheFields) {
    Bench bench(withWorkedRuns(0), 4);
    ABDialog dialog(bench.session, bench.help);
    ASSERT_TRUE(showActive(dialog));
    typeAndLeave(*dialog.knownViscosityField(), "7.5");
    click(*dialog.newtonianNo());
    QTabBar& tabs = *dialog.cellTabs();
    auto shown = [&] {
        return std::to_string(tabs.currentIndex()) + " " +
               std::to_string(bench.session.calibrationCell()) + " " +
               std::to_string(shownRows(*dialog.pointsList()).size()) + " " +
               shownText(*dialog.aLabel());
    };
    EXPECT_EQ(shown(), "4 4 0 0.000000");
    QTest::keyClick(dialog.knownViscosityField(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(shown(), "0 0 4 0.002783");
    QTest::keyClick(dialog.knownViscosityField(), Qt::Key_Backtab,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(shown(), "4 4 0 0.000000");
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(0).center());
    EXPECT_EQ(shown(), "0 0 4 0.002783");
    EXPECT_EQ(dialog.knownViscosityField()->text(), "7.5");
    EXPECT_TRUE(dialog.newtonianNo()->isChecked());
}

// The plot shows the runs of the shown cell as the fit sees them, and its line once A and B
// are fitted: after each Add, each deletion and each change of tab.
TEST(ABDialog, PlotFollowsTheShownCell) {
    Bench bench(withWorkedRuns(1));
    ABDialog dialog(bench.session, bench.help);
    ASSERT_TRUE(showActive(dialog));
    const AbFitPlot& plot = *dialog.fitPlot();
    auto plotted = [&] {
        return std::to_string(plot.plotData().points.size()) + (plot.plotData().fit ? " line" : "");
    };
    EXPECT_EQ(plotted(), "0");
    for (std::size_t i = 0; i < 3; ++i)
        addRun(dialog, kWorkedRuns[i]);
    EXPECT_EQ(plotted(), "3 line");
    const FitPlotData& data = plot.plotData();
    EXPECT_DOUBLE_EQ(data.points[1].x, 1 / (200.0 * 18.0 * 18.0));
    EXPECT_DOUBLE_EQ(data.points[1].y, 8.6 / (200.0 * 18.0));
    const CellCalibration& cell = bench.session.calibration().cells[0];
    EXPECT_NEAR(data.fit->y1, cell.constantA - cell.constantB * data.fit->x1, 1e-12);
    EXPECT_NEAR(data.fit->y2, cell.constantA - cell.constantB * data.fit->x2, 1e-12);

    QTest::keyClick(dialog.pointsList(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(plotted(), "4 line");
    dialog.pointsList()->selectRows({0, 1});
    bench.dialogs.willAnswer(true);
    click(*dialog.deleteSelectedButton());
    EXPECT_EQ(plotted(), "2");
    bench.dialogs.willAnswer(true);
    click(*dialog.deleteAllButton());
    EXPECT_EQ(plotted(), "0");
    QTest::keyClick(dialog.pointsList(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(plotted(), "3 line");
}

} // namespace
} // namespace rheo::testing
