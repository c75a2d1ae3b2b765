// The standards table: its rows, adding and deleting standards, loading a standard into the
// fields.
#include "gui/dialogs/target_pressure_table.hpp"

#include "core/session/session_texts.hpp"
#include "gui/widgets/extended_list_ctrl.hpp"
#include "gui/widgets/number_edit.hpp"

#include "dialog_bench.hpp"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace rheo::testing {
namespace {

// Cell 1 calibrated with A = 0.0025, B = 9 and T0 = 18 s; the other cells are not.
CalibrationData withStandards(std::vector<ViscosityStandard> standards) {
    CalibrationData data;
    data.cells[0] = {1, 0.075, 15, 0.0025, 9, 0.5, 6, 18, {}, {}, 1.4e6, 1.0e6, 1.2e6};
    data.standards = std::move(standards);
    return data;
}

struct OpenTable {
    explicit OpenTable(std::vector<ViscosityStandard> standards)
        : bench(withStandards(std::move(standards))) {
        EXPECT_TRUE(showActive(dialog));
    }
    // The names the table shows, then the names stored, in their order.
    std::string names() const {
        QStringList shown, stored;
        for (int row = 0; row < dialog.table()->model()->rowCount(); ++row)
            shown << dialog.table()->model()->index(row, 0).data().toString();
        for (const ViscosityStandard& standard : bench.session.calibration().standards)
            stored << QString::fromStdString(standard.name);
        return (shown.join(' ') + " / " + stored.join(' ')).toStdString();
    }
    void add(const QString& name, const QString& viscosity) {
        typeInto(*dialog.nameField(), name);
        typeInto(*dialog.viscosityField(), viscosity);
        click(*dialog.addButton());
    }

    Bench bench;
    TargetPressureTable dialog{bench.session, bench.help};
};

// The dialog opens with the standards in ascending viscosity (equal ones in the reverse of
// their order), each row the name, the viscosity and each cell's pressure, "N/A" for a cell
// that is not calibrated. A click on a row and Up or Down load the standard into the two
// fields. Add stores the standard and shows the table in order again; a standard of exactly
// the same name (letter case counts) is replaced; an empty name is stored as "No_Name".
TEST(TargetPressureTable, RowsLoadIntoTheFieldsAddReplacesByNameAndKeepsThemSorted) {
    OpenTable open({{"X", 5}, {"Y", 2}, {"Z", 2}, {"Oil8", 8.5}});
    EXPECT_EQ(open.names(), "Z Y X Oil8 / Z Y X Oil8");
    EXPECT_EQ(shownRows(*open.dialog.table())[3], "Oil8|8.500|200.0|N/A|N/A|N/A|N/A");
    const auto fields = [&] {
        return (open.dialog.nameField()->text() + " " + open.dialog.viscosityField()->text())
            .toStdString();
    };
    clickRow(*open.dialog.table(), 2);
    EXPECT_EQ(fields(), "X 5");
    press(*open.dialog.table(), Qt::Key_Down);
    EXPECT_EQ(fields(), "Oil8 8.5");
    press(*open.dialog.table(), Qt::Key_Up);
    typeInto(*open.dialog.nameField(), "OilA");
    click(*open.dialog.addButton()); // with the viscosity of X
    EXPECT_EQ(open.names(), "Y Z OilA X Oil8 / Y Z OilA X Oil8");
    EXPECT_EQ(shownRows(*open.dialog.table())[2], "OilA|5.000|122.2|N/A|N/A|N/A|N/A");
    open.add("OilA", "10");
    EXPECT_EQ(open.names(), "Z Y X Oil8 OilA / Z Y X Oil8 OilA");
    open.add("oila", "3");
    open.add("", "7");
    EXPECT_EQ(open.names(), "Z Y oila X No_Name Oil8 OilA / Z Y oila X No_Name Oil8 OilA");
    EXPECT_TRUE(open.bench.dialogs.messages.empty());
}

// Delete Selected asks once and removes exactly the selected standards, the others keeping
// their order; without a selection, or on No, nothing is removed. The Delete key and the
// table's menu do the same; Delete All asks too.
TEST(TargetPressureTable, DeletionsAskOnceAndKeepTheOrder) {
    OpenTable open({{"A", 1}, {"B", 2}, {"C", 3}, {"D", 4}, {"E", 5}, {"F", 6}});
    WatchingDialogs& dialogs = open.bench.dialogs;
    CExtendedListCtrl& table = *open.dialog.table();
    click(*open.dialog.deleteSelectedButton());
    table.selectRows({1, 3});
    dialogs.willAnswer(false);
    click(*open.dialog.deleteSelectedButton());
    table.selectRows({0, 2, 4});
    dialogs.willAnswer(true);
    click(*open.dialog.deleteSelectedButton());
    EXPECT_EQ(open.names(), "B D F / B D F");
    EXPECT_EQ(dialogs.questions, Texts(2, session_texts::kDeleteSelectedStandards));

    table.setFocus();
    table.selectRows({1});
    dialogs.willAnswer(true);
    press(table, Qt::Key_Delete);
    table.setMenuRunner([](QMenu& menu, const QPoint&) { return menu.actions().value(0); });
    table.selectRows({0});
    dialogs.willAnswer(true);
    emit table.customContextMenuRequested(QPoint(10, 10));
    EXPECT_EQ(open.names(), "F / F");
    dialogs.willAnswer(true);
    click(*open.dialog.deleteAllButton());
    EXPECT_EQ(open.names(), " / ");
    EXPECT_EQ(dialogs.questions.size(), 5u);
    EXPECT_EQ(dialogs.questions.back(), session_texts::kDeleteAllStandards);
}

} // namespace
} // namespace rheo::testing
