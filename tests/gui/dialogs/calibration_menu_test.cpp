// What the three dialogs share with every calibration dialog (Enter does nothing, F1 and
// Help open the dialog's page) and the Calibration menu running them.
#include "gui/dialogs/calibration_dialogs.hpp"
#include "gui/dialogs/cell_data_dialog.hpp"
#include "gui/dialogs/settings_dialog.hpp"
#include "gui/dialogs/target_pressure_table.hpp"

#include "dialog_fixture.hpp"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace rheo::testing {
namespace {

constexpr const char* kDirectory = "/opt/rheo/";

using MakeDialog =
    std::function<std::unique_ptr<CalibrationDialogBase>(Session&, HelpLauncher&, QWidget*)>;

template <typename Dialog> MakeDialog maker() {
    return [](Session& session, HelpLauncher& help, QWidget* parent) {
        return std::make_unique<Dialog>(session, help, parent);
    };
}

// Enter and Return in a field leave the dialog open (and take nothing); F1 anywhere in the
// dialog and its Help button open the dialog's page of the help file.
TEST(CalibrationDialogs, EnterKeepsThemOpenF1AndHelpShowTheirPage) {
    const struct {
        MakeDialog make;
        const char* page;
    } dialogs[] = {
        {maker<SettingsDialog>(), "Vantor_Viscosity_Calculator_Overview.htm"},
        {maker<CellDataDialog>(), "Cell_Data.htm"},
        {maker<TargetPressureTable>(), "Standard_Viscosities.htm"},
    };
    for (const auto& d : dialogs) {
        DialogBench bench;
        bench.session.startUp(kDirectory); // tells that there is no calibration file there
        std::unique_ptr<CalibrationDialogBase> dialog = d.make(bench.session, bench.help, nullptr);
        ASSERT_TRUE(openDialog(*dialog));
        auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(field, nullptr) << d.page;
        typeInto(field, "7");
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter);
        EXPECT_TRUE(dialog->isVisible()) << d.page;
        EXPECT_TRUE(field->hasFocus()) << d.page;
        EXPECT_EQ(bench.dialogs.messages.size(), 1u) << d.page;
        EXPECT_EQ(bench.session.calibration(), CalibrationData()) << d.page;

        QTest::keyClick(field, Qt::Key_F1);
        QTest::mouseClick(dialog->helpButton(), Qt::LeftButton);
        const std::string page = std::string(kDirectory) + "/RHEO.chm::/RHEO/" + d.page;
        EXPECT_EQ(bench.help.pages, std::vector<std::string>(2, page));
        EXPECT_TRUE(dialog->isVisible()) << d.page;
    }
}

// Each command runs its dialog modally over the main window until it is closed; the Cell
// Data dialog shows the form's cell; nothing refreshes the form afterwards.
TEST(CalibrationMenu, RunsEachDialogModallyOverTheMainWindow) {
    const struct {
        CalibrationDialog dialog;
        const char* title;
    } commands[] = {
        {CalibrationDialog::GeneralSettings, "General Settings"},
        {CalibrationDialog::CellData, "Cell Data"},
        {CalibrationDialog::StandardViscosities, "Standard Viscosities"},
    };
    for (const auto& command : commands) {
        DialogBench bench;
        bench.session.selectCell(3);
        QWidget mainWindow;
        QString title;
        QWidget* parent = nullptr;
        int cellShown = -1;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            title = modal->windowTitle();
            parent = modal->parentWidget();
            cellShown = bench.session.calibrationCell();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        int refreshes = 0;
        runCalibrationDialog(command.dialog, bench.session, bench.help, &mainWindow,
                             [&refreshes] { ++refreshes; });
        EXPECT_EQ(title, command.title);
        EXPECT_EQ(parent, &mainWindow);
        EXPECT_EQ(refreshes, 0);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        if (command.dialog == CalibrationDialog::CellData) {
            EXPECT_EQ(cellShown, 3);
        }
    }
}

} // namespace
} // namespace rheo::testing
