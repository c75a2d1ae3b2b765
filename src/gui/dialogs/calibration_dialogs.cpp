#include "gui/dialogs/calibration_dialogs.hpp"

#include "gui/dialogs/cell_data_dialog.hpp"
#include "gui/dialogs/settings_dialog.hpp"
#include "gui/dialogs/target_pressure_table.hpp"

namespace rheo {
namespace {

// The form is not refreshed after these dialogs: nothing it shows depends on them.
template <typename Dialog> void runModally(Session& session, HelpLauncher& help, QWidget* parent) {
    Dialog dialog(session, help, parent);
    dialog.exec();
}

} // namespace

void runCalibrationDialog(CalibrationDialog dialog, Session& session, HelpLauncher& help,
                          QWidget* parent,
                          [[maybe_unused]] const std::function<void()>& refreshForm) {
    switch (dialog) {
    case CalibrationDialog::GeneralSettings:
        runModally<SettingsDialog>(session, help, parent);
        break;
    case CalibrationDialog::CellData:
        runModally<CellDataDialog>(session, help, parent);
        break;
    case CalibrationDialog::StandardViscosities:
        runModally<TargetPressureTable>(session, help, parent);
        break;
    case CalibrationDialog::CellVolumes:
    case CalibrationDialog::AbCalculation:
        // Wired when the volume and A/B dialogs arrive.
        break;
    }
}

} // namespace rheo
