#pragma once
// The questions the running program asks before it saves at exit, deletes what the
// operator selected or previews a very long report, byte for byte as the operator sees them.

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
