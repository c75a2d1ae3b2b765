// SPDX-License-Identifier: MIT
#pragma once
// Opens the program's help: a page path such as "<dir>/RHEO.chm::/RHEO/Welcome.htm" is shown
// in the one help window, from a file that passed the help file check; a damaged file is
// told there instead. The CHM reader library is loaded on the first request; without it
// help is silent (no window, no message) and the library is not looked for again.
//
// The application object owns one launcher and hands it by reference to the form and the
// dialogs.

#include "gui/help/chm_library.hpp"
#include "gui/help/help_file_check.hpp"

#include <QDateTime>

#include <QPointer>
#include <QString>

#include <string>

class QWidget;

namespace rheo {

class HelpWindow;

class HelpLauncher {
public:
    explicit HelpLauncher(std::string chmLibraryName = ChmLibrary::kDefaultName);
    virtual ~HelpLauncher();
    HelpLauncher(const HelpLauncher&) = delete;
    HelpLauncher& operator=(const HelpLauncher&) = delete;

    // The window the help window belongs to (the main window), or none. The help window is
    // a top-level window of its own, closed with its owner.
    void setOwnerWindow(QWidget* owner);
    // The help file of the installation, shown when the file a page path names does not
    // exist (a program started from a directory without its own RHEO.chm).
    void setInstalledHelpFile(const std::string& path);

    // Virtual so that window tests can record the pages asked for.
    virtual void showHelpPage(const std::string& pagePath);
    // The help file a page path is shown from: the one it names, or the installed one when
    // the named file does not exist and the installed one does.
    QString helpFileFor(const std::string& pagePath) const;

    const ChmLibrary& library() const { return library_; }
    // The check a help file passes before it is opened; tests give it another program.
    HelpFileCheck& helpFileCheck() { return check_; }
    // The help window, once a request has made it.
    HelpWindow* helpWindow() const;

private:
    HelpWindow* window();
    void present();

    ChmLibrary library_;
    HelpFileCheck check_;
    // The modification time of the file the help window was given, when it was given.
    QDateTime openedFileTime_;
    QPointer<QWidget> owner_;
    QString installedHelpFile_;
    QPointer<HelpWindow> window_;
};

} // namespace rheo
