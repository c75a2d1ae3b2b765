#include "gui/dialogs/calibration_dialogs.hpp"

namespace rheo {

void runCalibrationDialog(CalibrationDialog, Session&, HelpLauncher&, QWidget*,
                          const std::function<void()>&) {}

} // namespace rheo
