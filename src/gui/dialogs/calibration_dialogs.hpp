// SPDX-License-Identifier: MIT
#pragma once
// The Calibration menu's five dialogs, each run modally on the program's calibration.

#include "core/session/calibration_edit.hpp"
#include "core/session/session.hpp"

#include <functional>

class QWidget;

namespace rheo {

class HelpLauncher;

// Runs the dialog until OK or Cancel. `refreshForm` sets the form's target efflux time and
// recommendation again; every dialog calls it on OK.
void runCalibrationDialog(CalibrationDialog dialog, Session& session, HelpLauncher& help,
                          QWidget* parent, const std::function<void()>& refreshForm);

} // namespace rheo
