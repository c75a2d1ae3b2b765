// SPDX-License-Identifier: MIT
#include "gui/runs/form_background.hpp"

#include "core/text/program_texts.hpp"

#include <QPainter>
#include <QPalette>

namespace rheo {

FormBackground::FormBackground(const FormArrangement& arrangement) : arrangement_(arrangement) {}

void FormBackground::paint(QPainter& painter, const QRect& area, int cell, const QString& timerText,
                           const QPalette& palette, int displayDepth) {
    // The form's face, the colour the controls stand on.
    painter.fillRect(area, palette.color(QPalette::Window));

    style_ = cellPictureStyleForDepth(displayDepth);
    if (area.intersects(picture().pictureRect()))
        paintCellPicture(painter, picture(), cell, palette);

    const TimerTextPlace& timer = arrangement_.timerText();
    if (!timerText.isEmpty() && area.intersects(timer.rect)) {
        painter.save();
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(timer.font);
        // The palette's text colour: black on the usual light face, readable on a dark one.
        painter.setPen(palette.color(QPalette::WindowText));
        painter.drawText(QRect(timer.position, timer.rect.size()),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine,
                         timerText);
        painter.restore();
    }
}

std::optional<int> FormBackground::cellAt(QPointF point) const {
    return picture().cellAt(point);
}

QString FormBackground::statusTextAt(QPointF point) const {
    return QString::fromLatin1(picture().containsPoint(point)
                                   ? window_texts::kPictureStatusText
                                   : window_texts::kBackgroundStatusText);
}

} // namespace rheo
