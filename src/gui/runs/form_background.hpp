// SPDX-License-Identifier: MIT
#pragma once
// The form's background: the picture of the cell block with the working cell highlighted,
// the countdown in large type, and what the mouse finds there (a cell number to click, and
// the hint for the status bar).

#include "gui/runs/form_arrangement.hpp"

#include <QString>

#include <optional>

class QPainter;
class QPalette;
class QPointF;

namespace rheo {

class FormBackground {
public:
    // `arrangement` must outlive this.
    explicit FormBackground(const FormArrangement& arrangement);

    // Paints the background inside `area`: the form's colour, the picture of `cell` (0 to
    // 4; the simple one on a display of 8 bits per pixel or fewer) where `area` meets it,
    // and the countdown `timerText`.
    void paint(QPainter& painter, const QRect& area, int cell, const QString& timerText,
               const QPalette& palette, int displayDepth);

    // The picture the last paint drew (the large one before the first paint).
    const CellPictureLayout& picture() const { return arrangement_.picture(style_); }
    // The cell whose number lies under the point, edges included.
    std::optional<int> cellAt(QPointF point) const;
    // The status bar's text for the mouse at the point.
    QString statusTextAt(QPointF point) const;

private:
    const FormArrangement& arrangement_;
    CellPictureStyle style_ = CellPictureStyle::Large;
};

} // namespace rheo
