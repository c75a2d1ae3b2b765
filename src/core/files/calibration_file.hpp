// SPDX-License-Identifier: MIT
#pragma once
// The calibration file: one text file holding the whole CalibrationData. First line
// "RHEO Version 2", then company name, serial number, operating temperature, timer minutes,
// then per cell one cell line followed by its AB and VOL lines, and the CAL lines of the
// standards. Lines end in CR LF; numbers are written and read with "." whatever the locale.

#include <string>
#include <string_view>

#include "core/files/line_reader.hpp"
#include "core/model/model.hpp"

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

} // namespace rheo
