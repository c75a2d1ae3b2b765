// What the operator sees of the rows and headings, checked on the painted pixels: colours
// of the selection, text placement and cutting, the focus rectangle.

#include "list_fixture.hpp"

#include <QHeaderView>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>

namespace rheo::testing {
namespace {

const QColor kBase(255, 255, 255);
const QColor kText(0, 0, 0);
const QColor kHighlight(0, 0, 160);
const QColor kHighlightText(255, 255, 0);

bool near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <
           60;
}

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
auto like(QColor colour) {
    return [colour](QColor pixel) { return near(pixel, colour); };
}
auto unlike(QColor colour) {
    return [colour](QColor pixel) { return !near(pixel, colour); };
}

class RowPainting : public ::testing::Test {
protected:
    RowPainting()
        : shown({{"Sample", 3.0}, {"Cell", 3.0}, {"Mode", 3.0}},
                {{"Left", "Mid", "X"},
                 {"Chosen", "Row", "Y"},
                 {"Focus", "Row", "Z"},
                 {"A long sample name that cannot fit its column", "A&B", "W"}}) {
        QPalette colours = shown.list->palette();
        colours.setColor(QPalette::Base, kBase);
        colours.setColor(QPalette::Text, kText);
        colours.setColor(QPalette::Highlight, kHighlight);
        colours.setColor(QPalette::HighlightedText, kHighlightText);
        shown.list->setPalette(colours);
        shown.list->selectRows({1});
        shown.list->selectionModel()->setCurrentIndex(shown.model.index(2, 0),
                                                      QItemSelectionModel::NoUpdate);
    }

    QImage paintedRows() const { return shown.list->viewport()->grab().toImage(); }
    // A cell's inside, clear of a focus rectangle on the row's edges.
    QRect inside(int row, int column) const {
        return shown.cellRect(row, column).adjusted(0, 1, 0, -1);
    }

    ShownList shown;
};

TEST_F(RowPainting, ASelectedRowIsInSelectionColoursAcrossAllColumnsTheOthersInListColours) {
    const QImage image = paintedRows();
    for (int column = 0; column < 3; ++column) {
        const QRect chosen = shown.cellRect(1, column);
        const QRect plain = shown.cellRect(0, column);
        for (int x : {chosen.left() + 1, chosen.right() - 1}) {
            EXPECT_EQ(image.pixelColor(x, chosen.center().y()), kHighlight) << column;
            EXPECT_EQ(image.pixelColor(x, plain.center().y()), kBase) << column;
        }
    }
    const QRect last = shown.cellRect(1, 2); // right of the last column the list is empty
    EXPECT_EQ(image.pixelColor(last.right() + 8, last.center().y()), kBase);

    EXPECT_GT(inkIn(image, inside(1, 0), like(kHighlightText)).count, 5);
    EXPECT_EQ(inkIn(image, inside(1, 0), like(kText)).count, 0);
    EXPECT_GT(inkIn(image, inside(0, 0), like(kText)).count, 5);
    EXPECT_EQ(inkIn(image, inside(0, 0), like(kHighlightText)).count, 0);
}

TEST_F(RowPainting, TheFirstColumnIsLeftAlignedTheOthersCentredLongTextsCut) {
    const QImage image = paintedRows();
    const QRect first = shown.cellRect(0, 0);
    const Ink name = inkIn(image, inside(0, 0), unlike(kBase));
    EXPECT_GE(name.left, first.left() + 2);
    EXPECT_LE(name.left, first.left() + 4);
    for (int column : {1, 2}) {
        const QRect cell = shown.cellRect(0, column);
        const Ink text = inkIn(image, inside(0, column), unlike(kBase));
        ASSERT_GT(text.count, 0) << column;
        EXPECT_NEAR((text.left + text.right) / 2.0, cell.left() + cell.width() / 2.0, 2.0)
            << column;
    }

    // Cut within its cell, not dropped; "&" is a character of its own, no mnemonic.
    const Ink longName = inkIn(image, inside(3, 0), unlike(kBase));
    EXPECT_LE(longName.right, first.right() - 1);
    EXPECT_GT(longName.right, first.left() + first.width() / 2);
    const Ink company = inkIn(image, inside(3, 1), unlike(kBase));
    EXPECT_GE(company.right - company.left + 3,
              QFontMetrics(fixedListFont()).horizontalAdvance("A&B"));
}

TEST_F(RowPainting, TheCurrentRowIsFramedWhileTheListHasTheFocus) {
    ASSERT_TRUE(shown.focusList());
    const QRect left = shown.cellRect(2, 0);
    const int width = shown.cellRect(2, 2).right() - left.left();
    const QRect topEdge(left.left(), left.top(), width, 1);
    const QRect bottomEdge(left.left(), left.bottom(), width, 1);
    const QRect otherTopEdge(left.left(), shown.cellRect(0, 0).top(), width, 1);

    QImage image = paintedRows();
    EXPECT_GT(inkIn(image, topEdge, like(kText)).count, width / 3);
    EXPECT_GT(inkIn(image, bottomEdge, like(kText)).count, width / 3);
    EXPECT_EQ(inkIn(image, otherTopEdge, like(kText)).count, 0);

    shown.focusOther();
    image = paintedRows();
    EXPECT_EQ(inkIn(image, topEdge, like(kText)).count, 0);
}

// Each heading in its own section, cut with "..." rather than spilling into the next.
TEST_F(RowPainting, EveryHeadingIsDrawnInsideItsSection) {
    QHeaderView* header = shown.list->header();
    header->resizeSection(1, header->sectionSize(1) / 3);
    const QImage image = header->grab().toImage();
    const auto dark = [](QColor pixel) { return pixel.red() + pixel.green() + pixel.blue() < 200; };
    for (int column = 0; column < 3; ++column) {
        const QRect section(header->sectionViewportPosition(column), 0, header->sectionSize(column),
                            image.height());
        const Ink heading = inkIn(image, section.adjusted(1, 0, -1, 0), dark);
        EXPECT_GT(heading.count, 5) << column;
        EXPECT_GE(heading.left, section.left() + 2) << column;
        EXPECT_LE(heading.right, section.right() - 2) << column;
    }
}

} // namespace
} // namespace rheo::testing
