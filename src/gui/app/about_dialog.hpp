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

    QLabel* iconLabel() const { return icon_; }
    QLabel* versionLabel() const { return version_; }
    QLabel* licenceLabel() const { return licence_; }
    QPushButton* okButton() const { return ok_; }

private:
    QLabel* icon_;
    QLabel* version_;
    QLabel* licence_;
    QPushButton* ok_;
};

} // namespace rheo
