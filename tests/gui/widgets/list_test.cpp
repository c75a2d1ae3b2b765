// SPDX-License-Identifier: MIT
// The list control and its models: how it draws (a text cut to its column, and on the
// painted pixels the selection colours, the alignment and the headings),
// the requests it makes of its owner (recall a row, delete, the Delete menu), the ways the
// operator selects rows, the texts the models show, and how the views follow the rows when
// the owner removes them. Qt's model checker stops the test program at the first
// notification that does not match the rows.

#include "core/model/row_removal.hpp"
#include "gui/widgets/extended_list_ctrl.hpp"
#include "gui/widgets/row_texts_model.hpp"

#include "window_test_support.hpp"

#include <QAbstractItemModelTester>
#include <QFontInfo>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QVBoxLayout>

#include <climits>
#include <cstdlib>
#include <numeric>
#include <optional>
#include <set>

namespace rheo::testing {
namespace {

using Rows = std::vector<std::size_t>;

// Liberation Sans at a fixed pixel size: the same text widths on every machine.
QFont fixedListFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

// A list control shown in a window beside a field that can take the focus away, over rows
// of texts held by the test: these, or `count` rows "row 0", "row 1", ... under "Sample".
struct ShownList {
    ShownList(std::vector<ListColumn> columns, std::vector<std::vector<std::string>> rowTexts)
        : rows(std::move(rowTexts)), model(
                                         std::move(columns), [this] { return rows.size(); },
                                         [this](std::size_t row) { return rows[row]; }) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(list);
        layout->addWidget(other);
        list->setFont(fixedListFont());
        list->setModel(&model);
        list->setColumns(model.columns());
        window.resize(520, 260);
        window.show();
        QApplication::processEvents();
    }
    explicit ShownList(std::size_t count) : ShownList({{"Sample", 3.0}}, {}) {
        for (std::size_t i = 0; i < count; ++i)
            rows.push_back({"row " + std::to_string(i)});
        model.notifyReset();
    }
    // Gives the list the keyboard focus; false when the window could not be activated.
    bool focusList() {
        const bool active = showActive(window);
        list->setFocus();
        QApplication::processEvents();
        return active && list->hasFocus();
    }
    QRect cellRect(int row, int column) const { return list->visualRect(model.index(row, column)); }

    std::vector<std::vector<std::string>> rows;
    RowTextsModel model;
    QWidget window;
    CExtendedListCtrl* list = new CExtendedListCtrl(&window);
    QLineEdit* other = new QLineEdit(&window);
};

TEST(FitText, WholeWhenItFitsElseTheLongestFittingBeginningFollowedByDots) {
    const QFont font = fixedListFont();
    ASSERT_EQ(QFontInfo(font).family(), "Liberation Sans"); // every width below depends on it
    const QFontMetrics metrics(font);
    const QString text = QStringLiteral("A&B Oils Ltd. 1234567 iiiWWW"), dots = "...";
    const int whole = metrics.horizontalAdvance(text);
    EXPECT_EQ(CExtendedListCtrl::FitText(metrics, text, whole), text); // exactly as wide
    EXPECT_EQ(CExtendedListCtrl::FitText(metrics, QString(), 0), QString());
    // At every width: one more character would not fit; narrower than the dots, the dots.
    for (int width = 0; width < whole; ++width) {
        const QString fitted = CExtendedListCtrl::FitText(metrics, text, width);
        ASSERT_TRUE(fitted.endsWith(dots)) << width;
        const qsizetype kept = fitted.size() - dots.size();
        EXPECT_TRUE(text.startsWith(fitted.left(kept))) << width;
        EXPECT_TRUE(kept == 0 || metrics.horizontalAdvance(fitted) <= width) << width;
        EXPECT_GT(metrics.horizontalAdvance(text.left(kept + 1) + dots), width) << width;
    }
}

const QColor kBase(255, 255, 255);
const QColor kText(0, 0, 0);
const QColor kHighlight(0, 0, 160);
const QColor kHighlightText(255, 255, 0);

// The pixels of `area` that `wanted` accepts: how many, and the leftmost and rightmost.
struct Ink {
    int count = 0;
    int left = INT_MAX;
    int right = INT_MIN;
};
template <typename Wanted> Ink inkIn(const QImage& image, QRect area, Wanted wanted) {
    Ink ink;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (wanted(image.pixelColor(x, y))) {
                ++ink.count;
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
            }
    return ink;
}
auto like(QColor colour, bool same = true) {
    return [colour, same](QColor pixel) {
        return (std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
                    std::abs(pixel.blue() - colour.blue()) <
                60) == same;
    };
}

// A selected row in the selection colours across all its columns, the others in the list's
// colours; the first column left-aligned, the others centred; a long text cut inside its
// cell; "&" a character of its own; each heading inside its section.
TEST(RowPainting, SelectionColoursAlignmentAndCuttingOfRowsAndHeadings) {
    ShownList shown{{{"Sample", 3.0}, {"Cell", 3.0}, {"Mode", 3.0}},
                    {{"Left", "Mid", "X"},
                     {"Chosen", "Row", "Y"},
                     {"Focus", "Row", "Z"},
                     {"A long sample name that cannot fit its column", "A&B", "W"}}};
    QPalette colours = shown.list->palette();
    colours.setColor(QPalette::Base, kBase);
    colours.setColor(QPalette::Text, kText);
    colours.setColor(QPalette::Highlight, kHighlight);
    colours.setColor(QPalette::HighlightedText, kHighlightText);
    shown.list->setPalette(colours);
    shown.list->selectRows({1});
    const QImage image = shown.list->viewport()->grab().toImage();
    // A cell's inside, clear of a focus rectangle on the row's edges.
    const auto inside = [&](int row, int column) {
        return shown.cellRect(row, column).adjusted(0, 1, 0, -1);
    };
    for (int column = 0; column < 3; ++column) {
        const QRect chosen = shown.cellRect(1, column);
        for (int x : {chosen.left() + 1, chosen.right() - 1}) {
            EXPECT_EQ(image.pixelColor(x, chosen.center().y()), kHighlight) << column;
            EXPECT_EQ(image.pixelColor(x, shown.cellRect(0, column).center().y()), kBase);
        }
    }
    EXPECT_GT(inkIn(image, inside(1, 0), like(kHighlightText)).count, 5);
    EXPECT_EQ(inkIn(image, inside(1, 0), like(kText)).count, 0);

    const QRect first = shown.cellRect(0, 0);
    const Ink name = inkIn(image, inside(0, 0), like(kBase, false));
    EXPECT_GE(name.left, first.left() + 2);
    EXPECT_LE(name.left, first.left() + 4);
    const QRect centred = shown.cellRect(0, 1);
    const Ink text = inkIn(image, inside(0, 1), like(kBase, false));
    EXPECT_NEAR((text.left + text.right) / 2.0, centred.left() + centred.width() / 2.0, 2.0);

    const Ink longName = inkIn(image, inside(3, 0), like(kBase, false));
    EXPECT_LE(longName.right, first.right() - 1);
    EXPECT_GT(longName.right, first.left() + first.width() / 2);
    const Ink company = inkIn(image, inside(3, 1), like(kBase, false));
    EXPECT_GE(company.right - company.left + 3,
              QFontMetrics(fixedListFont()).horizontalAdvance("A&B"));

    // Each heading in its own section, cut with "..." rather than spilling into the next.
    QHeaderView* header = shown.list->header();
    header->resizeSection(1, header->sectionSize(1) / 3);
    const QImage headings = header->grab().toImage();
    const auto dark = [](QColor pixel) { return pixel.red() + pixel.green() + pixel.blue() < 200; };
    for (int column = 0; column < 3; ++column) {
        const QRect section(header->sectionViewportPosition(column), 0, header->sectionSize(column),
                            headings.height());
        const Ink heading = inkIn(headings, section.adjusted(1, 0, -1, 0), dark);
        EXPECT_GT(heading.count, 5) << column;
        EXPECT_GE(heading.left, section.left() + 2) << column;
        EXPECT_LE(heading.right, section.right() - 2) << column;
    }
}

class ListEvents : public ::testing::Test {
protected:
    ListEvents() {
        // What the owner finds when it answers the request.
        QObject::connect(shown.list, &CExtendedListCtrl::recallRequested,
                         [this] { recalls.push_back(shown.list->firstSelectedRow()); });
    }

    ShownList shown{8};
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
    clickRow(*shown.list, 5);
    clickRow(*shown.list, 2, Qt::ControlModifier);
    clickRow(*shown.list, 0, Qt::ShiftModifier);
    EXPECT_EQ(shown.list->selectedRows(), (Rows{0, 1, 2, 5}));
    EXPECT_EQ(recalls, (std::vector<std::optional<std::size_t>>{5, 2, 0}));

    recalls.clear();
    QTest::mouseClick(shown.list->viewport(), Qt::RightButton, {}, shown.cellRect(1, 0).center());
    const QPoint belowTheRows(5, shown.list->viewport()->height() - 2);
    QTest::mouseClick(shown.list->viewport(), Qt::LeftButton, {}, belowTheRows);
    QApplication::processEvents();
    EXPECT_TRUE(recalls.empty());
}

// The menu "Delete" with its right edge at the point asked for, only while the list has the
// focus; closed without a choice it deletes nothing. (The forms and dialogs choose "Delete"
// from it, and find no menu without a selected row.)
TEST_F(ListEvents, TheDeleteMenuNeedsTheFocusAndEndsAtThePoint) {
    const QPoint at(400, 300);
    QStringList entries;
    std::optional<QPoint> rightEdgeAt;
    shown.list->setMenuRunner([&](QMenu& menu, const QPoint& topLeft) -> QAction* {
        for (QAction* action : menu.actions())
            entries << action->text();
        rightEdgeAt = topLeft + QPoint(menu.sizeHint().width(), 0);
        return nullptr;
    });
    shown.list->selectRows({2});
    shown.other->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(shown.list->ShowDeleteMenu(&shown.window, at));
    EXPECT_FALSE(rightEdgeAt);
    ASSERT_TRUE(shown.focusList());
    EXPECT_FALSE(shown.list->ShowDeleteMenu(&shown.window, at));
    EXPECT_EQ(entries, QStringList{"Delete"});
    EXPECT_EQ(rightEdgeAt, at);
}

using Check = QAbstractItemModelTester;

QStringList firstColumn(const QAbstractItemModel& model) {
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, 0).data().toString();
    return texts;
}

// Scattered rows removed from a long list: exactly the right rows stay, the selected rows
// that stay remain selected, the current row is the nearest that stays and the view keeps
// its place; whether the model announces the removal run by run or as one reset. Positions
// past the end and repeated ones are ignored, as the removal from the data ignores them.
TEST(ListModelChanges, ScatteredRemovalsLeaveExactlyTheRightRowsAndCarryTheSelectionOver) {
    constexpr std::size_t kRows = 5000;
    Rows many = {2999, kRows + 3}; // the current row, and one past the end
    for (std::size_t row = 1; row < kRows; row += 37)
        many.push_back(row);
    Rows every(kRows);
    std::iota(every.rbegin(), every.rend(), 0);
    const struct {
        const char* name;
        Rows removed;
        bool announcedAsReset;
    } cases[] = {
        {"a few runs", {4999, 0, 2999, 3000, 3001, 17, 17, 2500, 6000}, false},
        {"very many runs", many, true},
        {"every row", every, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShownList shown(kRows);
        Check check(&shown.model, Check::FailureReportingMode::Fatal);
        Rows selected;
        for (std::size_t row = 0; row < kRows; row += 7)
            selected.push_back(row);
        shown.list->selectRows(selected);
        shown.list->selectionModel()->setCurrentIndex(shown.model.index(2999, 0),
                                                      QItemSelectionModel::NoUpdate);
        shown.list->scrollTo(shown.model.index(2998, 0), QAbstractItemView::PositionAtTop);
        QApplication::processEvents();
        const auto topRow = [&] { return shown.list->indexAt(QPoint(2, 2)).row(); };
        ASSERT_EQ(topRow(), 2998);
        QSignalSpy resets(&shown.model, &QAbstractItemModel::modelReset);

        const std::set<std::size_t> gone(c.removed.begin(), c.removed.end());
        QStringList expectedTexts;
        Rows expectedSelection;
        int expectedCurrent = -1;
        for (std::size_t row = 0; row < kRows; ++row) {
            const int stayingAbove = static_cast<int>(expectedTexts.size());
            if (row == 2999) // removed: the nearest row above that stays
                expectedCurrent = gone.count(row) ? stayingAbove - 1 : stayingAbove;
            if (gone.count(row))
                continue;
            expectedTexts << QString("row %1").arg(row);
            if (row % 7 == 0)
                expectedSelection.push_back(static_cast<std::size_t>(stayingAbove));
        }

        removeRows(shown.rows, c.removed);
        shown.model.notifyRemoved(c.removed);
        QApplication::processEvents();
        EXPECT_EQ(firstColumn(shown.model), expectedTexts);
        EXPECT_EQ(shown.list->selectedRows(), expectedSelection);
        EXPECT_EQ(shown.list->currentIndex().row(), expectedCurrent);
        EXPECT_EQ(topRow(), expectedTexts.empty() ? -1 : 2998);
        EXPECT_EQ(resets.count(), c.announcedAsReset ? 1 : 0);
    }
}

} // namespace
} // namespace rheo::testing
