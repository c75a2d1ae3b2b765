// SPDX-License-Identifier: MIT
#pragma once
// The picture of the cell block on the test-run form: where it lies on the form, where its
// five cell numbers are (the operator clicks a number to change the working cell), and its
// painting. Two pictures: the large one for displays of more than 8 bits per pixel, a
// simpler small one for low-colour displays.
//
// Coordinates are device-independent pixels of the form's client area, laid out for a
// 96 DPI display. On another display the layout is scaled once, as the form always did.

#include <QPalette>
#include <QPoint>
#include <QPointF>
#include <QRect>

#include <array>
#include <optional>

class QPainter;

namespace rheo {

inline constexpr int kPictureCellCount = 5;

enum class CellPictureStyle { Large, Small };

// The large picture needs more than 8 bits per pixel.
CellPictureStyle cellPictureStyleForDepth(int bitsPerPixel);

// The form's scaling of its 96 DPI layout to the display: x coordinates and widths by
// dpiX/90, y coordinates and heights by dpiY/97, truncated to whole pixels. A display of
// 96 DPI horizontally is not scaled at all.
class LayoutScale {
public:
    LayoutScale() = default; // no scaling
    static LayoutScale forDisplay(double dpiX, double dpiY);

    bool scales() const { return scales_; }
    double factorX() const { return factorX_; }
    double factorY() const { return factorY_; }
    int x(int value) const;
    int y(int value) const;

private:
    bool scales_ = false;
    double factorX_ = 1.0;
    double factorY_ = 1.0;
};

class CellPictureLayout {
public:
    explicit CellPictureLayout(CellPictureStyle style, const LayoutScale& scale = {});

    CellPictureStyle style() const { return style_; }
    QRect pictureRect() const { return picture_; }
    // The number box of cell `cell` (0 to 4) on the form.
    QRect numberBox(int cell) const { return boxes_.at(static_cast<std::size_t>(cell)); }

    // The cell (0 to 4) whose number box holds the point, boxes tried from cell 1 to cell 5.
    // A box holds its edges: left to left + width and top to top + height.
    std::optional<int> cellAt(QPointF point) const;
    // Whether the point lies on the picture, edges included (the status bar's hint).
    bool containsPoint(QPointF point) const;

private:
    CellPictureStyle style_;
    QRect picture_;
    std::array<QRect, kPictureCellCount> boxes_;
};

// Paints the picture of the layout's style with `selectedCell` (0 to 4) highlighted.
// Vector drawing only, so it stays sharp at any display scale; it leaves the painter's
// state as it found it.
void paintCellPicture(QPainter& painter, const CellPictureLayout& layout, int selectedCell,
                      const QPalette& palette);

} // namespace rheo
