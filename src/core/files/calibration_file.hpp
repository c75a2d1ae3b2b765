#pragma once
// The calibration file: one text file holding the whole CalibrationData. First line
// "RHEO Version 2", then company name, serial number, operating temperature, timer minutes,
// then per cell one cell line followed by its AB and VOL lines, and the CAL lines of the
// standards. Lines end in CR LF; numbers are written and read with "." whatever the locale.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "core/files/line_reader.hpp"
#include "core/model/model.hpp"
#include "core/seams/user_dialogs.hpp"

namespace rheo {

// The exact bytes the writer puts into the file.
std::string calibrationFileText(const CalibrationData& data);

// True when the first line (line end removed) identifies the current format, byte for byte.
bool isCalibrationIdentification(std::string_view firstLine);

// Lines 2 to 5 and the body, read from where the reader stands (after the first line) to the
// end. Fields whose lines or words are missing keep the values they had.
void readCalibrationHeaderAndBody(CalibrationData& data, LineReader& reader);

// A whole file's bytes as the automatic load reads them: first line skipped without being
// compared, no reset.
void parseCalibrationText(CalibrationData& data, std::string_view bytes);

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
// import missing one of its companion files gives false). `chosenPath`, when given,
// receives the path the dialog returned.
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
