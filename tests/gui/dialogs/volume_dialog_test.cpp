// The volume calculation dialog as the operator works it: weighings added through the fields
// and listed with their volume and T0, the averages under the list, a weighing recalled into
// the fields, and the deletions with their questions and notices.

#include "gui/dialogs/volume_dialog.hpp"

#include "core/calibration/volume_calculation.hpp"
#include "core/session/session_texts.hpp"
#include "gui/widgets/extended_list_ctrl.hpp"
#include "gui/widgets/number_edit.hpp"

#include "dialog_bench.hpp"

#include <QLabel>
#include <QPushButton>
#include <QTabBar>

#include <gtest/gtest.h>

namespace rheo::testing {
namespace {

// The rows the list shows, then the average volume and T0.
std::string shown(const VolumeDialog& dialog) {
    return std::to_string(shownRows(*dialog.weighingsList()).size()) + " " +
           dialog.averageVolumeLabel()->text().toStdString() + " " +
           dialog.targetEffluxTimeLabel()->text().toStdString();
}

void addWeighing(VolumeDialog& dialog, const char* full) {
    typeAndLeave(*dialog.tareWeightField(), "10.0");
    typeAndLeave(*dialog.fullWeightField(), full);
    typeAndLeave(*dialog.densityField(), "0.8");
    click(*dialog.addButton());
}

// A calibration whose first cell holds the three worked weighings, and whose second cell
// has a stored volume and T0 without weighings.
CalibrationData withWorkedWeighings() {
    CalibrationData data = readyCalibration();
    for (double full : {16.0, 16.1, 15.9})
        AddVolumePoint(data.cells[0], 10, full, 0.8);
    data.cells[1].cellVolume = 6.25;
    return data;
}

// Opens on the form's cell with its radius, working shear rate and stored averages. The
// worked weighings: the first 1, 1, 1 refused; 10, 16, 0.8 gives 6.0000 g, 7.5000 ml and
// 16.17 s; the notice is told once the list and averages show a new weighing, until three.
TEST(VolumeDialog, WorkedWeighingsGiveTheirVolumesAndT0) {
    Bench bench(withWorkedWeighings(), 1);
    VolumeDialog dialog(bench.session, bench.help);
    ASSERT_TRUE(showActive(dialog));
    EXPECT_EQ(dialog.cellTabs()->currentIndex(), 1);
    EXPECT_EQ(dialog.capillaryRadiusLabel()->text(), "0.0750");
    EXPECT_EQ(dialog.workingShearRateLabel()->text(), "1.400");
    EXPECT_EQ(shown(dialog), "0 6.2500 18.00");

    click(*dialog.addButton());
    EXPECT_EQ(bench.dialogs.messages.size(), 1u);
    EXPECT_EQ(shown(dialog), "0 6.2500 18.00");
    bench.dialogs.messages.clear();
    bench.dialogs.watch = [&] { return shown(dialog); };
    addWeighing(dialog, "16.0");
    EXPECT_EQ(shownRows(*dialog.weighingsList()),
              Texts{"10.0000|16.0000|6.0000|0.8000|16.17|7.5000"});
    addWeighing(dialog, "16.1");
    addWeighing(dialog, "15.9");
    EXPECT_EQ(shown(dialog), "3 7.5000 16.17");
    EXPECT_EQ(bench.dialogs.messages, Texts(2, std::string(kVolumeNotice)));
    EXPECT_EQ(bench.dialogs.seenAtMessages, Texts({"1 7.5000 16.17", "2 7.5625 16.30"}));
}

// A click on a row and Down show the first selected weighing in the fields. Delete Selected
// asks first; the last weighing gone, the averages read "0" and the notice is told once the
// list is empty. Delete All asks, and reads "0" with no notice.
TEST(VolumeDialog, SelectedWeighingsAreRecalledDeletionsAskFirst) {
    Bench bench(withWorkedWeighings());
    VolumeDialog dialog(bench.session, bench.help);
    ASSERT_TRUE(showActive(dialog));
    bench.dialogs.watch = [&] { return shown(dialog); };
    CExtendedListCtrl& list = *dialog.weighingsList();
    clickRow(list, 1);
    EXPECT_EQ(dialog.fullWeightField()->text(), "16.1");
    press(list, Qt::Key_Up);
    EXPECT_EQ(dialog.fullWeightField()->text(), "16");
    EXPECT_EQ(dialog.densityField()->text(), "0.8");
    bench.dialogs.willAnswer(false);
    click(*dialog.deleteSelectedButton());
    EXPECT_EQ(shown(dialog), "3 7.5000 16.17");
    bench.dialogs.willAnswer(true);
    click(*dialog.deleteSelectedButton());
    EXPECT_EQ(shown(dialog), "2 7.5000 16.17"); // 16.1 and 15.9 full
    list.selectRows({0, 1});
    bench.dialogs.willAnswer(true);
    click(*dialog.deleteSelectedButton());
    EXPECT_EQ(bench.dialogs.seenAtMessages, Texts({"2 7.5000 16.17", "0 0 0"}));
    EXPECT_EQ(bench.dialogs.questions, Texts(3, session_texts::kDeleteSelectedVolumePoints));

    switchCell(list, true);
    ASSERT_EQ(shown(dialog), "0 6.2500 18.00");
    bench.dialogs.willAnswer(true);
    click(*dialog.deleteAllButton());
    EXPECT_EQ(bench.dialogs.questions.back(), session_texts::kDeleteAllVolumePoints);
    EXPECT_EQ(shown(dialog), "0 0 0");
    EXPECT_EQ(dialog.capillaryRadiusLabel()->text(), "0.0750");
    EXPECT_EQ(bench.dialogs.messages, Texts(2, std::string(kVolumeNotice)));
}

} // namespace
} // namespace rheo::testing
