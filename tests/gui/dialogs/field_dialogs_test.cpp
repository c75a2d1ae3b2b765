// SPDX-License-Identifier: MIT
// The two dialogs of plain fields: the general settings, shown and written as the
// calibration holds them; the cell data, whose change of cell applies the five fields first,
// and what its OK recomputes.

#include "core/calibration/calibration_fixtures.hpp"
#include "core/calibration/cell_data.hpp"
#include "core/files/calibration_lines.hpp"
#include "dialog_bench.hpp"

namespace rheo::testing {
namespace {

// The settings shown as the calibration holds them (its bytes in Windows-1252), and what is
// typed written into it when a field is left.
TEST(SettingsDialog, ShowsAndWritesTheSettings) {
    CalibrationData data;
    data.companyName = "Lab \xC4rzte";
    data.serialNumber = "SN-7";
    data.operatingTemperature = 100;
    data.equilibriumTimerMinutes = 10;
    Bench bench(data);
    SettingsDialog dialog(bench.session, bench.help);
    ASSERT_TRUE(showActive(dialog));
    EXPECT_EQ(dialog.windowTitle(), "General Settings");
    EXPECT_EQ(control<QLineEdit>(dialog, "Company Name").text(), QString::fromUtf8("Lab Ärzte"));
    EXPECT_EQ(control<QLineEdit>(dialog, "Serial Number").text(), "SN-7");
    EXPECT_EQ(control<NumberEdit>(dialog, "Operating Temperature").text(), "100");
    EXPECT_EQ(control<NumberEdit>(dialog, "Temperature Equilibrium Timer Duration").text(), "10");

    typeAndLeave(control<QLineEdit>(dialog, "Company Name"), QString::fromUtf8("Prüflabor"));
    typeAndLeave(control<QLineEdit>(dialog, "Serial Number"), "SN-8");
    typeAndLeave(control<NumberEdit>(dialog, "Operating Temperature"), "40");
    typeAndLeave(control<NumberEdit>(dialog, "Temperature Equilibrium Timer Duration"), "30");
    const CalibrationData& written = bench.session.calibration();
    EXPECT_EQ(written.companyName, "Pr\xFC"
                                   "flabor");
    EXPECT_EQ(written.serialNumber, "SN-8");
    EXPECT_EQ(written.operatingTemperature, 40);
    EXPECT_EQ(written.equilibriumTimerMinutes, 30);

    // A pasted line break or a text too long for its line: the message, the previous text.
    QLineEdit& company = control<QLineEdit>(dialog, "Company Name");
    QLineEdit& serial = control<QLineEdit>(dialog, "Serial Number");
    company.setFocus(Qt::MouseFocusReason);
    company.setText("Acme Oil Lab\r\n999\n-40\n0");
    QTest::keyClick(&company, Qt::Key_Tab);
    EXPECT_TRUE(company.hasFocus());
    typeAndLeave(serial, QString(127, QLatin1Char('7')));
    EXPECT_EQ(bench.dialogs.messages,
              Texts({*fileTextRefusal(FileText::CompanyName, "\n"),
                     *fileTextRefusal(FileText::SerialNumber, std::string(127, '7'))}));
    EXPECT_EQ(company.text(), QString::fromUtf8("Prüflabor"));
    EXPECT_EQ(serial.text(), "SN-8");
    EXPECT_TRUE(serial.hasFocus());
    EXPECT_EQ(written.serialNumber, "SN-8");
}

// Radius 0.075 mm, length 15 mm, shear rates 1.4, 1.0 and 1.2 x 1e6 1/s, V 6 ml, T0 18 s
// in cells 1 to 3. Cell 1 holds three standard runs on A = 0.0025, B = 9 (but constants no
// fit gave) and three weighings; cell 2 two runs and constants of its own.
CalibrationData calibration() {
    CalibrationData data;
    for (std::size_t i = 0; i < 3; ++i)
        data.cells[i] = kCalibratedCell;
    const double runs[][3] = {{7.05, 150, 20}, {8.5, 200, 18}, {9.4375, 250, 16}};
    for (const auto& run : runs)
        AddAbPoint(data.cells[0], run[0], run[1], run[2], true, "oil");
    for (const auto& run : {runs[0], runs[1]})
        AddAbPoint(data.cells[1], run[0], run[1], run[2], true, "oil");
    data.cells[0].constantA = 0.001;
    data.cells[0].constantB = 1;
    data.cells[1].constantA = 0.004;
    data.cells[1].constantB = 5;
    for (double full : {16.0, 16.1, 15.9})
        AddVolumePoint(data.cells[0], 10, full, 1);
    return data;
}

// Ctrl+Tab on cell 5 writes what cell 5's fields hold, then shows cell 1's values (its
// radius as a diameter); Ctrl+Shift+Tab goes back round to cell 5. A change of cell applies
// all five fields to the cell still shown, in the order length, diameter, maximum, minimum,
// working, telling each refused one; with one refused the tab stays where it was, whether
// clicked or reached by the keys, and it does not move while the message is up.
TEST(CellDataDialog, ACellChangeAppliesTheFieldsFirstARefusedOneKeepsTheTab) {
    Bench bench(calibration(), 4);
    CellDataDialog dialog(bench.session, bench.help);
    ASSERT_TRUE(showActive(dialog));
    const auto field = [&](NumberField rule) -> NumberEdit& { return *dialog.field(rule); };
    const auto& cells = bench.session.calibration().cells;
    QTabBar& tabs = *dialog.cellTabs();
    NumberEdit& working = field(NumberField::WorkingShearRate);
    typeInto(working, "1.5");
    switchCell(working, true);
    EXPECT_EQ(cells[4].workingShearRate, 1.5e6);
    EXPECT_EQ(working.text(), "1.4");
    EXPECT_EQ(field(NumberField::CapillaryDiameter).text(), "0.15"); // radius 0.075
    EXPECT_TRUE(working.hasFocus());
    switchCell(working, false);
    EXPECT_EQ(working.text(), "1.5");

    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(2).center());
    NumberEdit& length = field(NumberField::CapillaryLength);
    typeInto(length, "150");
    bench.dialogs.watch = [&] { return "tab " + std::to_string(tabs.currentIndex()); };
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(0).center());
    EXPECT_EQ(bench.dialogs.messages,
              Texts{std::string(fieldMessage(NumberField::CapillaryLength))});
    EXPECT_EQ(bench.dialogs.seenAtMessages, Texts{"tab 2"}); // while the message is up
    EXPECT_EQ(tabs.currentIndex(), 2);
    EXPECT_EQ(bench.session.calibrationCell(), 2);
    EXPECT_EQ(length.text(), "15");
    EXPECT_TRUE(length.hasFocus());

    bench.dialogs.messages.clear();
    working.setText("3");
    length.setText("101");
    field(NumberField::MinShearRate).setText("0.9");
    switchCell(length, true);
    EXPECT_EQ(bench.dialogs.messages,
              Texts({std::string(fieldMessage(NumberField::CapillaryLength)),
                     std::string(fieldMessage(NumberField::WorkingShearRate))}));
    EXPECT_EQ(tabs.currentIndex(), 2);
    EXPECT_EQ(cells[2].minShearRate, 0.9e6); // accepted on the way
    EXPECT_EQ(cells[2].capillaryLength, 15.0);
}

// OK after a change of geometry recomputes the calibration as the cell data dialog does:
// T0 from the weighings, then a new fit for a cell with three runs.
TEST(CellDataDialog, OkAfterAGeometryChangeRecomputes) {
    Bench bench(calibration(), 0);
    CellDataDialog dialog(bench.session, bench.help);
    ASSERT_TRUE(showActive(dialog));
    typeAndLeave(*dialog.field(NumberField::CapillaryDiameter), "0.16");
    click(*dialog.okButton());

    CalibrationData expected = calibration();
    writeCellDataField(expected.cells[0], NumberField::CapillaryDiameter, 0.16);
    recomputeAfterCellDataChange(expected);
    EXPECT_EQ(bench.session.calibration(), expected);
}

} // namespace
} // namespace rheo::testing
