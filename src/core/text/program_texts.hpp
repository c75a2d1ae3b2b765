// SPDX-License-Identifier: MIT
#pragma once
// Every message, question, notice and status text of the program, byte for byte as the
// operator sees it (blanks, line breaks and spelling included), grouped by where it appears.
// Changing a message is a change here and in the help page that quotes it. printf formats
// say what their conversions stand for; a message built from parts keeps its parts here and
// its joining beside the code that shows it. Nothing of the core is included: these are
// plain texts.

#include <string_view>

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

// A file that could not be read or saved: the first line, then the file's path, then why.
inline constexpr const char* kCouldNotRead = "The file could not be read:\n";
inline constexpr const char* kReadingFailed = "\nReading failed: ";
inline constexpr const char* kNothingLoaded = ".\nNothing was loaded from it.";
inline constexpr const char* kTooLargeToLoad =
    "\nIt is too large to be held in memory.\nNothing was loaded from it.";
inline constexpr const char* kCouldNotSave = "The file could not be saved:\n";
inline constexpr const char* kPreviousFileKept = "\nThe previous file was kept unchanged.";
// Why a save failed (followed by ": " and the system's reason where there is one).
inline constexpr const char* kNoFileName = "No file name was given";
inline constexpr const char* kCreatingFailed = "Creating the file failed";
inline constexpr const char* kWritingFailed = "Writing failed";
inline constexpr const char* kWritingToDiskFailed = "Writing to the disk failed";
inline constexpr const char* kClosingFailed = "Closing the file failed";
inline constexpr const char* kReplacingFailed = "Replacing the file failed";
inline constexpr const char* kNotAnOrdinaryFile = "It is not an ordinary file";
inline constexpr const char* kMayNotBeWritten = "It may not be written: ";
// A text that the file's line cannot hold (%s: "company name", "serial number" ...).
inline constexpr const char* kMustFitOnOneLine = "The %s must fit on one line.";
inline constexpr const char* kCanHoldAtMost = "The %s can hold at most %zu characters.";
// Typed text that the files' Windows-1252 cannot hold (%s: "The sample ID" ...).
inline constexpr const char* kNotUtf8 =
    "%s is not UTF-8 text: the byte 0x%02X at position %d cannot be read.";
inline constexpr const char* kNoWindows1252Form =
    "%s cannot be written to the files: the character U+%04X has no Windows-1252 form.";

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

// The History window's line under its plots (Qt's %1 to %4: saves, checks, checks beyond the
// tolerance, extrapolated runs), and what follows it when the file could not be read whole.
inline constexpr const char* kWindowSummary =
    "%1 saves, %2 reference checks (%3 beyond the tolerance), %4 extrapolated runs";
inline constexpr const char* kWindowNotReadWhole = "; the history could not be read to its end";

} // namespace rheo::history_texts

// The messages of the number fields the operator types: each names the range the field
// accepts (the rules themselves are in core/model/field_rules.hpp).
namespace rheo::field_texts {

// The run form's and the A/B dialog's efflux time and pressure.
inline constexpr const char* kEffluxTime =
    "Enter a non zero and non negative value for the Efflux Time.\nValues above 60 minutes "
    "are also not appropriate.";
inline constexpr const char* kPressure =
    "Enter a non zero and non negative value for the Pressure.\nPressures above 600 PSI are "
    "also inappropriate.";
inline constexpr const char* kEstimatedViscosity =
    "Enter a non zero and non negative value for the Estimated Viscosity.\nValues "
    "above 40 mPa*s are also not appropriate.";
inline constexpr const char* kKnownViscosity =
    "Enter a non zero and non negative value below 40 mPa*s for the Known "
    "Viscosity.";
inline constexpr const char* kTareWeight =
    "Please enter a non zero and non negative number for the tare weight.\nValues "
    "above 100 grams are also inappropriate.";
inline constexpr const char* kFullWeight =
    "Please enter a non zero and non negative number for the full weight.\nValues "
    "above 100 grams are also inappropriate.";
inline constexpr const char* kDensity = "Please enter a value between 0.01 and 10 grams/ml.";
inline constexpr const char* kCapillaryLength =
    "Please enter a non negative Capillary Length.\nValues above 100 mm are also "
    "inappropriate.";
inline constexpr const char* kCapillaryDiameter =
    "Please enter a non negative value below 1 mm for the Capillary Diameter.";
inline constexpr const char* kMaxShearRate =
    "Please enter a Maximum Allowable Shear Rate between 0 and 2 (1x10e6 1/sec).";
inline constexpr const char* kMinShearRate =
    "Please enter a Minimum Allowable Shear Rate between 0 and 2 (1x10e6 1/sec).";
inline constexpr const char* kWorkingShearRate =
    "Please enter a Working Shear Rate between 0 and 2 (1x10e6 1/sec).";
inline constexpr const char* kOperatingTemperature =
    "Please enter an operating temperature between 40 and 150 degrees celcius.";
inline constexpr const char* kEquilibriumTimerMinutes =
    "Please enter a temperature equilibrium timer duration between 1 and 30 "
    "minutes.";
inline constexpr const char* kStandardViscosity =
    "Enter a non-zero, non-negative viscosity below 40 mPa*s";

} // namespace rheo::field_texts

// The run: why a run was refused, and the recommended pressure the form shows.
namespace rheo::run_texts {

// A cell without its calibration. One missing value: kNotCalibrated, kOneValueMissing, the
// value's name, kIsMissing. Several: kNotCalibrated, straight after its full stop the names
// joined by ", ", kAreMissing.
inline constexpr const char* kNotCalibrated =
    "This cell is not calibrated.\nCalibrate it, load different calibration data, or choose a "
    "different cell.";
inline constexpr const char* kOneValueMissing = "\nThe value for ";
inline constexpr const char* kIsMissing = " is missing or invalid.";
inline constexpr const char* kAreMissing = " are missing or invalid.";

// printf formats: the lowest and highest shear rate of the cell, then the suggested re-run
// pressure as a text.
inline constexpr const char* kOutsideWindow =
    "Sample Run did not fall within\nShearRateMin %2.3f and "
    "ShearRateMax %2.3f.\nRun the sample again at %s psi.";
inline constexpr const char* kOutsideWindowWarning =
    "Sample Run did not fall within\nShearRateMin %2.3f and "
    "ShearRateMax %2.3f.\nRun the sample again at %s "
    "psi.\nWarning: pressures above 500 psi are not recommended";
// printf format: the lowest and highest shear rate of the cell.
inline constexpr const char* kOutsideWindowOverLimit =
    "Sample Run did not fall within\nShearRateMin %2.3f and "
    "ShearRateMax %2.3f.\nTo fall within the min and max shear rate "
    "you would have to run at a pressure higher than 600 psi, which "
    "is the max operating pressure.";

// The recommended pressure (printf: the pressure in psi), blanks included.
inline constexpr const char* kPressureNotAvailable = "               N/A";
inline constexpr const char* kRecommendedPressure = "           %2.1f psi";
inline constexpr const char* kRecommendedPressureWarning = "%2.1f Warning > 500 psi";
inline constexpr const char* kDoNotRun = "> 600 psi DO NOT RUN";

} // namespace rheo::run_texts

// The calibration dialogs: why a standard run or a weighing was refused, and the notices
// while too few points are in.
namespace rheo::calibration_texts {

inline constexpr std::string_view kAbRangeRejection =
    "Known Viscosity, Efflux Time, and Pressure must all be non zero and non negative.\n"
    "Pressures above 600 PSI are also inappropriate.";
inline constexpr std::string_view kAbCellDataRejection =
    "The capillary radius, cell volume, and T0 are needed for this calculation.";
// The standard flowed too slowly (more than 20 % above T0).
inline constexpr std::string_view kAbTooSlowRejection =
    "The efflux time was not within +-20% of the target efflux time.\n"
    "Please run the sample again at a higher pressure.";
// The standard flowed too fast (more than 20 % below T0).
inline constexpr std::string_view kAbTooFastRejection =
    "The efflux time was not within +-20% of the target efflux time.\n"
    "Please run the sample again at a lower pressure.";
inline constexpr std::string_view kAbRegressionNotice =
    "The constants A and B are determined through regression.\n"
    "At least 4 data points are needed for an accurate result.\nPlease add more data.";

inline constexpr std::string_view kTareNotBelowFullRejection =
    "Tare Weight must be less than the Full Weight";
inline constexpr std::string_view kVolumeCellDataRejection =
    "The Working Shear Rate and Capillary Radius are needed for this calculation.";
inline constexpr std::string_view kVolumeNotice =
    "At least 3 data points are needed to accurately calculate\n"
    "the cell volume and target efflux time (T0).\nPlease add more data.";

} // namespace rheo::calibration_texts

// The window's own messages, notices and status texts.
namespace rheo::window_texts {

// Told when the text of a number field is no number; the field keeps its value.
inline constexpr const char* kNotANumberMessage = "Please enter a number.";
inline constexpr const char* kNotAWholeNumberMessage = "Please enter an integer.";

// The status bar over the form: over the cell picture, elsewhere.
inline constexpr const char* kPictureStatusText =
    "Click on a cell number to change your current working cell";
inline constexpr const char* kBackgroundStatusText = "Press F1 For Help";

// The A/B fit plot when it has fewer than two points to draw.
inline constexpr const char* kNoStandardRuns = "No standard runs in this cell yet.";
inline constexpr const char* kOneStandardRun =
    "One standard run so far: the plot starts with the second.";
inline constexpr const char* kStandardRunsNotPlotted =
    "The standard runs of this cell cannot be plotted.";

// A PDF report or a print that failed. The path, and the reason or the printer, go between
// the parts.
inline constexpr const char* kPdfNeedsApplication =
    "A PDF report needs a graphical application object.";
inline constexpr const char* kCannotWritePdf = "Cannot write the PDF file ";
inline constexpr const char* kCannotCreatePdf = "Cannot create the PDF file ";
inline constexpr const char* kReportNotDrawn = ": the report could not be drawn.";
inline constexpr const char* kReportNotPrinted = "The report could not be printed on ";

// The pages the help window shows in place of what it cannot show: a heading and a body of
// HTML, "%1" the help file (or the page, then "%2" the help file).
inline constexpr const char* kHelpFileNotFound = "Help file not found";
inline constexpr const char* kHelpFileNotFoundBody =
    "<p>The help file <b>%1</b> could not be opened.</p>"
    "<p>The help file RHEO.chm belongs in the program's directory, or in the "
    "directory named by the environment variable RHEO. Install the program "
    "again, or copy RHEO.chm there.</p>";
inline constexpr const char* kHelpFileDamaged = "Help file damaged";
inline constexpr const char* kHelpFileDamagedBody =
    "<p>The help file <b>%1</b> is damaged and cannot be shown.</p>"
    "<p>Install the program again, or copy an undamaged RHEO.chm into the "
    "program's directory.</p>";
inline constexpr const char* kHelpPageNotFound = "Help page not found";
inline constexpr const char* kHelpPageNotFoundBody =
    "<p>The page <b>%1</b> is not in the help file <b>%2</b>.</p>"
    "<p>Choose a topic from the contents, or go back to the page you came "
    "from.</p>";

} // namespace rheo::window_texts
