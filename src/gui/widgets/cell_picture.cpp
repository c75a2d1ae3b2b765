// SPDX-License-Identifier: MIT
#include "gui/widgets/cell_picture.hpp"

namespace rheo {
namespace {

struct PictureGeometry {
    QPoint origin;
    QSize size;
    std::array<QPoint, kPictureCellCount> boxOffsets; // cells 1 to 5, from the origin
    QSize boxSize;
};

// The layouts of the two pictures at 96 DPI.
const PictureGeometry kLargePicture{
    {30, 0}, {200, 183}, {{{24, 2}, {15, 80}, {79, 111}, {141, 80}, {133, 2}}}, {40, 40}};
const PictureGeometry kSmallPicture{
    {30, 0}, {183, 183}, {{{30, 44}, {30, 91}, {76, 122}, {118, 91}, {118, 44}}}, {30, 28}};

bool holdsWithEdges(const QRect& rect, QPointF point) {
    return point.x() >= rect.left() && point.x() <= rect.left() + rect.width() &&
           point.y() >= rect.top() && point.y() <= rect.top() + rect.height();
}

} // namespace

CellPictureStyle cellPictureStyleForDepth(int bitsPerPixel) {
    return bitsPerPixel > 8 ? CellPictureStyle::Large : CellPictureStyle::Small;
}

LayoutScale LayoutScale::forDisplay(double dpiX, double dpiY) {
    LayoutScale scale;
    // The layout was drawn on a 96 DPI display; the odd divisors are the form's own.
    if (dpiX != 96 && dpiX > 0 && dpiY > 0) {
        scale.scales_ = true;
        scale.factorX_ = dpiX / 90;
        scale.factorY_ = dpiY / 97;
    }
    return scale;
}

int LayoutScale::x(int value) const {
    return scales_ ? static_cast<int>(value * factorX_) : value;
}

int LayoutScale::y(int value) const {
    return scales_ ? static_cast<int>(value * factorY_) : value;
}

CellPictureLayout::CellPictureLayout(CellPictureStyle style, const LayoutScale& scale)
    : style_(style) {
    const PictureGeometry& g = style == CellPictureStyle::Large ? kLargePicture : kSmallPicture;
    const QPoint origin(scale.x(g.origin.x()), scale.y(g.origin.y()));
    picture_ = QRect(origin, QSize(scale.x(g.size.width()), scale.y(g.size.height())));
    const QSize boxSize(scale.x(g.boxSize.width()), scale.y(g.boxSize.height()));
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const QPoint offset(scale.x(g.boxOffsets[i].x()), scale.y(g.boxOffsets[i].y()));
        boxes_[i] = QRect(origin + offset, boxSize);
    }
}

std::optional<int> CellPictureLayout::cellAt(QPointF point) const {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        if (holdsWithEdges(boxes_[i], point))
            return static_cast<int>(i);
    }
    return std::nullopt;
}

bool CellPictureLayout::containsPoint(QPointF point) const {
    return holdsWithEdges(picture_, point);
}

} // namespace rheo
