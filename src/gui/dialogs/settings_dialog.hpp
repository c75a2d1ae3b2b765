// SPDX-License-Identifier: MIT
#pragma once
// "General Settings": the company name, serial number and operating temperature that head
// the printed reports, and the minutes of the temperature-equilibrium countdown. Each field
// is written into the calibration when it is left (a number only within its range); Cancel
// puts the settings back as they were when the dialog opened.

#include "gui/dialogs/calibration_dialog.hpp"

class QLineEdit;

namespace rheo {

class NumberEdit;

class SettingsDialog : public CalibrationDialogBase {
    Q_OBJECT

public:
    SettingsDialog(Session& session, HelpLauncher& help, QWidget* parent = nullptr);
    ~SettingsDialog() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void takeText(QLineEdit* field);
    void takeNumber(NumberEdit* field);

    QLineEdit* companyName_;
    QLineEdit* serialNumber_;
    NumberEdit* temperature_;
    NumberEdit* timerMinutes_;
};

} // namespace rheo
