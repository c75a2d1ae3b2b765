// SPDX-License-Identifier: MIT
#include "core/files/file_messages.hpp"

#include "core/text/program_texts.hpp"

namespace rheo::file_texts {
namespace {

FileDialogRequest calibrationDialog(const char* title) {
    return FileDialogRequest{title, kCalibrationDefaultName, kCalibrationExtension,
                             kCalibrationFilter, true};
}

FileDialogRequest resultsDialog(const char* title) {
    return FileDialogRequest{title, kResultsDefaultName, kResultsExtension, kResultsFilter, true};
}

} // namespace

FileDialogRequest calibrationSaveDialog() {
    return calibrationDialog(kCalibrationSaveTitle);
}

FileDialogRequest calibrationOpenDialog() {
    return calibrationDialog(kCalibrationOpenTitle);
}

FileDialogRequest resultsSaveDialog() {
    return resultsDialog(kResultsSaveTitle);
}

FileDialogRequest resultsOpenDialog() {
    return resultsDialog(kResultsOpenTitle);
}

} // namespace rheo::file_texts
