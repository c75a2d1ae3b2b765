// The cell-block pictures of the test-run form: where the cell numbers are, which cell a
// click hits, the scaling to the display, and that painting stays inside the picture and
// shows the working cell.

#include "gui/widgets/cell_picture.hpp"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <ostream>
#include <tuple>

namespace rheo {
namespace {

using Style = CellPictureStyle;

std::string cellText(std::optional<int> cell) {
    return cell ? std::to_string(*cell + 1) : "none";
}

struct ClickCase {
    Style style;
    QPoint point;
    std::string cell; // cell number hit, or "none"
};

void PrintTo(const ClickCase& c, std::ostream* out) {
    *out << (c.style == Style::Large ? "large" : "small") << " (" << c.point.x() << ", "
         << c.point.y() << ")";
}

class CellPictureClick : public ::testing::TestWithParam<ClickCase> {};

TEST_P(CellPictureClick, NumberBoxesHoldTheirEdges) {
    const ClickCase& c = GetParam();
    EXPECT_EQ(cellText(CellPictureLayout(c.style).cellAt(c.point)), c.cell);
}

// Form coordinates: the pictures start at (30, 0).
INSTANTIATE_TEST_SUITE_P(
    AtNinetySixDpi, CellPictureClick,
    ::testing::Values(
        // Large: boxes of 40 x 40 at (54, 2), (45, 80), (109, 111), (171, 80), (163, 2).
        ClickCase{Style::Large, {54, 2}, "1"}, ClickCase{Style::Large, {94, 42}, "1"},
        ClickCase{Style::Large, {95, 42}, "none"}, ClickCase{Style::Large, {53, 20}, "none"},
        ClickCase{Style::Large, {45, 80}, "2"}, ClickCase{Style::Large, {85, 120}, "2"},
        ClickCase{Style::Large, {129, 131}, "3"}, ClickCase{Style::Large, {149, 151}, "3"},
        ClickCase{Style::Large, {109, 152}, "none"}, ClickCase{Style::Large, {211, 120}, "4"},
        ClickCase{Style::Large, {163, 2}, "5"}, ClickCase{Style::Large, {203, 42}, "5"},
        ClickCase{Style::Large, {128, 60}, "none"}, ClickCase{Style::Large, {0, 0}, "none"},
        // Small: boxes of 30 x 28 at (60, 44), (60, 91), (106, 122), (148, 91), (148, 44).
        ClickCase{Style::Small, {60, 44}, "1"}, ClickCase{Style::Small, {90, 72}, "1"},
        ClickCase{Style::Small, {90, 73}, "none"}, ClickCase{Style::Small, {75, 119}, "2"},
        ClickCase{Style::Small, {106, 150}, "3"}, ClickCase{Style::Small, {178, 91}, "4"},
        ClickCase{Style::Small, {148, 58}, "5"}, ClickCase{Style::Small, {147, 58}, "none"},
        // A point in the large picture's box of cell 1 is between boxes in the small one.
        ClickCase{Style::Small, {56, 10}, "none"}));

TEST(CellPictureArea, PictureHoldsItsEdgesForTheStatusBarHint) {
    const std::tuple<Style, QPoint, bool> cases[] = {
        {Style::Large, {30, 0}, true},     {Style::Large, {230, 183}, true},
        {Style::Large, {231, 100}, false}, {Style::Large, {100, 184}, false},
        {Style::Large, {29, 50}, false},   {Style::Small, {213, 183}, true},
        {Style::Small, {214, 183}, false}, {Style::Small, {120, 91}, true}};
    for (const auto& [style, point, inside] : cases)
        EXPECT_EQ(CellPictureLayout(style).containsPoint(point), inside)
            << point.x() << "," << point.y();
    EXPECT_EQ(CellPictureLayout(Style::Large).pictureRect(), QRect(30, 0, 200, 183));
    EXPECT_EQ(CellPictureLayout(Style::Small).pictureRect(), QRect(30, 0, 183, 183));
}

TEST(CellPictureScaling, OtherDisplaysScaleXByDpiOverNinetyAndYByDpiOverNinetySeven) {
    // Unscaled wherever the horizontal resolution is 96, and for nonsense resolutions.
    for (const auto& [dpiX, dpiY] : {std::pair{96.0, 96.0}, {96.0, 120.0}, {0.0, 96.0}}) {
        const LayoutScale scale = LayoutScale::forDisplay(dpiX, dpiY);
        const CellPictureLayout layout(Style::Large, scale);
        EXPECT_FALSE(scale.scales()) << dpiX << " " << dpiY;
        EXPECT_EQ(layout.pictureRect(), QRect(30, 0, 200, 183));
        EXPECT_EQ(layout.numberBox(2), QRect(109, 111, 40, 40));
    }
    // 120 DPI: x by 1.333, y by 1.237, each value truncated on its own.
    const CellPictureLayout large120(Style::Large, LayoutScale::forDisplay(120, 120));
    EXPECT_EQ(large120.pictureRect(), QRect(40, 0, 266, 226));
    EXPECT_EQ(large120.numberBox(0), QRect(72, 2, 53, 49));    // offset (32, 2)
    EXPECT_EQ(large120.numberBox(2), QRect(145, 137, 53, 49)); // offset (105, 137)
    EXPECT_EQ(cellText(large120.cellAt({125, 51})), "1");
    EXPECT_EQ(cellText(large120.cellAt({126, 51})), "none");
    // 144 DPI: x by 1.6, y by 1.485.
    const CellPictureLayout small144(Style::Small, LayoutScale::forDisplay(144, 144));
    EXPECT_EQ(small144.pictureRect(), QRect(48, 0, 292, 271));
    EXPECT_EQ(small144.numberBox(4), QRect(48 + 188, 65, 48, 41));
    EXPECT_TRUE(small144.containsPoint({340, 271}));
    EXPECT_FALSE(small144.containsPoint({341, 271}));
}

TEST(CellPictureStyleChoice, LargeOnlyAboveEightBitsPerPixel) {
    for (const auto& [depth, style] : {std::pair{1, Style::Small},
                                       {8, Style::Small},
                                       {16, Style::Large},
                                       {24, Style::Large},
                                       {32, Style::Large}})
        EXPECT_EQ(cellPictureStyleForDepth(depth), style) << depth;
}

// The form's background with the picture painted on it, at the given display scale.
QImage painted(const CellPictureLayout& layout, int selectedCell, qreal scale) {
    QImage image(QSize(260, 280) * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    paintCellPicture(painter, layout, selectedCell, QPalette());
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

TEST(CellPicturePainting, StaysInsideThePictureAndMarksTheWorkingCell) {
    for (const Style style : {Style::Large, Style::Small}) {
        const CellPictureLayout layout(style, LayoutScale::forDisplay(96, 96));
        for (const qreal scale : {1.0, 2.0}) {
            const QImage none = painted(layout, -1, scale);
            const QImage background = [&] {
                QImage empty = none;
                empty.fill(Qt::magenta);
                return empty;
            }();
            const QRect picture = layout.pictureRect();
            const QRect whole(0, 0, 260, 280);
            // Everything drawn lies in the picture, and the picture is drawn.
            EXPECT_EQ(changedPixels(none, background, whole, scale),
                      changedPixels(none, background, picture, scale));
            EXPECT_GT(changedPixels(none, background, picture, scale),
                      picture.width() * picture.height() * scale * scale / 3);
            for (int cell = 0; cell < kPictureCellCount; ++cell) {
                const QImage selected = painted(layout, cell, scale);
                // The selected cell's box changes; the other boxes stay as they were.
                for (int other = 0; other < kPictureCellCount; ++other) {
                    const int changed =
                        changedPixels(none, selected, layout.numberBox(other), scale);
                    if (other == cell)
                        EXPECT_GT(changed, 100 * scale * scale) << cell;
                    else
                        EXPECT_EQ(changed, 0) << cell << " " << other;
                }
                EXPECT_EQ(changedPixels(none, selected, whole, scale),
                          changedPixels(none, selected, picture, scale));
            }
        }
    }
}

TEST(CellPicturePainting, LeavesThePainterAsItFoundIt) {
    QImage image(260, 200, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    const QFont font("Liberation Sans", 11);
    painter.setFont(font);
    painter.setPen(Qt::red);
    paintCellPicture(painter, CellPictureLayout(Style::Small), 2, QPalette());
    EXPECT_EQ(painter.font(), font);
    EXPECT_EQ(painter.pen().color(), QColor(Qt::red));
    EXPECT_FALSE(painter.hasClipping());
    EXPECT_FALSE(painter.testRenderHint(QPainter::Antialiasing));
}

} // namespace
} // namespace rheo
