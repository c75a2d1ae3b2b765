// SPDX-License-Identifier: MIT
#pragma once
// "Standard Viscosities": the table of standard oils, each with the pressure at which it
// flows through each calibrated cell in the cell's T0. Standards are added (replacing one
// of the same name) and deleted here; the table shows them in ascending viscosity. A click
// or Up/Down in the table loads the standard into the two fields.

#include "gui/dialogs/calibration_dialog.hpp"

class QLineEdit;

namespace rheo {

class CExtendedListCtrl;
class NumberEdit;
class RowTextsModel;

class TargetPressureTable : public CalibrationDialogBase {
    Q_OBJECT

public:
    TargetPressureTable(Session& session, HelpLauncher& help, QWidget* parent = nullptr);
    ~TargetPressureTable() override;

private:
    void addStandard();
    void deleteSelectedStandards();
    void deleteAllStandards();
    void loadSelection();
    void takeViscosity();

    QLineEdit* name_;
    NumberEdit* viscosity_;
    QPushButton* deleteSelected_;
    QPushButton* deleteAll_;
    QPushButton* add_;
    CExtendedListCtrl* table_;
    RowTextsModel* rows_;
};

} // namespace rheo
