// SPDX-License-Identifier: MIT
#pragma once
// The UserDialogs seam in the window: message boxes titled "RHEO" and Qt's file dialogs.
// Texts arrive as the program's Windows-1252 bytes, with real line breaks.

#include "core/seams/user_dialogs.hpp"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace rheo {

// "Calibration Data File (*.dat)|*.dat" (the old dialogs' filter) as Qt writes it:
// "Calibration Data File (*.dat)".
QString qtFileFilter(const std::string& filter);

class QtUserDialogs : public UserDialogs {
public:
    explicit QtUserDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    // The window the dialogs are centred on and modal to (the main window once it exists).
    void setParent(QWidget* parent) { parent_ = parent; }
    // The program's directory (the prefix of RHEO.DAT): the file dialogs open in its folder
    // until a file of their kind has been chosen; the working directory before it is set.
    void setProgramDirectory(const std::string& appDirectory);

    std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) override;
    // OK only, the exclamation icon of the old message boxes.
    void inform(const std::string& message) override;
    // Yes and No, the question icon, No the default (and what Escape answers).
    bool ask(const std::string& question) override;

private:
    std::optional<std::string> chooseFile(const FileDialogRequest& request, bool save);

    QPointer<QWidget> parent_;
    QString programFolder_;
};

} // namespace rheo
