// SPDX-License-Identifier: MIT
// The calibration file readers: header and body as the menu command and the start-up read
// them, then the writer on what was read and the reader again on what was written.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/files/calibration_file.hpp"
#include "fuzz_checks.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    rheo::CalibrationData calibration;
    rheo::parseCalibrationText(calibration, bytes);
    rheo::fuzz::checkCalibration(calibration);

    rheo::CalibrationData again;
    rheo::parseCalibrationText(again, rheo::calibrationFileText(calibration));
    rheo::fuzz::checkCalibration(again);
    return 0;
}
