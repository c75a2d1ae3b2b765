// SPDX-License-Identifier: MIT
// The three dialogs that keep a list, as the operator works them: the volume calculation's
// weighings and the A/B calculation's standard runs, added through the fields and listed with
// their results, the averages or the fit under the list, a point recalled into the fields,
// the deletions with their questions and notices, and the plot of the fit; and the standards
// table: its rows, adding and deleting standards, loading a standard into the fields.

#include "core/calibration/calibration_fixtures.hpp"
#include "core/calibration/point_texts.hpp"
#include "core/files/calibration_lines.hpp"
#include "dialog_bench.hpp"
#include "gui/widgets/ab_fit_plot.hpp"

#include <QLabel>
#include <QMenu>
#include <QRadioButton>

namespace rheo::testing {
namespace {

// A row of a list as shownRows() gives it, from the core's texts.
template <std::size_t N> std::string joined(const std::array<std::string, N>& row) {
    std::string text = row[0];
    for (std::size_t i = 1; i < N; ++i)
        text += '|' + row[i];
    return text;
}

// The rows the list shows, then the average volume and T0.
std::string shown(const VolumeDialog& dialog) {
    return std::to_string(shownRows(control<CExtendedListCtrl>(dialog, "Weighings")).size()) + " " +
           control<QLabel>(dialog, "Average Volume (ml)").text().toStdString() + " " +
           control<QLabel>(dialog, "Average Target Efflux Time (T0) (sec)").text().toStdString();
}

void addWeighing(VolumeDialog& dialog, const char* full) {
    typeAndLeave(control<NumberEdit>(dialog, "Tare Weight"), "10.0");
    typeAndLeave(control<NumberEdit>(dialog, "Full Weight"), full);
    typeAndLeave(control<NumberEdit>(dialog, "Density"), "0.8");
    click(control<QPushButton>(dialog, "Add"));
}

// Opens on the form's cell with its radius, working shear rate and stored averages. The
// worked weighings: the first 1, 1, 1 refused; 10, 16, 0.8 gives 6.0000 g, 7.5000 ml and
// 16.17 s; the notice is told once the list and averages show a new weighing, until three.
// A click on a row shows its weighing in the fields (the keys that recall are the list's). Delete
// Selected asks first; the last weighing gone, the averages read "0" and the notice is told once
// the list is empty. Delete All asks, and reads "0" with no notice.
TEST(VolumeDialog, WeighingsAddedRecalledAndDeletedWithTheirAverages) {
    CalibrationData data = readyCalibration();
    data.cells[1].cellVolume = 6.25; // stored, with no weighings
    Bench bench(data, 1);
    VolumeDialog dialog(bench.session, bench.help);
    ASSERT_TRUE(showActive(dialog));
    CExtendedListCtrl& list = control<CExtendedListCtrl>(dialog, "Weighings");
    const CellCalibration& cell = bench.session.calibration().cells[1];
    const auto labels = [&] { return volumeLabelsOf(cell).volume + " " + volumeLabelsOf(cell).t0; };
    EXPECT_EQ(control<QLabel>(dialog, "Capillary Radius (mm)").text().toStdString(),
              volumeLabelsOf(cell).radius);
    EXPECT_EQ(control<QLabel>(dialog, "Working Shear Rate (x 10e6 1/sec)").text().toStdString(),
              volumeLabelsOf(cell).shearRate);
    EXPECT_EQ(shown(dialog), "0 " + labels());

    click(control<QPushButton>(dialog, "Add"));
    EXPECT_EQ(bench.dialogs.messages.size(), 1u);
    EXPECT_EQ(shown(dialog), "0 6.2500 18.00");
    bench.dialogs.messages.clear();
    bench.dialogs.watch = [&] { return shown(dialog); };
    addWeighing(dialog, "16.0");
    EXPECT_EQ(shownRows(list), Texts{joined(volumePointRow(cell.volumePoints[0]))});
    addWeighing(dialog, "16.1");
    addWeighing(dialog, "15.9");
    EXPECT_EQ(shown(dialog), "3 " + labels());

    clickRow(list, 1);
    EXPECT_EQ(control<NumberEdit>(dialog, "Full Weight").text(), "16.1");
    EXPECT_EQ(control<NumberEdit>(dialog, "Density").text(), "0.8");
    clickRow(list, 0);
    bench.dialogs.willAnswer(false);
    click(control<QPushButton>(dialog, "Delete Selected"));
    bench.dialogs.willAnswer(true);
    click(control<QPushButton>(dialog, "Delete Selected")); // 16.1 and 15.9 full left
    list.selectRows({0, 1});
    bench.dialogs.willAnswer(true);
    click(control<QPushButton>(dialog, "Delete Selected"));
    EXPECT_EQ(bench.dialogs.seenAtMessages,
              Texts({"1 7.5000 16.17", "2 7.5625 16.30", "2 7.5000 16.17", "0 0 0"}));
    EXPECT_EQ(bench.dialogs.questions,
              Texts(3, "Are you sure you want to delete the selected volume calculation data?"));

    switchCell(list, true);
    ASSERT_EQ(shown(dialog), "0 6.0000 18.00");
    bench.dialogs.willAnswer(true);
    click(control<QPushButton>(dialog, "Delete All"));
    EXPECT_EQ(bench.dialogs.questions.back(),
              "Are you sure you want to delete all volume calculation data?");
    EXPECT_EQ(shown(dialog), "0 0 0");
    EXPECT_EQ(control<QLabel>(dialog, "Capillary Radius (mm)").text(), "0.0750");
    EXPECT_EQ(
        bench.dialogs.messages,
        Texts(4, std::string("At least 3 data points are needed to accurately calculate\nthe cell "
                             "volume and target efflux time (T0).\nPlease add more data.")));
}

// The rows the list shows, the A, B and RMS labels, then the runs plotted and the fitted line
// when it is drawn.
std::string shown(const ABDialog& dialog) {
    const FitPlotData& plot = control<AbFitPlot>(dialog, "Fit of A and B").plotData();
    return std::to_string(shownRows(control<CExtendedListCtrl>(dialog, "Standard runs")).size()) +
           " " + control<QLabel>(dialog, "A").text().toStdString() + " " +
           control<QLabel>(dialog, "B").text().toStdString() + " " +
           control<QLabel>(dialog, "RMS % Diff").text().toStdString() + " plot " +
           std::to_string(plot.points.size()) + (plot.fit ? " line" : "");
}

void addRun(ABDialog& dialog, const AbInput& run, const QString& name) {
    typeAndLeave(control<NumberEdit>(dialog, "Known Viscosity"), QString::number(run.known));
    typeAndLeave(control<NumberEdit>(dialog, "Pressure"), QString::number(run.pressure));
    typeAndLeave(control<NumberEdit>(dialog, "Efflux Time"), QString::number(run.effluxTime));
    typeAndLeave(control<QLineEdit>(dialog, "Standard Name"), name);
    click(control<QPushButton>(dialog, "Add to A, B Calculation"));
}

// The worked example typed in run by run: a run too slow for T0 is refused first; then no
// fit for the first two runs, the fit of three, then of four, every row refitted. The notice
// comes with each of the first three runs, once the list, labels and plot show it. The next
// cell's stored fit is shown as it is, nothing recomputed. A click on a row, and Up or Down
// in the list, show the first selected run in the fields, the Newtonian choice too. Delete
// Selected asks first (nothing without a selection, nothing on No). Three runs left are
// refitted; down to two, the labels read "0.00000000". The notice is told once the list
// shows the deletion. Delete All asks, empties the list and the fields, and the labels read
// "0" with no notice.
TEST(ABDialog, StandardRunsAddedRecalledAndDeletedWithTheirFit) {
    CalibrationData data = readyCalibration();
    data.cells[1] = cellWith(kFourStandards);    // named "p0" to "p3"
    data.cells[1].abPoints[3].newtonian = false; // the worked runs, the last not Newtonian
    data.cells[1].constantA = 0.5;
    Bench bench(data);
    ABDialog dialog(bench.session, bench.help);
    ASSERT_TRUE(showActive(dialog));
    CExtendedListCtrl& list = control<CExtendedListCtrl>(dialog, "Standard runs");
    addRun(dialog, {7.0, 150, 22.0}, "Slow"); // 22.2 % above T0
    const auto labels = [](const AbLabels& l) { return l.a + " " + l.b + " " + l.rms; };
    const auto fitOf = [&](std::size_t index) {
        return labels(abLabelsOf(bench.session.calibration().cells[index]));
    };
    EXPECT_EQ(bench.dialogs.messages.size(), 1u);
    EXPECT_EQ(shown(dialog), "0 " + fitOf(0) + " plot 0");

    bench.dialogs.messages.clear();
    bench.dialogs.watch = [&] { return shown(dialog); };
    const std::string noFit = labels(abLabelsBeforeFit());
    std::string afterEachRun[] = {"1 " + noFit + " plot 0", "2 " + noFit + " plot 2",
                                  " plot 3 line", " plot 4 line"};
    for (std::size_t i = 0; i < 4; ++i) {
        addRun(dialog, kFourStandards[i], "Oil" + QString::number(i));
        if (i >= 2)
            afterEachRun[i] = std::to_string(i + 1) + " " + fitOf(0) + afterEachRun[i];
        EXPECT_EQ(shown(dialog), afterEachRun[i]);
    }
    EXPECT_EQ(shownRows(list)[0],
              joined(abPointRow(bench.session.calibration().cells[0].abPoints[0])));

    switchCell(list, true);
    const std::string stored = "4 " + fitOf(1) + " plot 4 line";
    EXPECT_EQ(shown(dialog), stored);
    click(control<QPushButton>(dialog, "Delete Selected"));
    auto fields = [&] {
        return (QStringList{control<NumberEdit>(dialog, "Known Viscosity").text(),
                            control<NumberEdit>(dialog, "Pressure").text(),
                            control<NumberEdit>(dialog, "Efflux Time").text(),
                            control<QLineEdit>(dialog, "Standard Name").text(),
                            control<QRadioButton>(dialog, "Yes").isChecked() ? "Yes" : "No"})
            .join(' ')
            .toStdString();
    };
    clickRow(list, 0);
    clickRow(list, 2, Qt::ControlModifier);
    EXPECT_EQ(fields(), "7 150 20 p0 Yes"); // the first selected row
    press(list, Qt::Key_Down);
    EXPECT_EQ(fields(), "10.7 300 15 p3 No"); // the only row selected
    bench.dialogs.willAnswer(false);
    click(control<QPushButton>(dialog, "Delete Selected"));
    bench.dialogs.willAnswer(true);
    click(control<QPushButton>(dialog, "Delete Selected"));
    list.selectRows({1});
    list.setFocus();
    bench.dialogs.willAnswer(true);
    press(list, Qt::Key_Delete);
    EXPECT_EQ(bench.dialogs.questions,
              Texts(3, "Are you sure you want to delete the selected a, b calculation data?"));
    EXPECT_EQ(bench.dialogs.seenAtMessages,
              Texts({afterEachRun[0], afterEachRun[1], afterEachRun[2], afterEachRun[2],
                     afterEachRun[1]}));

    control<QLineEdit>(dialog, "Standard Name").setText("Oil9");
    bench.dialogs.willAnswer(true);
    click(control<QPushButton>(dialog, "Delete All"));
    EXPECT_EQ(bench.dialogs.questions.back(),
              "Are you sure you want to delete all a, b calculation data?");
    EXPECT_EQ(shown(dialog), "0 " + labels(abLabelsCleared()) + " plot 0");
    EXPECT_EQ(control<QLabel>(dialog, "Target Efflux Time (sec)").text().toStdString(),
              targetEffluxTimeText(bench.session.calibration().cells[1]));
    EXPECT_EQ(control<QLineEdit>(dialog, "Standard Name").text(), "");
    EXPECT_EQ(
        bench.dialogs.messages,
        Texts(5, std::string(
                     "The constants A and B are determined through regression.\nAt least 4 data "
                     "points are needed for an accurate result.\nPlease add more data.")));
}

// Leaving the name field removes its blanks and keeps the first 32 characters, shown from
// their start; Add stores the name so cleaned, even when the field was never left.
TEST(ABDialog, StandardNamesAreJoinedAndCut) {
    Bench bench(readyCalibration());
    ABDialog dialog(bench.session, bench.help);
    ASSERT_TRUE(showActive(dialog));
    QLineEdit& name = control<QLineEdit>(dialog, "Standard Name");
    typeAndLeave(name, "SAE 30 Oil");
    EXPECT_EQ(name.text(), "SAE30Oil");
    typeAndLeave(name, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn");
    EXPECT_EQ(name.text(), "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdef");
    EXPECT_EQ(name.cursorPosition(), 0);

    name.setText("Reference Oil 7");
    control<QPushButton>(dialog, "Add to A, B Calculation")
        .click(); // pressed without taking the focus
    EXPECT_EQ(name.text(), "ReferenceOil7");
    EXPECT_EQ(bench.session.calibration().cells[0].abPoints.at(0).standardName, "ReferenceOil7");
}

// The table shows the standards as the core sorts them (its rows from the core's columns);
// a click on a row loads the standard into the two fields; Add stores it and shows the table
// in order again, a click on Add that leaves a refused viscosity lost behind its message.
// Delete Selected asks once and removes the selected standards (nothing without a selection
// or on No); the Delete key and the table's menu do the same; Delete All asks too. (The
// order, the replacing of a name and "No_Name" are proven with the standards table.)
TEST(TargetPressureTable, StandardsAddedAndDeletedKeepTheirOrder) {
    CalibrationData data; // only cell 1 calibrated: A = 0.0025, B = 9, T0 = 18 s
    data.cells[0] = kCalibratedCell;
    data.standards = {{"X", 5}, {"Y", 2}, {"Z", 2}, {"Oil8", 8.5}};
    Bench bench(data);
    TargetPressureTable dialog(bench.session, bench.help);
    ASSERT_TRUE(showActive(dialog));
    CExtendedListCtrl& table = control<CExtendedListCtrl>(dialog, "Standard viscosities");
    const auto names = [&] { // as the table shows them (the calibration's order)
        QStringList shown;
        for (int row = 0; row < table.model()->rowCount(); ++row)
            shown << table.model()->index(row, 0).data().toString();
        return shown.join(' ').toStdString();
    };
    const auto add = [&](const QString& name, const QString& viscosity) {
        typeInto(control<QLineEdit>(dialog, "Standard Name"), name);
        typeInto(control<NumberEdit>(dialog, "Viscosity (mPa*s)"), viscosity);
        click(control<QPushButton>(dialog, "Add Standard"));
    };
    const auto fields = [&] {
        return (control<QLineEdit>(dialog, "Standard Name").text() + " " +
                control<NumberEdit>(dialog, "Viscosity (mPa*s)").text())
            .toStdString();
    };
    EXPECT_EQ(names(), "Z Y X Oil8");
    EXPECT_EQ(shownRows(table)[3], "Oil8|8.500|200.0|N/A|N/A|N/A|N/A");
    clickRow(table, 2);
    EXPECT_EQ(fields(), "X 5");
    typeInto(control<QLineEdit>(dialog, "Standard Name"), "OilA");
    click(control<QPushButton>(dialog, "Add Standard")); // with the viscosity of X
    EXPECT_EQ(names(), "Y Z OilA X Oil8");
    add("OilA", "10");
    EXPECT_EQ(names(), "Z Y X Oil8 OilA");
    add("Thick", "50"); // refused as the field is left: the click is lost behind the message
    EXPECT_EQ(bench.dialogs.messages,
              Texts{std::string(fieldMessage(NumberField::StandardViscosity))});
    EXPECT_EQ(names(), "Z Y X Oil8 OilA");
    add(QString(115, QLatin1Char('n')), "7"); // longer than its line of the file holds
    EXPECT_EQ(bench.dialogs.messages.back(),
              fileTextRefusal(FileText::StandardName, std::string(115, 'n')));
    EXPECT_EQ(bench.session.calibration().standards.size(), 5u);

    table.clearSelection();
    click(control<QPushButton>(dialog, "Delete Selected"));
    table.selectRows({1, 3});
    bench.dialogs.willAnswer(false);
    click(control<QPushButton>(dialog, "Delete Selected"));
    table.selectRows({0, 2});
    bench.dialogs.willAnswer(true);
    click(control<QPushButton>(dialog, "Delete Selected"));
    EXPECT_EQ(names(), "Y Oil8 OilA");
    EXPECT_EQ(bench.dialogs.questions,
              Texts(2, "Are you sure you want to delete the selected standard?"));

    table.setFocus();
    table.selectRows({1});
    bench.dialogs.willAnswer(true);
    press(table, Qt::Key_Delete);
    table.setMenuRunner([](QMenu& menu, const QPoint&) { return menu.actions().value(0); });
    table.selectRows({0});
    bench.dialogs.willAnswer(true);
    emit table.customContextMenuRequested(QPoint(10, 10));
    EXPECT_EQ(names(), "OilA");
    bench.dialogs.willAnswer(true);
    click(control<QPushButton>(dialog, "Delete All"));
    EXPECT_EQ(names(), "");
    EXPECT_EQ(bench.dialogs.questions.size(), 5u);
    EXPECT_EQ(bench.dialogs.questions.back(), "Are you sure you want to delete all the standards?");
}

} // namespace
} // namespace rheo::testing
