#pragma once
// The history's own texts: its notes in the status bar and on standard error, and the names
// of its listings' columns.

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
