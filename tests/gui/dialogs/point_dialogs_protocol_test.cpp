// What the A/B and volume dialogs do alike as calibration dialogs: Cancel, Escape and the
// close box put back every cell, Enter does nothing, OK raises the calibration's change flag
// only after a change and refreshes the form, Help and F1 open the dialog's page, and Tab
// walks the controls in their order.

#include "core/calibration/ab_regression.hpp"
#include "core/calibration/volume_calculation.hpp"
#include "gui/dialogs/ab_dialog.hpp"
#include "gui/dialogs/volume_dialog.hpp"
#include "gui/widgets/extended_list_ctrl.hpp"
#include "gui/widgets/number_edit.hpp"

#include "dialog_bench.hpp"

#include <QApplication>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

namespace rheo::testing {
namespace {

// How each dialog is worked in the tests below.
template <typename Dialog> struct Working;

template <> struct Working<ABDialog> {
    static constexpr HelpPage kPage = HelpPage::CalculatingConstants;
    static void addOne(ABDialog& dialog) {
        typeAndLeave(*dialog.knownViscosityField(), "7.0");
        typeAndLeave(*dialog.pressureField(), "150");
        typeAndLeave(*dialog.effluxTimeField(), "20");
        click(*dialog.addButton());
    }
    static void deleteAll(ABDialog& dialog) { click(*dialog.deleteAllButton()); }
    static NumberEdit* firstField(const ABDialog& dialog) { return dialog.knownViscosityField(); }
    static std::vector<std::string> tabOrder() {
        return {"Known Viscosity",
                "Pressure",
                "Efflux Time",
                "Standard Name",
                "Delete Selected",
                "Delete All",
                "Add to A, B Calculation",
                "Yes",
                "Standard runs",
                "OK",
                "Cancel",
                "Help",
                "Cell"};
    }
};

template <> struct Working<VolumeDialog> {
    static constexpr HelpPage kPage = HelpPage::CellVolume;
    static void addOne(VolumeDialog& dialog) {
        typeAndLeave(*dialog.tareWeightField(), "10");
        typeAndLeave(*dialog.fullWeightField(), "16");
        typeAndLeave(*dialog.densityField(), "0.8");
        click(*dialog.addButton());
    }
    static void deleteAll(VolumeDialog& dialog) { click(*dialog.deleteAllButton()); }
    static NumberEdit* firstField(const VolumeDialog& dialog) { return dialog.tareWeightField(); }
    static std::vector<std::string> tabOrder() {
        return {"Tare Weight", "Full Weight", "Density",   "Delete Selected",
                "Delete All",  "Add",         "Weighings", "OK",
                "Cancel",      "Help",        "Cell"};
    }
};

// Every cell ready, the first and fourth holding a weighing and a standard run.
CalibrationData startingCalibration() {
    CalibrationData data = readyCalibration();
    for (std::size_t cell : {0u, 3u}) {
        AddAbPoint(data.cells[cell], 8.6, 200, 18, true, "Kept");
        AddVolumePoint(data.cells[cell], 10, 16.1, 0.8);
        data.cells[cell].cellVolume = 6;
        data.cells[cell].targetEffluxTime = 18;
    }
    return data;
}

template <typename Dialog> class PointDialogs : public ::testing::Test {};
using BothDialogs = ::testing::Types<ABDialog, VolumeDialog>;
TYPED_TEST_SUITE(PointDialogs, BothDialogs);

// An Add in cell 1 and Delete All in cell 4 are both undone, whichever way the dialog is
// left without OK; the change flag is not touched, and a field left on the way out is not
// checked.
TYPED_TEST(PointDialogs, CancelEscapeAndCloseBoxRestoreEveryCell) {
    enum class Leave { Cancel, Escape, CloseBox };
    for (Leave leave : {Leave::Cancel, Leave::Escape, Leave::CloseBox}) {
        const CalibrationData before = startingCalibration();
        Bench bench(before);
        TypeParam dialog(bench.session, bench.help);
        ASSERT_TRUE(showActive(dialog));
        Working<TypeParam>::addOne(dialog);
        QTest::keyClick(&dialog, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(&dialog, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        ASSERT_EQ(dialog.cellTabs()->currentIndex(), 3);
        bench.dialogs.willAnswer(true);
        Working<TypeParam>::deleteAll(dialog);
        ASSERT_NE(bench.session.calibration(), before);
        // A value the field would refuse is not checked on the way out.
        NumberEdit* field = Working<TypeParam>::firstField(dialog);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, "-5");
        const std::size_t told = bench.dialogs.messages.size();

        if (leave == Leave::Cancel)
            click(*dialog.cancelButton());
        else if (leave == Leave::Escape)
            QTest::keyClick(Working<TypeParam>::firstField(dialog), Qt::Key_Escape);
        else
            dialog.close();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(bench.session.calibration(), before) << static_cast<int>(leave);
        EXPECT_FALSE(bench.session.calibrationChanged());
        EXPECT_EQ(bench.dialogs.messages.size(), told) << static_cast<int>(leave);
    }
}

// Enter in a field or on the tabs leaves the dialog open and changes nothing; no button is
// drawn as the one Enter would press.
TYPED_TEST(PointDialogs, EnterKeepsTheDialogOpen) {
    const CalibrationData before = startingCalibration();
    Bench bench(before);
    TypeParam dialog(bench.session, bench.help);
    ASSERT_TRUE(showActive(dialog));
    NumberEdit* field = Working<TypeParam>::firstField(dialog);
    field->setFocus();
    for (const QPushButton* button : dialog.template findChildren<QPushButton*>())
        EXPECT_FALSE(button->isDefault()) << button->text().toStdString();
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Enter);
    QTest::keyClick(dialog.cellTabs(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(bench.session.calibration(), before);
    EXPECT_TRUE(bench.dialogs.transcript.empty());
}

// OK keeps the edits and refreshes the form; the change flag rises only after a change.
TYPED_TEST(PointDialogs, OkRaisesTheChangeFlagOnlyAfterAChange) {
    for (bool change : {false, true}) {
        Bench bench(startingCalibration());
        TypeParam dialog(bench.session, bench.help);
        int refreshes = 0;
        dialog.setAfterOk([&] { ++refreshes; });
        ASSERT_TRUE(showActive(dialog));
        if (change)
            Working<TypeParam>::addOne(dialog);
        const CalibrationData edited = bench.session.calibration();
        click(*dialog.okButton());
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(refreshes, 1);
        EXPECT_EQ(bench.session.calibrationChanged(), change);
        EXPECT_EQ(bench.session.calibration().cells[0].volumePoints, edited.cells[0].volumePoints);
        EXPECT_EQ(bench.session.calibration().cells[0].abPoints.size(),
                  edited.cells[0].abPoints.size());
    }
}

// "Help" and F1 open the dialog's page in the program's directory.
TYPED_TEST(PointDialogs, HelpAndF1OpenTheDialogsPage) {
    Bench bench;
    bench.session.startUp("/opt/rheo/");
    bench.dialogs.messages.clear(); // no calibration file there
    TypeParam dialog(bench.session, bench.help);
    ASSERT_TRUE(showActive(dialog));
    click(*dialog.helpButton());
    QTest::keyClick(Working<TypeParam>::firstField(dialog), Qt::Key_F1);
    const std::string page = helpPagePath("/opt/rheo/", Working<TypeParam>::kPage);
    EXPECT_EQ(bench.help.pages, std::vector<std::string>(2, page));
    EXPECT_TRUE(dialog.isVisible());
}

// Tab walks the controls in the order they are laid out, from the first field round to the
// cell tabs; each has a name taken from its caption or text.
TYPED_TEST(PointDialogs, TabWalksTheControlsInTheirOrder) {
    Bench bench(startingCalibration());
    TypeParam dialog(bench.session, bench.help);
    ASSERT_TRUE(showActive(dialog));
    ASSERT_EQ(QApplication::focusWidget(), Working<TypeParam>::firstField(dialog));
    std::vector<std::string> walked;
    for (std::size_t i = 0; i < Working<TypeParam>::tabOrder().size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        walked.push_back(focus ? focus->accessibleName().toStdString() : "(none)");
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_EQ(walked, Working<TypeParam>::tabOrder());
    EXPECT_EQ(QApplication::focusWidget(), Working<TypeParam>::firstField(dialog));
    EXPECT_TRUE(bench.dialogs.transcript.empty());
}

} // namespace
} // namespace rheo::testing
