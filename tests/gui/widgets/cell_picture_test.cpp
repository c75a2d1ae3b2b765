// SPDX-License-Identifier: MIT
// The cell-block pictures of the test-run form: where the cell numbers are, which cell a
// click hits, the scaling to the display, and that painting stays inside the picture and
// shows the working cell.

#include "gui/widgets/cell_picture.hpp"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace rheo {
namespace {

using Style = CellPictureStyle;

// Form coordinates at 96 DPI: the pictures start at (30, 0). Large boxes of 40 x 40 at
// (54, 2), (45, 80), (109, 111), (171, 80), (163, 2); small ones of 30 x 28 at (60, 44),
// (60, 91), (106, 122), (148, 91), (148, 44). A box holds its edges; the picture too.
TEST(CellPicture, NumberBoxesAndThePictureHoldTheirEdges) {
    const struct {
        Style style;
        int x, y, cell; // 0 for none
    } clicks[] = {
        {Style::Large, 54, 2, 1},    {Style::Large, 94, 42, 1},   {Style::Large, 95, 42, 0},
        {Style::Large, 53, 20, 0},   {Style::Large, 85, 120, 2},  {Style::Large, 129, 131, 3},
        {Style::Large, 211, 120, 4}, {Style::Large, 203, 42, 5},  {Style::Large, 128, 60, 0},
        {Style::Small, 60, 44, 1},   {Style::Small, 90, 72, 1},   {Style::Small, 90, 73, 0},
        {Style::Small, 75, 119, 2},  {Style::Small, 106, 150, 3}, {Style::Small, 178, 91, 4},
        {Style::Small, 148, 58, 5},  {Style::Small, 147, 58, 0},  {Style::Small, 56, 10, 0}};
    for (const auto& c : clicks)
        EXPECT_EQ(CellPictureLayout(c.style).cellAt(QPoint(c.x, c.y)).value_or(-1) + 1, c.cell)
            << c.x << "," << c.y;
    EXPECT_EQ(CellPictureLayout(Style::Large).pictureRect(), QRect(30, 0, 200, 183));
    EXPECT_EQ(CellPictureLayout(Style::Small).pictureRect(), QRect(30, 0, 183, 183));
    EXPECT_TRUE(CellPictureLayout(Style::Large).containsPoint({230, 183}));
    EXPECT_FALSE(CellPictureLayout(Style::Large).containsPoint({231, 100}));
    EXPECT_FALSE(CellPictureLayout(Style::Small).containsPoint({214, 183}));
}

// Other displays scale x by DPI / 90 and y by DPI / 97, each value truncated on its own;
// 96 DPI across, or a resolution that makes no sense, is unscaled. Only displays of more
// than 8 bits per pixel get the large picture.
TEST(CellPicture, ScalesToTheDisplay) {
    for (const auto& [dpiX, dpiY] : {std::pair{96.0, 120.0}, {0.0, 96.0}})
        EXPECT_EQ(CellPictureLayout(Style::Large, LayoutScale::forDisplay(dpiX, dpiY)).numberBox(2),
                  QRect(109, 111, 40, 40));
    const CellPictureLayout large120(Style::Large, LayoutScale::forDisplay(120, 120));
    EXPECT_EQ(large120.pictureRect(), QRect(40, 0, 266, 226));
    EXPECT_EQ(large120.numberBox(0), QRect(72, 2, 53, 49));
    EXPECT_EQ(large120.cellAt(QPoint(125, 51)), 0);
    EXPECT_EQ(large120.cellAt(QPoint(126, 51)), std::nullopt);
    const CellPictureLayout small144(Style::Small, LayoutScale::forDisplay(144, 144));
    EXPECT_EQ(small144.numberBox(4), QRect(48 + 188, 65, 48, 41));
    EXPECT_TRUE(small144.containsPoint({340, 271}));
    EXPECT_FALSE(small144.containsPoint({341, 271}));
    for (const auto& [depth, style] : {std::pair{8, Style::Small}, {16, Style::Large}})
        EXPECT_EQ(cellPictureStyleForDepth(depth), style) << depth;
}

// The form's background with the picture painted on it, at the given display scale.
QImage painted(const CellPictureLayout& layout, int selectedCell, qreal scale) {
    QImage image(QSize(260, 280) * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    painter.setPen(Qt::red);
    paintCellPicture(painter, layout, selectedCell, QPalette());
    EXPECT_EQ(painter.pen().color(), QColor(Qt::red)); // the painter left as it was found
    EXPECT_FALSE(painter.hasClipping());
    return image;
}

// Device pixels of `rect` (form coordinates) that differ between the two images.
int changedPixels(const QImage& a, const QImage& b, const QRect& rect, qreal scale) {
    const QRect device(rect.topLeft() * scale, rect.size() * scale);
    int changed = 0;
    for (int y = device.top(); y <= device.bottom(); ++y)
        for (int x = device.left(); x <= device.right(); ++x)
            changed += a.pixel(x, y) != b.pixel(x, y);
    return changed;
}

// Everything drawn lies in the picture; selecting a cell changes its number box and no
// other, at 1 and 2 device pixels per pixel, in both pictures.
TEST(CellPicture, PaintingStaysInsideThePictureAndMarksTheWorkingCell) {
    for (const Style style : {Style::Large, Style::Small}) {
        const CellPictureLayout layout(style, LayoutScale::forDisplay(96, 96));
        const QRect whole(0, 0, 260, 280);
        for (const qreal scale : {1.0, 2.0}) {
            const QImage none = painted(layout, -1, scale);
            QImage background = none;
            background.fill(Qt::magenta);
            const QRect picture = layout.pictureRect();
            EXPECT_EQ(changedPixels(none, background, whole, scale),
                      changedPixels(none, background, picture, scale));
            EXPECT_GT(changedPixels(none, background, picture, scale),
                      picture.width() * picture.height() * scale * scale / 3);
            for (int cell = 0; cell < kPictureCellCount; ++cell) {
                const QImage selected = painted(layout, cell, scale);
                for (int other = 0; other < kPictureCellCount; ++other) {
                    const int changed =
                        changedPixels(none, selected, layout.numberBox(other), scale);
                    EXPECT_EQ(changed > 100 * scale * scale, other == cell) << cell << other;
                    EXPECT_TRUE(other == cell || changed == 0) << cell << other;
                }
                EXPECT_EQ(changedPixels(none, selected, whole, scale),
                          changedPixels(none, selected, picture, scale));
            }
        }
    }
}

} // namespace
} // namespace rheo
