// SPDX-License-Identifier: MIT
#pragma once
// The lines of the calibration file as the writer makes them, and the longest texts those
// lines can carry so that the file reads back to what was written. The window's fields and
// rheo-cli's options refuse longer texts where they are entered.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/files/file_lines.hpp"
#include "core/model/model.hpp"

namespace rheo {

// Every line of the file in order: "RHEO Version 2", the four settings, each cell's line with
// its AB and VOL lines, the CAL lines.
FileLines calibrationFileLines(const CalibrationData& data);

// The texts that fill a line of the calibration file with little else beside them.
enum class FileText { CompanyName, SerialNumber, StandardName };

// The most characters the text may hold: the whole line for the company name and the serial
// number; for a standard's name (as stored, see cleanStandardName) what its CAL line leaves
// beside the widest viscosity a standard may have.
std::size_t longestFileText(FileText text);

// Nothing when the text may be stored; otherwise the message: a line break would split its
// line, and a longer text would be read back cut.
std::optional<std::string> fileTextRefusal(FileText text, std::string_view value);

} // namespace rheo
