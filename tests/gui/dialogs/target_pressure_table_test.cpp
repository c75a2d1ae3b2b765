// The standards table: its columns and rows, adding and deleting standards, loading a
// standard into the fields, the viscosity field's range and what OK and Cancel keep.
#include "gui/dialogs/target_pressure_table.hpp"

#include "core/session/session_texts.hpp"
#include "dialog_fixture.hpp"
#include "gui/widgets/extended_list_ctrl.hpp"
#include "gui/widgets/number_edit.hpp"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace rheo::testing {
namespace {

using Names = std::vector<QString>;

// Cell 1 calibrated with A = 0.0025, B = 9 and T0 = 18 s; the other cells are not.
CalibrationData calibration(std::vector<ViscosityStandard> standards) {
    CalibrationData data;
    data.cells[0] = {1, 0.075, 15, 0.0025, 9, 0.5, 6, 18, {}, {}, 1.4e6, 1.0e6, 1.2e6};
    data.standards = std::move(standards);
    return data;
}

struct OpenTable {
    explicit OpenTable(std::vector<ViscosityStandard> standards)
        : bench(calibration(std::move(standards))), dialog(bench.session, bench.help) {}

    std::vector<QString> row(int index) const {
        std::vector<QString> texts;
        const QAbstractItemModel* model = dialog.table()->model();
        for (int column = 0; column < model->columnCount(); ++column)
            texts.push_back(model->index(index, column).data().toString());
        return texts;
    }
    Names names() const {
        Names shown;
        for (int i = 0; i < dialog.table()->model()->rowCount(); ++i)
            shown.push_back(row(i)[0]);
        return shown;
    }
    std::vector<std::string> storedNames() const {
        std::vector<std::string> stored;
        for (const ViscosityStandard& standard : bench.session.calibration().standards)
            stored.push_back(standard.name);
        return stored;
    }
    void add(const QString& name, const QString& viscosity) {
        typeInto(dialog.nameField(), name);
        typeInto(dialog.viscosityField(), viscosity);
        QTest::mouseClick(dialog.addButton(), Qt::LeftButton);
    }
    void clickRow(int index) {
        CExtendedListCtrl* table = dialog.table();
        const QRect cell = table->visualRect(table->model()->index(index, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QApplication::processEvents();
    }
    void pressInTable(Qt::Key key) {
        QTest::keyClick(dialog.table(), key);
        QApplication::processEvents(); // the loading of a row after Up or Down is posted
    }

    DialogBench bench;
    TargetPressureTable dialog;
};

const std::vector<ViscosityStandard> kFour = {{"X", 5}, {"Y", 2}, {"Z", 2}, {"Oil8", 8.5}};

// The dialog opens with the standards in ascending viscosity (equal ones in the reverse of
// their order), each row the name, the viscosity "%2.3f" and each cell's pressure, "N/A"
// for a cell that is not calibrated; the columns as wide as their headings times their
// factors; empty name, viscosity 1.
TEST(TargetPressureTable, OpensWithTheStandardsSortedAndTheirPressures) {
    OpenTable open(kFour);
    ASSERT_TRUE(openDialog(open.dialog));
    EXPECT_EQ(open.dialog.windowTitle(), "Standard Viscosities");
    EXPECT_EQ(open.names(), (Names{"Z", "Y", "X", "Oil8"}));
    EXPECT_EQ(open.storedNames(), (std::vector<std::string>{"Z", "Y", "X", "Oil8"}));
    EXPECT_EQ(open.row(3),
              (std::vector<QString>{"Oil8", "8.500", "200.0", "N/A", "N/A", "N/A", "N/A"}));

    const std::pair<QString, double> columns[] = {
        {"Standard Name", 0.98}, {"Viscosity (mPa*s)", 0.82}, {"Cell #1 (psi)", 1.1},
        {"Cell #2 (psi)", 1.1},  {"Cell #3 (psi)", 1.1},      {"Cell #4 (psi)", 1.1},
        {"Cell #5 (psi)", 1.1}};
    const QHeaderView* header = open.dialog.table()->header();
    ASSERT_EQ(header->count(), 7);
    for (int i = 0; i < 7; ++i) {
        const auto& [heading, factor] = columns[i];
        EXPECT_EQ(open.dialog.table()->model()->headerData(i, Qt::Horizontal).toString(), heading);
        EXPECT_EQ(header->sectionSize(i),
                  CExtendedListCtrl::columnWidth(open.dialog.table()->font(), heading, factor))
            << heading.toStdString();
    }

    EXPECT_EQ(open.dialog.nameField()->text(), "");
    EXPECT_EQ(open.dialog.viscosityField()->text(), "1");
    EXPECT_EQ(labelTexts(open.dialog), (Names{"Standard Name:", "Viscosity (mPa*s):"}));
    EXPECT_EQ(open.dialog.viscosityField()->accessibleName(), "Viscosity (mPa*s)");
    const std::vector<QWidget*> expected = {open.dialog.nameField(),
                                            open.dialog.viscosityField(),
                                            open.dialog.deleteSelectedButton(),
                                            open.dialog.deleteAllButton(),
                                            open.dialog.addButton(),
                                            open.dialog.table(),
                                            open.dialog.okButton(),
                                            open.dialog.cancelButton(),
                                            open.dialog.helpButton()};
    EXPECT_EQ(tabChain(open.dialog.nameField(), 8), expected);
    const std::vector<QString> buttons = {open.dialog.deleteSelectedButton()->text(),
                                          open.dialog.deleteAllButton()->text(),
                                          open.dialog.addButton()->text()};
    EXPECT_EQ(buttons, (Names{"Delete Selected", "Delete All", "Add Standard"}));
}

// Add stores the standard and shows the table in order again; a standard of exactly the
// same name (letter case counts) is replaced; an empty name is stored as "No_Name". The
// fields keep what they hold.
TEST(TargetPressureTable, AddReplacesByNameAndKeepsTheOrder) {
    OpenTable open({});
    ASSERT_TRUE(openDialog(open.dialog));
    EXPECT_EQ(open.dialog.table()->model()->rowCount(), 0);
    open.add("OilA", "5");
    EXPECT_EQ(open.row(0),
              (std::vector<QString>{"OilA", "5.000", "122.2", "N/A", "N/A", "N/A", "N/A"}));
    open.add("OilA", "10");
    EXPECT_EQ(open.names(), (Names{"OilA"}));
    EXPECT_EQ(open.row(0)[1], "10.000");
    open.add("oila", "3");
    EXPECT_EQ(open.names(), (Names{"oila", "OilA"}));
    open.add("", "7");
    EXPECT_EQ(open.names(), (Names{"oila", "No_Name", "OilA"}));
    EXPECT_EQ(open.storedNames(), (std::vector<std::string>{"oila", "No_Name", "OilA"}));
    EXPECT_EQ(open.dialog.nameField()->text(), "");
    EXPECT_EQ(open.dialog.viscosityField()->text(), "7");
    EXPECT_TRUE(open.bench.dialogs.messages.empty());
}

// The viscosity field takes 0 < V <= 40; anything else is told and the viscosity held
// before comes back, with the focus.
TEST(TargetPressureTable, ViscosityFieldTakesOnlyItsRange) {
    const std::string message(fieldMessage(NumberField::StandardViscosity));
    const struct {
        const char* typed;
        const char* shownAfter;
        std::string told;
    } cases[] = {
        {"40", "40", ""},    {"0.001", "0.001", ""}, {"40.001", "1", message},
        {"0", "1", message}, {"-1", "1", message},   {"thick", "1", kNotANumberMessage},
    };
    for (const auto& c : cases) {
        OpenTable open({});
        ASSERT_TRUE(openDialog(open.dialog));
        NumberEdit* viscosity = open.dialog.viscosityField();
        typeAndLeave(viscosity, c.typed);
        EXPECT_EQ(viscosity->text(), c.shownAfter) << c.typed;
        EXPECT_EQ(open.bench.dialogs.messages,
                  c.told.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.told})
            << c.typed;
        if (c.told == message) {
            EXPECT_TRUE(viscosity->hasFocus()) << c.typed;
        }
    }
}

// Delete Selected asks once and removes exactly the selected standards, the others keeping
// their order; without a selection, or on No, nothing is asked or removed. The Delete key
// in the table does the same.
TEST(TargetPressureTable, DeleteSelectedAsksOnceAndKeepsTheOrder) {
    const std::vector<ViscosityStandard> six = {{"A", 1}, {"B", 2}, {"C", 3},
                                                {"D", 4}, {"E", 5}, {"F", 6}};
    OpenTable open(six);
    ASSERT_TRUE(openDialog(open.dialog));
    QTest::mouseClick(open.dialog.deleteSelectedButton(), Qt::LeftButton);
    EXPECT_TRUE(open.bench.dialogs.questions.empty());

    open.dialog.table()->selectRows({1, 3});
    open.bench.dialogs.willAnswer(false);
    QTest::mouseClick(open.dialog.deleteSelectedButton(), Qt::LeftButton);
    EXPECT_EQ(open.names(), (Names{"A", "B", "C", "D", "E", "F"}));

    open.dialog.table()->selectRows({0, 2, 4});
    open.bench.dialogs.willAnswer(true);
    QTest::mouseClick(open.dialog.deleteSelectedButton(), Qt::LeftButton);
    EXPECT_EQ(open.names(), (Names{"B", "D", "F"}));
    EXPECT_EQ(open.storedNames(), (std::vector<std::string>{"B", "D", "F"}));
    EXPECT_EQ(open.bench.dialogs.questions,
              std::vector<std::string>(2, session_texts::kDeleteSelectedStandards));

    open.dialog.table()->setFocus();
    open.dialog.table()->selectRows({1});
    open.bench.dialogs.willAnswer(true);
    open.pressInTable(Qt::Key_Delete);
    EXPECT_EQ(open.names(), (Names{"B", "F"}));

    // The table's context menu, its "Delete" chosen.
    open.dialog.table()->setMenuRunner(
        [](QMenu& menu, const QPoint&) { return menu.actions().value(0); });
    open.dialog.table()->selectRows({0});
    open.bench.dialogs.willAnswer(true);
    open.dialog.table()->setFocus();
    emit open.dialog.table()->customContextMenuRequested(QPoint(10, 10));
    EXPECT_EQ(open.names(), (Names{"F"}));
    EXPECT_EQ(open.bench.dialogs.questions.size(), 4u);
    EXPECT_TRUE(open.bench.dialogs.scriptUsedUp());
}

// Delete All asks first; No keeps every standard, Yes leaves an empty table.
TEST(TargetPressureTable, DeleteAllAsksFirst) {
    OpenTable open(kFour);
    ASSERT_TRUE(openDialog(open.dialog));
    open.bench.dialogs.willAnswer(false);
    QTest::mouseClick(open.dialog.deleteAllButton(), Qt::LeftButton);
    EXPECT_EQ(open.names().size(), 4u);
    open.bench.dialogs.willAnswer(true);
    QTest::mouseClick(open.dialog.deleteAllButton(), Qt::LeftButton);
    EXPECT_EQ(open.dialog.table()->model()->rowCount(), 0);
    EXPECT_TRUE(open.bench.session.calibration().standards.empty());
    EXPECT_EQ(open.bench.dialogs.questions,
              std::vector<std::string>(2, session_texts::kDeleteAllStandards));
}

// A click on a row and Up or Down in the table load the standard into the two fields;
// Home, End, Page Up and Page Down move the selection without loading it.
TEST(TargetPressureTable, ClickAndUpDownLoadTheSelectedStandard) {
    OpenTable open(kFour); // shown Z 2, Y 2, X 5, Oil8 8.5
    ASSERT_TRUE(openDialog(open.dialog));
    QLineEdit* name = open.dialog.nameField();
    NumberEdit* viscosity = open.dialog.viscosityField();
    open.clickRow(2);
    EXPECT_EQ(name->text(), "X");
    EXPECT_EQ(viscosity->text(), "5");
    open.pressInTable(Qt::Key_Down);
    EXPECT_EQ(name->text(), "Oil8");
    EXPECT_EQ(viscosity->text(), "8.5");
    open.pressInTable(Qt::Key_Up);
    EXPECT_EQ(name->text(), "X");
    for (Qt::Key key : {Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown}) {
        open.pressInTable(key);
        EXPECT_EQ(name->text(), "X") << key;
    }
    EXPECT_EQ(open.dialog.table()->selectedRows(), std::vector<std::size_t>{3});
    // A loaded viscosity is the one Add stores; the new order puts equal viscosities the
    // other way round.
    typeInto(name, "Copy");
    QTest::mouseClick(open.dialog.addButton(), Qt::LeftButton);
    EXPECT_EQ(open.names(), (Names{"Y", "Z", "Copy", "X", "Oil8"}));
}

// Cancel puts the standards back as they were shown at opening, whatever was added or
// deleted; OK raises the change flag only after a change.
TEST(TargetPressureTable, CancelRestoresTheOpeningListOkMarksAChange) {
    {
        OpenTable open(kFour);
        ASSERT_TRUE(openDialog(open.dialog));
        open.add("New", "3");
        open.bench.dialogs.willAnswer(true);
        QTest::mouseClick(open.dialog.deleteAllButton(), Qt::LeftButton);
        QTest::mouseClick(open.dialog.cancelButton(), Qt::LeftButton);
        EXPECT_EQ(open.storedNames(), (std::vector<std::string>{"Z", "Y", "X", "Oil8"}));
        EXPECT_FALSE(open.bench.session.calibrationChanged());
    }
    {
        OpenTable open(kFour);
        ASSERT_TRUE(openDialog(open.dialog));
        open.clickRow(1);
        QTest::mouseClick(open.dialog.okButton(), Qt::LeftButton);
        EXPECT_FALSE(open.bench.session.calibrationChanged());
    }
    {
        OpenTable open(kFour);
        ASSERT_TRUE(openDialog(open.dialog));
        open.clickRow(1);
        QTest::mouseClick(open.dialog.addButton(), Qt::LeftButton); // Y again, replacing Y
        QTest::mouseClick(open.dialog.okButton(), Qt::LeftButton);
        EXPECT_TRUE(open.bench.session.calibrationChanged());
        EXPECT_EQ(open.bench.session.calibration().standards.size(), 4u);
    }
}

} // namespace
} // namespace rheo::testing
