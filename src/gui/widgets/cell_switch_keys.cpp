// SPDX-License-Identifier: MIT
#include "gui/widgets/cell_switch_keys.hpp"

#include <QApplication>
#include <QKeyEvent>

namespace rheo {

CellSwitchKeys::CellSwitchKeys(QWidget* window) : QObject(window), window_(window) {
    // The application sees every key first, before the focused widget's own handling.
    qApp->installEventFilter(this);
}

CellSwitchKeys::~CellSwitchKeys() {
    qApp->removeEventFilter(this);
}

bool CellSwitchKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (window_ == nullptr || widget == nullptr ||
        (widget != window_ && !window_->isAncestorOf(widget)))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!(key->modifiers() & Qt::ControlModifier) ||
        (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab))
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Claimed here so that no shortcut of the window takes the key.
        event->accept();
        return true;
    }
    const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
    if (back)
        emit previousCell();
    else
        emit nextCell();
    return true;
}

} // namespace rheo
