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
    switch (dialog) {
    // The form is not refreshed after these three: nothing it shows depends on them.
    case CalibrationDialog::GeneralSettings:
        runModally<SettingsDialog>(session, help, parent);
        break;
    case CalibrationDialog::CellData:
        runModally<CellDataDialog>(session, help, parent);
        break;
    case CalibrationDialog::StandardViscosities:
        runModally<TargetPressureTable>(session, help, parent);
        break;
    // A, B and T0 may have changed: the form's recommendation and T0 follow.
    case CalibrationDialog::CellVolumes:
        runModally<VolumeDialog>(session, help, parent, refreshForm);
        break;
    case CalibrationDialog::AbCalculation:
        runModally<ABDialog>(session, help, parent, refreshForm);
        break;
    }
}

} // namespace rheo
