// SPDX-License-Identifier: MIT
#pragma once
// Ctrl+Tab and Ctrl+Shift+Tab switch the working cell on the form and the cell tab of a
// calibration dialog, wherever the keyboard focus is inside that window, and wrap from cell
// 5 to cell 1 and back. The keys are taken before any widget sees them, so they never move
// the focus.

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace rheo {

class CellSwitchKeys : public QObject {
    Q_OBJECT

public:
    // Watches the keys typed into `window` and the widgets inside it.
    explicit CellSwitchKeys(QWidget* window);
    ~CellSwitchKeys() override;

signals:
    void nextCell();     // Ctrl+Tab
    void previousCell(); // Ctrl+Shift+Tab

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
};

} // namespace rheo
