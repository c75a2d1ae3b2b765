// SPDX-License-Identifier: MIT
// The import of the older three-file set. The input is split into the main file and the two
// companions; its first byte says which companions exist.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/files/version1_import.hpp"
#include "fuzz_checks.hpp"

namespace {

class SilentDialogs : public rheo::UserDialogs {
public:
    std::optional<std::string> chooseFileToOpen(const rheo::FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseFileToSave(const rheo::FileDialogRequest&) override {
        return std::nullopt;
    }
    void inform(const std::string&) override {}
    bool ask(const std::string&) override { return false; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::uint8_t present = input.ConsumeIntegral<std::uint8_t>();
    const std::string main = input.ConsumeRandomLengthString(1 << 20);
    const std::string settings = input.ConsumeRandomLengthString(1 << 20);
    const std::string standards = input.ConsumeRemainingBytesAsString();

    SilentDialogs dialogs;
    rheo::CalibrationData calibration;
    rheo::importVersion1Bytes(
        calibration, main, (present & 1) ? std::optional<std::string_view>(settings) : std::nullopt,
        (present & 2) ? std::optional<std::string_view>(standards) : std::nullopt, dialogs);
    rheo::fuzz::checkCalibration(calibration);
    return 0;
}
