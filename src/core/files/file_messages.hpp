// SPDX-License-Identifier: MIT
#pragma once
// The file-dialog settings of the calibration file and the results file, made from their
// texts in the catalogue (core/text/program_texts.hpp).

#include "core/seams/user_dialogs.hpp"

namespace rheo::file_texts {

// The save and open dialogs of the two files.
FileDialogRequest calibrationSaveDialog();
FileDialogRequest calibrationOpenDialog();
FileDialogRequest resultsSaveDialog();
FileDialogRequest resultsOpenDialog();

} // namespace rheo::file_texts
