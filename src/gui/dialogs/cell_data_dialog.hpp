// SPDX-License-Identifier: MIT
#pragma once
// "Cell Data": each cell's working shear rate, allowed shear-rate window (in units of
// 1e6 1/s) and capillary geometry (diameter and length in mm), one tab per cell. A field is
// checked and written into the cell when it is left; changing the cell checks all five
// fields first and stays on the cell when one is refused. OK recomputes what depends on the
// geometry: the T0 of every weighing, then the A/B fits.

#include "core/model/field_rules.hpp"
#include "gui/dialogs/calibration_dialog.hpp"

#include <array>
#include <utility>

namespace rheo {

class NumberEdit;

class CellDataDialog : public CalibrationDialogBase {
    Q_OBJECT

public:
    CellDataDialog(Session& session, HelpLauncher& help, QWidget* parent = nullptr);
    ~CellDataDialog() override;

    // The field of one of the five cell data rules; null for another rule.
    NumberEdit* field(NumberField rule) const;

protected:
    bool cellMayChange() override;
    void cellChanged() override;

private:
    // Checks one field as it is left; false when it was refused.
    bool takeField(NumberField rule);
    void showCell();

    // Top to bottom as the dialog shows them.
    std::array<std::pair<NumberField, NumberEdit*>, 5> fields_{};
    // While fields are being checked, a field losing the focus to the message box or to a
    // refused field is not checked again.
    bool takingFields_ = false;
};

} // namespace rheo
