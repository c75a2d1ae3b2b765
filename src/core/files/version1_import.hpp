// SPDX-License-Identifier: MIT
#pragma once
// Import of a calibration set of the previous version: a main file with the standard-oil
// runs and constants of each cell, "RHEOSET.DAT" with shear rates and capillary geometry,
// "RHEOCAL.DAT" with the standard viscosities. Values version 1 did not store (T0, the run
// results, an RMS placeholder) are derived; a derived value that would come from a division
// by zero is stored as 0.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/files/line_reader.hpp"
#include "core/model/model.hpp"
#include "core/seams/user_dialogs.hpp"

namespace rheo {

// Opens a companion file when the import reaches it: calls `use` with a reader over it and
// returns true, or returns false when the file is missing.
using CompanionOpener = std::function<bool(const std::function<void(LineReader& reader)>& use)>;

struct Version1Companions {
    CompanionOpener settings;  // "RHEOSET.DAT"
    CompanionOpener standards; // "RHEOCAL.DAT"
};

// The import proper. `data` has been reset; `mainFile` stands after its first line.
// True when both companion files were found.
bool importVersion1(CalibrationData& data, LineReader& mainFile,
                    const Version1Companions& companions, UserDialogs& dialogs);

// Everything from bytes: the whole main file (its first line is skipped) and the two
// companions, nothing standing for a missing file. Resets `data` first.
bool importVersion1Bytes(CalibrationData& data, std::string_view mainFile,
                         std::optional<std::string_view> settingsFile,
                         std::optional<std::string_view> standardsFile, UserDialogs& dialogs);

} // namespace rheo
