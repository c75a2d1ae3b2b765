// SPDX-License-Identifier: MIT
#pragma once
// The menu commands of the calibration file and its automatic load at start-up: the file
// dialogs, the extension checks and their messages around the file's format
// (calibration_file.hpp) and the older import (version1_import.hpp), read from an ordinary
// file and written by safe saving.

#include <cstdio>
#include <optional>
#include <string>

#include "core/model/model.hpp"
#include "core/seams/user_dialogs.hpp"

namespace rheo {

// Menu command "Save calibration data to a file": save dialog, extension check, safe write.
// True only when the file was written; a line too long to be read back (values from a foreign
// file, or extreme ones) makes the save write nothing and name the record and field.
// `chosenPath`, when given, receives the path the dialog returned.
bool saveCalibrationFile(const CalibrationData& data, UserDialogs& dialogs,
                         std::string* chosenPath = nullptr);
// The same for a path already chosen (the steps after the dialog).
bool saveCalibrationFileAt(const CalibrationData& data, const std::string& path,
                           UserDialogs& dialogs);

// Menu command "Load calibration data from a file": open dialog, extension check, reset,
// then the current format or the older three-file import. True when a file was read (an
// import missing one of its companion files gives false).
// `chosenPath`, when given, receives the path the dialog returned.
bool loadCalibrationFile(CalibrationData& data, UserDialogs& dialogs,
                         std::string* chosenPath = nullptr);
// The same for a path already chosen (the steps after the dialog).
bool loadCalibrationFileAt(CalibrationData& data, const std::string& path, UserDialogs& dialogs);
// The steps after the open: `file` is the open file named `path`. A read that fails
// part-way is told (naming the file and the reason) and leaves `data` untouched.
bool loadCalibrationFromOpenFile(CalibrationData& data, const std::string& path, std::FILE* file,
                                 UserDialogs& dialogs);

// Start-up: reads appDirectory + "RHEO.DAT" (nothing inserted between them), or, when that
// file is absent, the file of that name in another letter case in the same directory.
// No reset, first line not compared; false (with its message) when no file can be opened or
// its reading fails part-way (then `data` is untouched).
bool autoLoadCalibration(CalibrationData& data, const std::string& appDirectory,
                         UserDialogs& dialogs);
// The file the automatic load reads, or nothing when there is none.
std::optional<std::string> autoLoadPath(const std::string& appDirectory);

} // namespace rheo
