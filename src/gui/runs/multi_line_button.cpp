// SPDX-License-Identifier: MIT
#include "gui/runs/multi_line_button.hpp"

#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace rheo {
namespace {

constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;

} // namespace

MultiLineButton::MultiLineButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QRect MultiLineButton::captionRect(const QRect& buttonRect) const {
    // The style's frame, and a margin of half an average character on either side.
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const int side = fontMetrics().averageCharWidth() / 2 + frame;
    return buttonRect.adjusted(side, frame + 1, -side, -(frame + 1));
}

int MultiLineButton::heightForWidth(int width) const {
    const QRect room = captionRect(QRect(0, 0, width, 10000));
    const QRect needed = fontMetrics().boundingRect(room, kCaptionFlags, text());
    return needed.height() + (10000 - room.height());
}

QSize MultiLineButton::sizeHint() const {
    const QSize plain = QPushButton::sizeHint();
    return {plain.width(), std::max(plain.height(), heightForWidth(plain.width()))};
}

void MultiLineButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option); // the bevel and the focus frame
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    QRect room = captionRect(rect());
    if (isDown() || isChecked())
        room.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    painter.drawText(room, kCaptionFlags, caption);
}

} // namespace rheo
