// SPDX-License-Identifier: MIT
#pragma once
// Help > About: the program's icon, its version and beside it its copyright and licence,
// closed with OK.

#include <QDialog>

class QLabel;
class QPushButton;

namespace rheo {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

private:
    QLabel* icon_;
    QLabel* version_;
    QLabel* licence_;
    QPushButton* ok_;
};

} // namespace rheo
