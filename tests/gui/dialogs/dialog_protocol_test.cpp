// SPDX-License-Identifier: MIT
// What the five calibration dialogs do alike: Cancel, Escape and the close box put back every
// cell, Enter does nothing, OK raises the calibration's change flag only after a change,
// Help and F1 open the dialog's page, Tab walks the controls in their order, each number
// field takes its range when it is left; and the Calibration menu runs each dialog modally
// over the main window.

#include "gui/dialogs/calibration_dialogs.hpp"

#include "dialog_bench.hpp"

#include <QTimer>

namespace rheo::testing {
namespace {

struct DialogCase {
    const char* title;
    CalibrationDialog command;
    OpenDialog open;
    const char* page;
    // One edit of the shown cell: a text typed into the field of this name, a button pressed.
    const char *field, *typed, *button;
    // The controls Tab visits from the one that has the focus at first, joined with "|".
    const char* tabOrder;
};

const DialogCase kDialogs[] = {
    {"General Settings", CalibrationDialog::GeneralSettings, opener<SettingsDialog>(),
     "Vantor_Viscosity_Calculator_Overview.htm", "Company Name", "Lab", nullptr,
     "Company Name|Serial Number|Operating Temperature|Temperature Equilibrium Timer "
     "Duration|OK|Cancel|Help"},
    {"Cell Data", CalibrationDialog::CellData, opener<CellDataDialog>(), "Cell_Data.htm",
     "Capillary Length", "20", nullptr,
     "Working Shear Rate|Minimum Allowable ShearRate|Maximum Allowable Shear Rate|Capillary "
     "Diameter|Capillary Length|OK|Cancel|Help|Cell"},
    {"Volume Calculation", CalibrationDialog::CellVolumes, opener<VolumeDialog>(),
     "Calculating_Cell_Volume_with_the_RHEO.htm", "Full Weight", "16", "Add",
     "Tare Weight|Full Weight|Density|Delete Selected|Delete "
     "All|Add|Weighings|OK|Cancel|Help|Cell"},
    {"AB Calculation", CalibrationDialog::AbCalculation, opener<ABDialog>(),
     "Calculating_Constants.htm", "Standard Name", "Oil", "Add to A, B Calculation",
     "Known Viscosity|Pressure|Efflux Time|Standard Name|Delete Selected|Delete All|Add to A, B "
     "Calculation|Yes|Standard runs|OK|Cancel|Help|Cell"},
    {"Standard Viscosities", CalibrationDialog::StandardViscosities, opener<TargetPressureTable>(),
     "Standard_Viscosities.htm", "Standard Name", "New", "Add Standard",
     "Standard Name|Viscosity (mPa*s)|Delete Selected|Delete All|Add Standard|Standard "
     "viscosities|OK|Cancel|Help"},
};

void edit(const DialogCase& c, CalibrationDialogBase& dialog) {
    typeAndLeave(control<QLineEdit>(dialog, c.field), c.typed);
    if (c.button != nullptr)
        click(*named(dialog, c.button));
}

// Every cell ready, cell 4 holding a standard run and a standard in the table; its
// shear-rate window of 0.8e6 to 1.6e6 1/s is shown as "0.8" and "1.6", texts that read back
// as other doubles.
CalibrationData startingCalibration() {
    CalibrationData data = readyCalibration();
    data.cells[3].minShearRate = 0.8e6;
    data.cells[3].maxShearRate = 1.6e6;
    AddAbPoint(data.cells[3], 8.6, 200, 18, true, "Kept");
    data.standards = {{"Kept", 8.6}};
    return data;
}

// Edits in two cells (one cell for the dialogs without tabs) are all undone, whichever way
// the dialog is left without OK; the change flag is not touched, and a value typed into a
// field and not left is not checked on the way out by Escape or the close box. OK keeps the
// edits (the cell data recomputed); the change flag rises only after a change, not after
// Tab went through every field unchanged.
TEST(CalibrationDialogs, OkKeepsTheEditsCancelEscapeAndCloseBoxRestoreEveryCell) {
    for (const DialogCase& c : kDialogs) {
        for (const std::string leave : {"Cancel", "Escape", "close box", "OK", "OK unchanged"}) {
            SCOPED_TRACE(std::string(c.title) + ", " + leave);
            const CalibrationData before = startingCalibration();
            Bench bench(before, 3);
            const std::unique_ptr<CalibrationDialogBase> dialog = c.open(bench);
            ASSERT_TRUE(showActive(*dialog));
            const bool change = leave != "OK unchanged";
            if (change) {
                edit(c, *dialog);
                if (dialog->cellTabs() != nullptr) {
                    switchCell(*dialog, false);
                    edit(c, *dialog);
                }
                ASSERT_NE(bench.session.calibration(), before);
            } else {
                tabWalk(*QApplication::focusWidget(), int(QString(c.tabOrder).count('|')) + 1);
            }
            if (leave.starts_with("OK")) {
                click(*dialog->okButton());
                EXPECT_EQ(dialog->result(), QDialog::Accepted);
                EXPECT_EQ(bench.session.calibrationChanged(), change);
                EXPECT_EQ(bench.session.calibration() == before, !change);
                continue;
            }
            // A refused value typed and not yet left is dropped with the rest, untold.
            NumberEdit& field = *dialog->findChild<NumberEdit*>();
            typeInto(field, "-5");
            const std::size_t told = bench.dialogs.messages.size();
            if (leave == "Cancel")
                click(*dialog->cancelButton());
            else if (leave == "Escape")
                QTest::keyClick(&field, Qt::Key_Escape);
            else
                dialog->close();
            EXPECT_FALSE(dialog->isVisible());
            EXPECT_EQ(dialog->result(), QDialog::Rejected);
            EXPECT_EQ(bench.session.calibration(), before);
            EXPECT_FALSE(bench.session.calibrationChanged());
            EXPECT_EQ(bench.dialogs.messages.size(), told);
        }
    }
}

// A field of each dialog takes its highest value when it is left: the value stays as typed
// and the focus moves on. Then a refused value is told with the field's message (or that it
// is no number, no whole number), the value shown before comes back and the field keeps the
// focus.
TEST(CalibrationDialogs, NumberFieldsTakeTheirRangeWhenLeft) {
    using F = NumberField;
    enum { Settings, CellData, Volume, Ab, Standards };
    const struct {
        int dialog;
        const char *field, *accepted, *refused;
        F rule;
        const char* otherMessage = nullptr;
    } edges[] = {
        {Settings, "Operating Temperature", "150", "39", F::OperatingTemperature},
        {Settings, "Temperature Equilibrium Timer Duration", "30", "31",
         F::EquilibriumTimerMinutes},
        {Settings, "Temperature Equilibrium Timer Duration", "1", "2.5", F::EquilibriumTimerMinutes,
         "Please enter an integer."},
        {CellData, "Capillary Diameter", "1", "-0.1", F::CapillaryDiameter},
        {CellData, "Capillary Length", "100", "101", F::CapillaryLength},
        {Volume, "Tare Weight", "100", "100.5", F::TareWeight},
        {Volume, "Full Weight", "100", "0", F::FullWeight},
        {Volume, "Density", "10", "0.01", F::Density},
        {Ab, "Known Viscosity", "40", "40.01", F::KnownViscosity},
        {Ab, "Pressure", "600", "600.1", F::AbPressure},
        {Ab, "Efflux Time", "3600", "-1", F::AbEffluxTime},
        {Standards, "Viscosity (mPa*s)", "40", "40.001", F::StandardViscosity},
    };
    for (const auto& edge : edges) {
        SCOPED_TRACE(std::string(edge.field) + " " + edge.refused);
        Bench bench(readyCalibration());
        const std::unique_ptr<CalibrationDialogBase> dialog = kDialogs[edge.dialog].open(bench);
        ASSERT_TRUE(showActive(*dialog));
        NumberEdit& field = control<NumberEdit>(*dialog, edge.field);
        typeAndLeave(field, edge.accepted);
        EXPECT_EQ(field.text(), edge.accepted);
        EXPECT_FALSE(field.hasFocus());
        typeAndLeave(field, edge.refused);
        const std::string told(edge.otherMessage ? edge.otherMessage : fieldMessage(edge.rule));
        EXPECT_EQ(bench.dialogs.messages, Texts{told});
        EXPECT_EQ(field.text(), edge.accepted);
        EXPECT_TRUE(field.hasFocus());
    }
}

// Tab walks the controls in the order they are laid out and round to the first; each has a
// name taken from its caption or label. The tabbed dialogs open on the form's cell;
// Ctrl+Tab and Ctrl+Shift+Tab wrap between "Cell 5" and "Cell 1", a click on a tab selects
// its cell, and the dialog's cell follows the tab. Enter and Return in a field or on the
// tabs leave the dialog open and change nothing. F1 and "Help" open the dialog's page in
// the program's directory. OK, Cancel and Help stand apart.
TEST(CalibrationDialogs, KeysWalkTheDialogEnterKeepsItOpenF1AndHelpShowItsPage) {
    for (const DialogCase& c : kDialogs) {
        SCOPED_TRACE(c.title);
        Bench bench(startingCalibration());
        bench.session.startUp("/opt/rheo/");
        bench.session.selectCell(4);
        bench.dialogs.transcript.clear(); // no calibration file there
        const CalibrationData before = bench.session.calibration();
        const std::unique_ptr<CalibrationDialogBase> dialog = c.open(bench);
        ASSERT_TRUE(showActive(*dialog));
        QWidget& first = *QApplication::focusWidget();
        std::vector<std::string> order;
        for (const QString& name : QString(c.tabOrder).split('|'))
            order.push_back(name.toStdString());
        order.push_back(order.front());
        EXPECT_EQ(tabWalk(first, int(order.size()) - 1), order);
        if (QTabBar* tabs = dialog->cellTabs()) {
            const auto cell = [&] {
                return std::to_string(tabs->currentIndex()) +
                       std::to_string(bench.session.calibrationCell());
            };
            EXPECT_EQ(cell(), "44");
            switchCell(first, true);
            EXPECT_EQ(cell(), "00");
            switchCell(first, false);
            EXPECT_EQ(cell(), "44");
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
            EXPECT_EQ(cell(), "11");
            QTest::keyClick(tabs, Qt::Key_Return);
        }
        NumberEdit& field = *dialog->findChild<NumberEdit*>();
        const QString shown = field.text();
        typeInto(field, "7");
        QTest::keyClick(&field, Qt::Key_Return);
        QTest::keyClick(&field, Qt::Key_Enter);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(bench.session.calibration(), before);
        EXPECT_TRUE(bench.dialogs.transcript.empty());
        field.setText(shown); // so that leaving it for Help refuses nothing

        EXPECT_LT(dialog->okButton()->geometry().right() + 1, dialog->cancelButton()->x());
        EXPECT_LT(dialog->cancelButton()->geometry().right() + 1, dialog->helpButton()->x());

        QTest::keyClick(&field, Qt::Key_F1);
        click(*dialog->helpButton());
        const std::string page = std::string("/opt/rheo//RHEO.chm::/RHEO/") + c.page;
        EXPECT_EQ(bench.help.pages, std::vector<std::string>(2, page));
        EXPECT_TRUE(dialog->isVisible());
    }
}

// Each command runs its dialog modally over the main window until it is closed; OK of any
// of them refreshes the form.
TEST(CalibrationMenu, RunsEachDialogModallyOverTheMainWindow) {
    for (const DialogCase& c : kDialogs) {
        SCOPED_TRACE(c.title);
        Bench bench(startingCalibration(), 3);
        QWidget mainWindow;
        QString title;
        QWidget* parent = nullptr;
        QTimer::singleShot(0, [&] {
            auto* modal = qobject_cast<CalibrationDialogBase*>(QApplication::activeModalWidget());
            ASSERT_NE(modal, nullptr);
            title = modal->windowTitle();
            parent = modal->parentWidget();
            click(*modal->okButton());
        });
        int refreshes = 0;
        runCalibrationDialog(c.command, bench.session, bench.help, &mainWindow,
                             [&refreshes] { ++refreshes; });
        EXPECT_EQ(title, c.title);
        EXPECT_EQ(parent, &mainWindow);
        EXPECT_EQ(refreshes, 1);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

} // namespace
} // namespace rheo::testing
