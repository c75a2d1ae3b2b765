// The requests the list makes of its owner (recall a row, delete, the Delete menu) and the
// ways the operator selects rows.

#include "list_fixture.hpp"

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <optional>

namespace rheo::testing {
namespace {

using Rows = std::vector<std::size_t>;

class ListEvents : public ::testing::Test {
protected:
    ListEvents() : shown({{"Sample", 3.0}}, numberedRows(8)) {
        // What the owner finds when it answers the request.
        QObject::connect(shown.list, &CExtendedListCtrl::recallRequested,
                         [this] { recalls.push_back(shown.list->firstSelectedRow()); });
    }

    Rows click(int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(shown.list->viewport(), Qt::LeftButton, modifiers, shown.rowCentre(row));
        return shown.list->selectedRows();
    }

    ShownList shown;
    std::vector<std::optional<std::size_t>> recalls;
};

TEST_F(ListEvents, UpAndDownRecallAfterTheSelectionMovedDeleteAsksForADeletion) {
    ASSERT_TRUE(shown.focusList());
    QSignalSpy deletions(shown.list, &CExtendedListCtrl::deleteRequested);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        Rows selectedAfter;
        bool recall;
        bool deletion;
    } cases[] = {
        {Qt::Key_Down, Qt::NoModifier, {4}, true, false},
        {Qt::Key_Up, Qt::NoModifier, {2}, true, false},
        {Qt::Key_Down, Qt::ShiftModifier, {3, 4}, true, false},
        {Qt::Key_Up, Qt::ShiftModifier, {2, 3}, true, false},
        {Qt::Key_Home, Qt::NoModifier, {0}, false, false},
        {Qt::Key_End, Qt::NoModifier, {7}, false, false},
        {Qt::Key_PageDown, Qt::NoModifier, {7}, false, false},
        {Qt::Key_End, Qt::ShiftModifier, {3, 4, 5, 6, 7}, false, false},
        {Qt::Key_A, Qt::ControlModifier, {0, 1, 2, 3, 4, 5, 6, 7}, false, false},
        {Qt::Key_Backspace, Qt::NoModifier, {3}, false, false},
        {Qt::Key_Delete, Qt::NoModifier, {3}, false, true},
    };
    for (const auto& c : cases) {
        shown.list->selectRows({3});
        recalls.clear();
        deletions.clear();
        QTest::keyClick(shown.list, c.key, c.modifiers);
        EXPECT_TRUE(recalls.empty()) << "the recall waits until the key is handled";
        QApplication::processEvents();
        EXPECT_EQ(shown.list->selectedRows(), c.selectedAfter) << c.key;
        EXPECT_EQ(recalls.size(), c.recall ? 1u : 0u) << c.key;
        if (c.recall && !recalls.empty()) {
            EXPECT_EQ(recalls[0], c.selectedAfter.front()) << c.key;
        }
        EXPECT_EQ(deletions.count(), c.deletion ? 1 : 0) << c.key;
    }
}

TEST_F(ListEvents, ALeftClickOnARowRecallsOtherClicksDoNot) {
    EXPECT_EQ(click(5), Rows{5});
    EXPECT_EQ(click(2, Qt::ControlModifier), (Rows{2, 5}));
    EXPECT_EQ(recalls, (std::vector<std::optional<std::size_t>>{5, 2}));

    recalls.clear();
    QTest::mouseClick(shown.list->viewport(), Qt::RightButton, {}, shown.rowCentre(1));
    const QPoint belowTheRows(shown.rowCentre(0).x(), shown.list->viewport()->height() - 2);
    QTest::mouseClick(shown.list->viewport(), Qt::LeftButton, {}, belowTheRows);
    QApplication::processEvents();
    EXPECT_TRUE(recalls.empty());
}

TEST_F(ListEvents, ShiftAndControlClicksSelectRangesAndSingleRows) {
    EXPECT_EQ(click(1), Rows{1});
    EXPECT_EQ(click(4, Qt::ShiftModifier), (Rows{1, 2, 3, 4}));
    EXPECT_EQ(click(3, Qt::ControlModifier), (Rows{1, 2, 4}));
    EXPECT_EQ(click(6, Qt::ControlModifier), (Rows{1, 2, 4, 6}));
    EXPECT_EQ(click(0, Qt::ShiftModifier), (Rows{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(click(7), Rows{7});
}

TEST_F(ListEvents, TheDeleteMenuNeedsTheFocusAndASelectedRowAndTellsWhetherDeleteWasChosen) {
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
        bool chooseDelete;
        bool menuShown;
        bool result;
    } cases[] = {
        {false, {}, true, false, false},    {false, {2}, true, false, false},
        {true, {}, true, false, false},     {true, {2}, true, true, true},
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
            EXPECT_EQ(*rightEdgeAt, at) << "right edge at x, top at y";
        }
    }
}

} // namespace
} // namespace rheo::testing
