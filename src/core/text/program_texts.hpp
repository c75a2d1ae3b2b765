#pragma once
// Every message, question, notice and status text of the program, byte for byte as the
// operator sees it (blanks, line breaks and spelling included), grouped by where it appears.
// Changing a message is a change here and in the help page that quotes it. printf formats
// say what their conversions stand for; a message built from parts keeps its parts here and
// its joining beside the code that shows it. Nothing of the core is included: these are
// plain texts.

// The files: the calibration file, the older-format import and the results file, their
// fixed contents and the messages of loading and saving them.
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

// The save and open dialogs of the two files: titles, default names and extensions, filters.
inline constexpr const char* kCalibrationSaveTitle = "Save Current Calibration Settings";
inline constexpr const char* kCalibrationOpenTitle = "Select RHEO Calibration File";
inline constexpr const char* kCalibrationDefaultName = "RHEO.dat";
inline constexpr const char* kCalibrationExtension = ".dat";
inline constexpr const char* kCalibrationFilter = "Calibration Data File (*.dat)|*.dat";
inline constexpr const char* kResultsSaveTitle = "Save Current Calculated Results";
inline constexpr const char* kResultsOpenTitle = "Select Calculated Results File";
inline constexpr const char* kResultsDefaultName = "RHEO_Results.csv";
inline constexpr const char* kResultsExtension = ".csv";
inline constexpr const char* kResultsFilter = "Calculated Results File (*.csv)|*.csv";

} // namespace rheo::file_texts

// The questions the running program asks before it saves at exit, deletes what the
// operator selected or previews a very long report.
namespace rheo::session_texts {

inline constexpr const char* kSaveCalibrationBeforeExit =
    "Calibration data has changed.\nDo you want to save the data before exiting?";
inline constexpr const char* kSaveTestDataBeforeExit =
    "You have added or modified test data.\nDo you want to save the data before exiting?";
inline constexpr const char* kConfirmExit = "Are you sure you want to exit?";

inline constexpr const char* kDeleteSelectedResults =
    "Are you sure you want to delete the selected data?";
inline constexpr const char* kDeleteSelectedAbPoints =
    "Are you sure you want to delete the selected a, b calculation data?";
inline constexpr const char* kDeleteAllAbPoints =
    "Are you sure you want to delete all a, b calculation data?";
inline constexpr const char* kDeleteSelectedVolumePoints =
    "Are you sure you want to delete the selected volume calculation data?";
inline constexpr const char* kDeleteAllVolumePoints =
    "Are you sure you want to delete all volume calculation data?";
inline constexpr const char* kDeleteSelectedStandards =
    "Are you sure you want to delete the selected standard?";
inline constexpr const char* kDeleteAllStandards =
    "Are you sure you want to delete all the standards?";

// A preview holds every page in memory while it is shown; before a very long one the
// operator is asked. "%zu" is the number of pages.
inline constexpr const char* kPreviewManyPages =
    "The report has %zu pages. Showing them all takes a long time and much memory.\n"
    "Do you want to see the preview anyway?";

} // namespace rheo::session_texts

// The history's own texts: its notes in the status bar and on standard error, and the names
// of the marks on a run's row.
namespace rheo::history_texts {

// printf formats: standard name, deviation in %, known viscosity, tolerance in %.
inline constexpr const char* kCheckBeyondTolerance =
    "Reference check %s: %+.2f %% from %.3f mPa*s, beyond the %.2f %% tolerance.";
// printf formats: viscosity, cell number, lowest and highest known viscosity.
inline constexpr const char* kExtrapolated =
    "Extrapolated: %.3f mPa*s lies outside the standards of cell %d (%.3f to %.3f mPa*s).";

// The names of the marks on a run's row.
inline constexpr const char* kCheckMark = "Reference check beyond the tolerance";
inline constexpr const char* kExtrapolationMark = "Outside the standards of its cell";

inline constexpr const char* kNotWritten =
    "The calibration history could not be written; runs and saves go on without it.";
// printf format: the path of the history file.
inline constexpr const char* kCannotBeUsed =
    "The calibration history %s cannot be used; the program goes on without history.";

// The answers of the history check, per cell (printf: cell number and the details).
inline constexpr const char* kCheckOutside =
    "cell %d: reference check %s on %s is %+.2f %%, beyond the %.2f %% tolerance";
inline constexpr const char* kNoCheckSinceCalibration =
    "cell %d: no reference check since its calibration on %s";

} // namespace rheo::history_texts
