// SPDX-License-Identifier: MIT
#include "gui/dialogs/calibration_dialog.hpp"

#include "gui/help/help_launcher.hpp"
#include "gui/widgets/cell_switch_keys.hpp"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>

#include <vector>

namespace rheo {

CalibrationDialogBase::CalibrationDialogBase(Session& session, HelpLauncher& help,
                                             CalibrationDialog dialog, HelpPage page,
                                             QWidget* parent)
    : QDialog(parent), session_(session), help_(help), page_(page) {
    edit_.emplace(session_, dialog);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    helpButton_ = new QPushButton(QStringLiteral("Help"), this);
    for (QPushButton* button : {ok_, cancel_, helpButton_})
        button->setAccessibleName(button->text());
    connect(ok_, &QPushButton::clicked, this, &CalibrationDialogBase::accept);
    connect(cancel_, &QPushButton::clicked, this, &CalibrationDialogBase::reject);
    connect(helpButton_, &QPushButton::clicked, this, &CalibrationDialogBase::showHelp);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WidgetWithChildrenShortcut);
    connect(f1, &QShortcut::activated, this, &CalibrationDialogBase::showHelp);
}

// A dialog destroyed while open has been cancelled (the edit restores the calibration).
CalibrationDialogBase::~CalibrationDialogBase() = default;

void CalibrationDialogBase::setVisible(bool visible) {
    if (!visible) {
        QDialog::setVisible(false);
        return;
    }
    // A dialog being shown makes the first button that Enter may press its default button
    // for good. With none to find, a button is the default only while it has the focus.
    std::vector<QPushButton*> pressedByEnter;
    for (QPushButton* button : findChildren<QPushButton*>()) {
        if (button->autoDefault()) {
            button->setAutoDefault(false);
            pressedByEnter.push_back(button);
        }
    }
    QDialog::setVisible(true);
    for (QPushButton* button : pressedByEnter)
        button->setAutoDefault(true);
}

bool CalibrationDialogBase::isClosing() const {
    return closing_ || QApplication::focusWidget() == cancel_;
}

void CalibrationDialogBase::showHelp() {
    help_.showHelpPage(helpPagePath(session_.appDirectory(), page_));
}

void CalibrationDialogBase::accept() {
    closing_ = true;
    edit_->commit();
    if (afterOk_)
        afterOk_();
    QDialog::accept();
}

void CalibrationDialogBase::reject() {
    closing_ = true;
    edit_->cancel();
    QDialog::reject();
}

QTabBar* CalibrationDialogBase::createCellTabs() {
    tabs_ = new QTabBar(this);
    tabs_->setAccessibleName(QStringLiteral("Cell"));
    for (int cell = 1; cell <= kCellCount; ++cell)
        tabs_->addTab(QStringLiteral("Cell %1").arg(cell));
    tabs_->setCurrentIndex(edit_->cell());
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        if (!switching_)
            switchToCell(index);
    });
    auto* keys = new CellSwitchKeys(this);
    connect(keys, &CellSwitchKeys::nextCell, this,
            [this] { switchToCell((edit_->cell() + 1) % kCellCount); });
    connect(keys, &CellSwitchKeys::previousCell, this,
            [this] { switchToCell((edit_->cell() + kCellCount - 1) % kCellCount); });
    return tabs_;
}

void CalibrationDialogBase::switchToCell(int index) {
    switching_ = true;
    // A click or a key has already moved the tab bar; it shows the cell still shown in the
    // fields until they are accepted, and stays there while a refused value is told.
    tabs_->setCurrentIndex(edit_->cell());
    if (index != edit_->cell() && cellMayChange()) {
        edit_->selectCell(index);
        tabs_->setCurrentIndex(index);
        cellChanged();
    }
    switching_ = false;
}

void CalibrationDialogBase::keyPressEvent(QKeyEvent* event) {
    // Enter does nothing here; on a focused button the button itself presses.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace rheo
