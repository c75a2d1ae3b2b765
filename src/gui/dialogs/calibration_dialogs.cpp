// SPDX-License-Identifier: MIT
#include "gui/dialogs/calibration_dialogs.hpp"

#include "gui/dialogs/ab_dialog.hpp"
#include "gui/dialogs/cell_data_dialog.hpp"
#include "gui/dialogs/settings_dialog.hpp"
#include "gui/dialogs/target_pressure_table.hpp"
#include "gui/dialogs/volume_dialog.hpp"

namespace rheo {
namespace {

// `afterOk` runs when the dialog is closed with OK, before it goes.
template <typename Dialog>
void runModally(Session& session, HelpLauncher& help, QWidget* parent,
                const std::function<void()>& afterOk = {}) {
    Dialog dialog(session, help, parent);
    dialog.setAfterOk(afterOk);
    dialog.exec();
}

} // namespace

void runCalibrationDialog(CalibrationDialog dialog, Session& session, HelpLauncher& help,
                          QWidget* parent, const std::function<void()>& refreshForm) {
    // Every dialog may change what the form shows from the calibration (the cell data the
    // target efflux time, the volumes T0, the A/B constants and the standards the
    // recommendation): OK refreshes the form, so that no number on it is stale.
    switch (dialog) {
    case CalibrationDialog::GeneralSettings:
        runModally<SettingsDialog>(session, help, parent, refreshForm);
        break;
    case CalibrationDialog::CellData:
        runModally<CellDataDialog>(session, help, parent, refreshForm);
        break;
    case CalibrationDialog::StandardViscosities:
        runModally<TargetPressureTable>(session, help, parent, refreshForm);
        break;
    case CalibrationDialog::CellVolumes:
        runModally<VolumeDialog>(session, help, parent, refreshForm);
        break;
    case CalibrationDialog::AbCalculation:
        runModally<ABDialog>(session, help, parent, refreshForm);
        break;
    }
}

} // namespace rheo
