// SPDX-License-Identifier: MIT
#include "gui/dialogs/cell_tab_pane.hpp"

#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>
#include <QVBoxLayout>

namespace rheo {

CellTabPane::CellTabPane(QTabBar* tabs, QWidget* parent)
    : QWidget(parent), tabs_(tabs), page_(new QWidget(this)) {
    // The page's frame is the tab bar's base line; the bar must not draw a second one.
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tabs_, 0, Qt::AlignLeft);
    layout->addWidget(page_, 1);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    page_->setContentsMargins(frame, frame, frame, frame);
    // A new tab moves the opening in the frame.
    connect(tabs_, &QTabBar::currentChanged, this, [this] { update(); });
}

void CellTabPane::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    frame.shape = tabs_->shape();
    frame.tabBarSize = tabs_->size();
    frame.tabBarRect = tabs_->geometry();
    const int current = tabs_->currentIndex();
    if (current >= 0)
        frame.selectedTabRect = tabs_->tabRect(current).translated(tabs_->pos());
    // The frame's top line runs under the tabs' lower edge, as on a tab widget.
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    frame.rect = page_->geometry().adjusted(0, -overlap, 0, 0);
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

} // namespace rheo
