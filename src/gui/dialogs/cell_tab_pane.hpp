// SPDX-License-Identifier: MIT
#pragma once
// The cell tabs of a calibration dialog around the dialog's content, drawn as the style
// draws a tabbed page: the tab bar on top and a framed page under it that the selected tab
// opens into. One page serves all five tabs; the dialog fills it from the selected cell.

#include <QWidget>

class QTabBar;

namespace rheo {

class CellTabPane : public QWidget {
    Q_OBJECT

public:
    // Takes `tabs` into the pane, above the page.
    explicit CellTabPane(QTabBar* tabs, QWidget* parent = nullptr);

    // The widget the dialog lays its controls out on.
    QWidget* page() const { return page_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTabBar* tabs_;
    QWidget* page_;
};

} // namespace rheo
