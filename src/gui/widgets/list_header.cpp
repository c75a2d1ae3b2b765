// SPDX-License-Identifier: MIT
#include "gui/widgets/list_header.hpp"

#include "gui/widgets/extended_list_ctrl.hpp"

#include <QPainter>
#include <QStyleOptionHeader>

namespace rheo {

ListHeader::ListHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setDefaultAlignment(Qt::AlignCenter);
    setStretchLastSection(false);
    setSectionsMovable(false);
}

void ListHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!rect.isValid())
        return;
    // The style would centre a long heading in the section's inner margins and cut it at
    // both ends; here it is cut at its end and may use the whole section.
    QStyleOptionHeader option;
    initStyleOption(&option);
    initStyleOptionForIndex(&option, logicalIndex);
    option.rect = rect;
    const QString heading = option.text;
    option.text.clear();
    painter->save(); // the style leaves the painter clipped to nothing
    style()->drawControl(QStyle::CE_Header, &option, painter, this);
    painter->restore();
    painter->save();
    painter->setPen(option.palette.color(QPalette::ButtonText));
    painter->drawText(rect, Qt::AlignCenter | Qt::TextSingleLine,
                      CExtendedListCtrl::FitText(option.fontMetrics, heading, rect.width() - 2));
    painter->restore();
}

} // namespace rheo
