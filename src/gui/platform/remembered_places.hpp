// SPDX-License-Identifier: MIT
#pragma once
// What the window remembers from one run to the next, in the settings under "RHEO": the
// folder of the last file of each kind a file dialog chose (calibration, test data, PDF) and
// the main window's normal size and whether it was maximized. Nothing of it goes into the
// calibration or results file.

#include "core/seams/user_dialogs.hpp"

#include <QSize>
#include <QString>

#include <optional>
#include <string>

namespace rheo {

// The folder in which the program looks for RHEO.DAT: the directory part of `appDirectory`
// followed by the file name, made absolute.
QString filesFolder(const std::string& appDirectory);

// Where a file dialog opens: the folder of the last file of its kind, else `programFolder`
// (the folder of RHEO.DAT). The calibration's save dialog always opens in `programFolder`,
// since the calibration saved there is the one the next start loads.
QString dialogFolder(const FileDialogRequest& request, bool save, const QString& programFolder);
// Remembers the folder of `chosenFile` for the kind of file `request` asks for.
void rememberDialogFolder(const FileDialogRequest& request, const QString& chosenFile);

struct WindowPlacement {
    QSize normalSize;
    bool maximized = true;
};
std::optional<WindowPlacement> rememberedWindowPlacement();
void rememberWindowPlacement(const WindowPlacement& placement);

} // namespace rheo
