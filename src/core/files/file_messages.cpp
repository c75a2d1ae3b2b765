#include "core/files/file_messages.hpp"

namespace rheo::file_texts {
namespace {

FileDialogRequest calibrationDialog(const char* title) {
    return FileDialogRequest{title, "RHEO.dat", ".dat", "Calibration Data File (*.dat)|*.dat",
                             true};
}

FileDialogRequest resultsDialog(const char* title) {
    return FileDialogRequest{title, "RHEO_Results.csv", ".csv",
                             "Calculated Results File (*.csv)|*.csv", true};
}

} // namespace

FileDialogRequest calibrationSaveDialog() {
    return calibrationDialog("Save Current Calibration Settings");
}

FileDialogRequest calibrationOpenDialog() {
    return calibrationDialog("Select RHEO Calibration File");
}

FileDialogRequest resultsSaveDialog() {
    return resultsDialog("Save Current Calculated Results");
}

FileDialogRequest resultsOpenDialog() {
    return resultsDialog("Select Calculated Results File");
}

} // namespace rheo::file_texts
