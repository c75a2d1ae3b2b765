#pragma once
// The fixed texts and file-dialog settings of the calibration file, the older-format import
// and the results file, byte for byte as the operator sees them.

#include "core/seams/user_dialogs.hpp"

namespace rheo::file_texts {

inline constexpr const char* kCalibrationIdentification = "RHEO Version 2";
inline constexpr const char* kAutoLoadName = "RHEO.DAT";

inline constexpr const char* kUseDatExtension = "Please Use .dat  File Extension.";
inline constexpr const char* kSelectValidCalibrationFile =
    "Please Select a valid Calibration Data File.  '*.dat'";
inline constexpr const char* kFileDidNotExist =
    "The specified file did not exist at that location.\nPlease choose a different file.";
inline constexpr const char* kAutoLoadFailed =
    "The auto load of calibration data failed.\nLoad calibration data or recalibrate.";

inline constexpr const char* kVersion1SettingsName = "RHEOSET.DAT";
inline constexpr const char* kVersion1StandardsName = "RHEOCAL.DAT";
inline constexpr const char* kMissingVersion1Settings =
    "With Version 1 there are three files for calibration.\nYou are missing RHEOSET.DAT\nThis "
    "is not fatal, but you will need to reenter the volumes and shear rates.";
inline constexpr const char* kMissingVersion1Standards =
    "With Version 1 there are three files for calibration.\nYou are missing RHEOCAL.DAT\nThis "
    "is not fatal, but you will need to reenter the standard viscosites";

inline constexpr const char* kUseCsvExtension = "Please Use .csv File Extension.";
inline constexpr const char* kSelectValidResultsFile =
    "Please Select a valid Calculated Results File.  '*.csv'";

inline constexpr const char* kResultsHeader =
    "Sample Id Name,Cell Number,Viscosity (mPa*s),Shear Rate (1x10e6 1/sec),Reynolds "
    "Number,Newtonian,Pressure (psi),Efflux Time(sec),Date Time";
inline constexpr const char* kEmptySampleId = "NO_ID";
// The window's word when the memory ran out while a results file was loaded.
inline constexpr const char* kNoMemoryToLoadResults =
    "There is not enough memory to load the file.\nNothing was loaded from it.";

// The save and open dialogs of the two files.
FileDialogRequest calibrationSaveDialog();
FileDialogRequest calibrationOpenDialog();
FileDialogRequest resultsSaveDialog();
FileDialogRequest resultsOpenDialog();

} // namespace rheo::file_texts
