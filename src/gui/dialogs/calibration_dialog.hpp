// SPDX-License-Identifier: MIT
#pragma once
// What the five calibration dialogs share. Each edits the program's calibration in place
// through one CalibrationEdit opened with the dialog: OK keeps the edits (and raises the
// calibration's change flag when something changed), Cancel, Escape and the close box put
// the calibration back as it was when the dialog opened. Enter does nothing, except on a
// focused button, which it presses. "Help" and F1 open the dialog's help page. The dialogs
// with cell tabs get the five tabs "Cell 1" to "Cell 5", with Ctrl+Tab and Ctrl+Shift+Tab
// wrapping from one end to the other.

#include "core/session/calibration_edit.hpp"
#include "core/session/session.hpp"
#include "gui/help/help_pages.hpp"

#include <QDialog>

#include <functional>
#include <optional>

class QPushButton;
class QTabBar;

namespace rheo {

class HelpLauncher;

class CalibrationDialogBase : public QDialog {
    Q_OBJECT

public:
    CalibrationDialogBase(Session& session, HelpLauncher& help, CalibrationDialog dialog,
                          HelpPage page, QWidget* parent = nullptr);
    ~CalibrationDialogBase() override;

    CalibrationEdit& edit() { return *edit_; }
    Session& session() { return session_; }
    UserDialogs& dialogs() { return session_.dialogs(); }

    // The tab bar of the dialogs with cell tabs; null for the others.
    QTabBar* cellTabs() const { return tabs_; }
    // The buttons every dialog has.
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* helpButton() const { return helpButton_; }

    void showHelp();
    // True from OK or Cancel on, and while the focus is going to the Cancel button. A field
    // that loses the focus then takes nothing and tells nothing: the edits are being thrown
    // away, and the calibration is no longer the dialog's to change.
    bool isClosing() const;
    // Runs after OK has kept the edits, before the dialog closes (the A/B and volume
    // dialogs refresh the form here).
    void setAfterOk(std::function<void()> afterOk) { afterOk_ = std::move(afterOk); }

    // Shows the dialog with no button drawn as the one Enter would press, since Enter does
    // nothing here; a button that has the focus still takes Enter as its own.
    void setVisible(bool visible) override;

public slots:
    void accept() override;
    void reject() override;

protected:
    // Makes the tab bar showing the edit's cell. Ctrl+Tab, Ctrl+Shift+Tab and a click on a
    // tab ask cellMayChange() first, then select the cell and call cellChanged().
    QTabBar* createCellTabs();
    // The cell data dialog applies its fields first and keeps the tab when one is refused.
    virtual bool cellMayChange() { return true; }
    virtual void cellChanged() {}

    void keyPressEvent(QKeyEvent* event) override;

private:
    void switchToCell(int index);

    Session& session_;
    HelpLauncher& help_;
    HelpPage page_;
    std::optional<CalibrationEdit> edit_;
    QTabBar* tabs_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    std::function<void()> afterOk_;
    bool switching_ = false;
    bool closing_ = false;
};

} // namespace rheo
