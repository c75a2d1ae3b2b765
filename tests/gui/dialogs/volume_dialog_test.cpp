// The volume calculation dialog as the operator works it: weighings added through the fields
// and listed with their volume and T0, the averages under the list, the field checks, a
// weighing recalled into the fields, and the deletions with their questions and notices.

#include "gui/dialogs/volume_dialog.hpp"

#include "core/calibration/volume_calculation.hpp"
#include "gui/widgets/extended_list_ctrl.hpp"
#include "gui/widgets/number_edit.hpp"

#include "dialog_bench.hpp"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

namespace rheo::testing {
namespace {

using Texts = std::vector<std::string>;

const char* const kNotice = "At least 3 data points are needed to accurately calculate\n"
                            "the cell volume and target efflux time (T0).\nPlease add more data.";

std::string averages(const VolumeDialog& dialog) {
    return shownText(*dialog.averageVolumeLabel()) + " " +
           shownText(*dialog.targetEffluxTimeLabel());
}

void addWeighing(VolumeDialog& dialog, const char* tare, const char* full, const char* density) {
    typeAndLeave(*dialog.tareWeightField(), tare);
    typeAndLeave(*dialog.fullWeightField(), full);
    typeAndLeave(*dialog.densityField(), density);
    click(*dialog.addButton());
}

// A calibration whose cell at `index` holds the three worked weighings.
CalibrationData withWorkedWeighings(int index) {
    CalibrationData data = readyCalibration();
    CellCalibration& cell = data.cells[static_cast<std::size_t>(index)];
    for (double full : {16.0, 16.1, 15.9})
        AddVolumePoint(cell, 10, full, 0.8);
    return data;
}

// Opens on the form's cell with its radius, working shear rate, stored averages and
// weighings; the fields start at 1, 1, 1; each column is as wide as its heading times its
// factor.
TEST(VolumeDialog, OpensOnTheFormsCellWithItsStoredValues) {
    CalibrationData data = withWorkedWeighings(1);
    data.cells[1].cellVolume = 6.25; // stored values are shown as they are
    Bench bench(data, 1);
    VolumeDialog dialog(bench.session, bench.help);
    EXPECT_EQ(dialog.windowTitle(), "Volume Calculation");
    EXPECT_EQ(dialog.cellTabs()->currentIndex(), 1);
    EXPECT_EQ(bench.session.calibrationCell(), 1);
    EXPECT_EQ(shownText(*dialog.capillaryRadiusLabel()), "0.0750");
    EXPECT_EQ(shownText(*dialog.workingShearRateLabel()), "1.400");
    EXPECT_EQ(averages(dialog), "6.2500 16.17");
    EXPECT_EQ(shownRows(*dialog.weighingsList()).size(), 3u);
    for (NumberEdit* field :
         {dialog.tareWeightField(), dialog.fullWeightField(), dialog.densityField()})
        EXPECT_EQ(field->text(), "1");
    expectColumns(*dialog.weighingsList(), {{"Tare Weight (gm)", 0.95},
                                            {"Full Weight (gm)", 0.95},
                                            {"Difference (gm)", 0.95},
                                            {"Density (gm/ml)", 1},
                                            {"T0 (sec)", 1.16},
                                            {"Volume (ml)", 1.05}});
}

// The worked weighings: 10, 16, 0.8 give 6.0000 g, 7.5000 ml and 16.17 s, with the notice
// told once the list and averages show them; two more keep the means and the third brings
// no notice. The initial 1, 1, 1 is refused first.
TEST(VolumeDialog, WorkedWeighingsGiveTheirVolumesAndT0) {
    Bench bench(readyCalibration());
    VolumeDialog dialog(bench.session, bench.help);
    ASSERT_TRUE(showActive(dialog));
    bench.dialogs.watch = [&] {
        return std::to_string(shownRows(*dialog.weighingsList()).size()) + " " + averages(dialog);
    };
    click(*dialog.addButton());
    EXPECT_EQ(bench.dialogs.messages, Texts{"Tare Weight must be less than the Full Weight"});
    EXPECT_TRUE(shownRows(*dialog.weighingsList()).empty());

    addWeighing(dialog, "10.0", "16.0", "0.8");
    EXPECT_EQ(shownRows(*dialog.weighingsList()),
              Texts{"10.0000|16.0000|6.0000|0.8000|16.17|7.5000"});
    EXPECT_EQ(averages(dialog), "7.5000 16.17");
    addWeighing(dialog, "10.0", "16.1", "0.8");
    addWeighing(dialog, "10.0", "15.9", "0.8");
    EXPECT_EQ(shownRows(*dialog.weighingsList()),
              Texts({"10.0000|16.0000|6.0000|0.8000|16.17|7.5000",
                     "10.0000|16.1000|6.1000|0.8000|16.44|7.6250",
                     "10.0000|15.9000|5.9000|0.8000|15.90|7.3750"}));
    EXPECT_EQ(averages(dialog), "7.5000 16.17");
    EXPECT_EQ(bench.dialogs.messages.size(), 3u);
    EXPECT_EQ(bench.dialogs.messages[1], kNotice);
    EXPECT_EQ(bench.dialogs.seenAtMessages[1], "1 7.5000 16.17");
    EXPECT_EQ(bench.dialogs.seenAtMessages[2], "2 7.5625 16.30");
}

// Each field refuses what its rule refuses when it is left, with its message, the value held
// before and the focus back in the field; the edges are accepted.
TEST(VolumeDialog, NumberFieldsAreCheckedWhenLeft) {
    const std::string tareMessage = "Please enter a non zero and non negative number for the "
                                    "tare weight.\nValues above 100 grams are also inappropriate.";
    const std::string fullMessage = "Please enter a non zero and non negative number for the "
                                    "full weight.\nValues above 100 grams are also inappropriate.";
    const std::string densityMessage = "Please enter a value between 0.01 and 10 grams/ml.";
    struct Case {
        NumberEdit* (VolumeDialog::*field)() const;
        const char* typed;
        const std::string* message; // none when accepted
    };
    const Case cases[] = {
        {&VolumeDialog::tareWeightField, "100", nullptr},
        {&VolumeDialog::tareWeightField, "100.5", &tareMessage},
        {&VolumeDialog::tareWeightField, "0", &tareMessage},
        {&VolumeDialog::fullWeightField, "100", nullptr},
        {&VolumeDialog::fullWeightField, "100.5", &fullMessage},
        {&VolumeDialog::densityField, "0.01", &densityMessage},
        {&VolumeDialog::densityField, "0.0101", nullptr},
        {&VolumeDialog::densityField, "10", nullptr},
        {&VolumeDialog::densityField, "10.01", &densityMessage},
    };
    for (const Case& c : cases) {
        Bench bench;
        VolumeDialog dialog(bench.session, bench.help);
        ASSERT_TRUE(showActive(dialog));
        NumberEdit& field = *(dialog.*c.field)();
        typeAndLeave(field, c.typed);
        EXPECT_EQ(field.text(), c.message ? QString("1") : QString(c.typed)) << c.typed;
        EXPECT_EQ(field.hasFocus(), c.message != nullptr) << c.typed;
        EXPECT_EQ(bench.dialogs.messages, c.message ? Texts{*c.message} : Texts{}) << c.typed;
    }
}

// A click on a row and Up or Down show the first selected weighing in the fields.
TEST(VolumeDialog, SelectedWeighingsAreRecalledIntoTheFields) {
    Bench bench(withWorkedWeighings(0));
    VolumeDialog dialog(bench.session, bench.help);
    ASSERT_TRUE(showActive(dialog));
    auto fields = [&] {
        return (QStringList{dialog.tareWeightField()->text(), dialog.fullWeightField()->text(),
                            dialog.densityField()->text()})
            .join(' ')
            .toStdString();
    };
    clickRow(*dialog.weighingsList(), 1);
    EXPECT_EQ(fields(), "10 16.1 0.8");
    QTest::keyClick(dialog.weighingsList(), Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_EQ(fields(), "10 15.9 0.8");
}

// Delete Selected asks first; the last weighing gone, the averages read "0" and the notice
// is told once the list is empty. Delete All asks, and reads "0" with no notice.
TEST(VolumeDialog, DeletionsAskFirstThenShowTheAverages) {
    const char* deleteSelected =
        "Are you sure you want to delete the selected volume calculation data?";
    const char* deleteAll = "Are you sure you want to delete all volume calculation data?";
    Bench bench(withWorkedWeighings(0));
    bench.session.selectCell(0);
    VolumeDialog dialog(bench.session, bench.help);
    ASSERT_TRUE(showActive(dialog));
    bench.dialogs.watch = [&] {
        return std::to_string(shownRows(*dialog.weighingsList()).size()) + " " + averages(dialog);
    };
    CExtendedListCtrl& list = *dialog.weighingsList();

    list.selectRows({0});
    bench.dialogs.willAnswer(false);
    click(*dialog.deleteSelectedButton());
    EXPECT_EQ(shownRows(list).size(), 3u);

    list.selectRows({0});
    bench.dialogs.willAnswer(true);
    click(*dialog.deleteSelectedButton());
    EXPECT_EQ(averages(dialog), "7.5000 16.17"); // 16.1 and 15.9 full
    EXPECT_EQ(bench.dialogs.seenAtMessages, Texts{"2 7.5000 16.17"});

    list.selectRows({0, 1});
    bench.dialogs.willAnswer(true);
    click(*dialog.deleteSelectedButton());
    EXPECT_EQ(bench.dialogs.seenAtMessages.back(), "0 0 0");
    EXPECT_EQ(bench.dialogs.questions, Texts(3, deleteSelected));
    EXPECT_EQ(bench.dialogs.messages, Texts(2, kNotice));

    QTest::keyClick(&list, Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(averages(dialog), "6.0000 18.00"); // cell 2 as stored
    bench.dialogs.willAnswer(true);
    click(*dialog.deleteAllButton());
    EXPECT_EQ(bench.dialogs.questions.back(), deleteAll);
    EXPECT_EQ(averages(dialog), "0 0");
    EXPECT_EQ(shownText(*dialog.capillaryRadiusLabel()), "0.0750");
    EXPECT_EQ(bench.dialogs.messages.size(), 2u);
    EXPECT_TRUE(bench.dialogs.scriptUsedUp());
}

} // namespace
} // namespace rheo::testing
