// SPDX-License-Identifier: MIT
#pragma once
// How the core asks and tells the person at the bench. The window answers with message
// boxes and file dialogs, rheo-cli with its arguments and standard error, tests with a
// scripted fake that records every text.

#include <optional>
#include <string>

namespace rheo {

struct FileDialogRequest {
    std::string title;            // "Save Current Calibration Settings"
    std::string defaultName;      // "RHEO.dat"
    std::string defaultExtension; // ".dat"
    std::string filter;           // "Calibration Data File (*.dat)|*.dat"
    bool confirmOverwrite = true; // ask before replacing an existing file (save only)
};

class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // The path chosen, or nothing when the person cancelled.
    virtual std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) = 0;

    // A message with an OK button only.
    virtual void inform(const std::string& message) = 0;

    // A question with Yes and No, question icon, No the default. True only for Yes.
    virtual bool ask(const std::string& question) = 0;
};

} // namespace rheo
