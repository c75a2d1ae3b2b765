// The requests the list makes of its owner (recall a row, delete, the Delete menu) and the
// ways the operator selects rows.

#include "list_fixture.hpp"

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace rheo::testing {
namespace {

class ListEvents : public ::testing::Test {
protected:
    ListEvents() {
        // What the owner finds when it answers the request.
        QObject::connect(shown.list, &CExtendedListCtrl::recallRequested,
                         [this] { recalls.push_back(shown.list->firstSelectedRow()); });
    }
    Rows click(int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(shown.list->viewport(), Qt::LeftButton, modifiers,
                          shown.cellRect(row, 0).center());
        return shown.list->selectedRows();
    }

    ShownList shown{{{"Sample", 3.0}}, numberedRows(8)};
    std::vector<std::optional<std::size_t>> recalls;
};

// From row 3 selected: Up and Down (with Shift too) ask for a recall once the selection has
// moved; other keys move the selection without one; Delete asks for a deletion.
TEST_F(ListEvents, UpAndDownRecallAfterTheSelectionMovedDeleteAsksForADeletion) {
    ASSERT_TRUE(shown.focusList());
    QSignalSpy deletions(shown.list, &CExtendedListCtrl::deleteRequested);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        Rows selectedAfter;
        bool recall;
    } cases[] = {
        {Qt::Key_Down, Qt::NoModifier, {4}, true},
        {Qt::Key_Up, Qt::NoModifier, {2}, true},
        {Qt::Key_Down, Qt::ShiftModifier, {3, 4}, true},
        {Qt::Key_Up, Qt::ShiftModifier, {2, 3}, true},
        {Qt::Key_Home, Qt::NoModifier, {0}, false},
        {Qt::Key_PageDown, Qt::NoModifier, {7}, false},
        {Qt::Key_End, Qt::ShiftModifier, {3, 4, 5, 6, 7}, false},
        {Qt::Key_A, Qt::ControlModifier, {0, 1, 2, 3, 4, 5, 6, 7}, false},
        {Qt::Key_Delete, Qt::NoModifier, {3}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QKeySequence(c.key | c.modifiers).toString().toStdString());
        shown.list->selectRows({3});
        recalls.clear();
        QTest::keyClick(shown.list, c.key, c.modifiers);
        EXPECT_TRUE(recalls.empty()) << "the recall waits until the key is handled";
        QApplication::processEvents();
        EXPECT_EQ(shown.list->selectedRows(), c.selectedAfter);
        EXPECT_EQ(recalls, c.recall ? std::vector<std::optional<std::size_t>>{c.selectedAfter[0]}
                                    : std::vector<std::optional<std::size_t>>{});
    }
    EXPECT_EQ(deletions.count(), 1);
}

// A left click on a row selects it and recalls (Ctrl adds a row, Shift a range); a right
// click and a click below the rows do not recall.
TEST_F(ListEvents, ALeftClickOnARowRecallsOtherClicksDoNot) {
    EXPECT_EQ(click(5), Rows{5});
    EXPECT_EQ(click(2, Qt::ControlModifier), (Rows{2, 5}));
    EXPECT_EQ(click(0, Qt::ShiftModifier), (Rows{0, 1, 2, 5}));
    EXPECT_EQ(recalls, (std::vector<std::optional<std::size_t>>{5, 2, 0}));

    recalls.clear();
    QTest::mouseClick(shown.list->viewport(), Qt::RightButton, {}, shown.cellRect(1, 0).center());
    const QPoint belowTheRows(5, shown.list->viewport()->height() - 2);
    QTest::mouseClick(shown.list->viewport(), Qt::LeftButton, {}, belowTheRows);
    QApplication::processEvents();
    EXPECT_TRUE(recalls.empty());
}

// The menu "Delete" with its right edge at the point asked for, only while the list has the
// focus and a selected row; true exactly when "Delete" was chosen.
TEST_F(ListEvents, TheDeleteMenuNeedsTheFocusAndASelectedRow) {
    const QPoint at(400, 300);
    QStringList entries;
    std::optional<QPoint> rightEdgeAt;
    bool chooseDelete = false;
    shown.list->setMenuRunner([&](QMenu& menu, const QPoint& topLeft) -> QAction* {
        entries.clear();
        for (QAction* action : menu.actions())
            entries << action->text();
        rightEdgeAt = topLeft + QPoint(menu.sizeHint().width(), 0);
        return chooseDelete ? menu.actions().value(0) : nullptr;
    });
    const struct {
        bool focused;
        Rows selected;
        bool chooseDelete, menuShown, result;
    } cases[] = {
        {false, {2}, true, false, false},
        {true, {}, true, false, false},
        {true, {2}, true, true, true},
        {true, {1, 4}, false, true, false},
    };
    for (const auto& c : cases) {
        shown.list->selectRows(c.selected);
        if (c.focused)
            ASSERT_TRUE(shown.focusList());
        else
            shown.focusOther();
        chooseDelete = c.chooseDelete;
        rightEdgeAt.reset();
        EXPECT_EQ(shown.list->ShowDeleteMenu(&shown.window, at), c.result);
        ASSERT_EQ(rightEdgeAt.has_value(), c.menuShown);
        if (c.menuShown) {
            EXPECT_EQ(entries, QStringList{"Delete"});
            EXPECT_EQ(*rightEdgeAt, at);
        }
    }
}

} // namespace
} // namespace rheo::testing
