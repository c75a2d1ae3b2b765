// SPDX-License-Identifier: MIT
#pragma once
// The help file check. chmlib, which reads the help file, cannot be trusted with a damaged
// file: one changed byte can crash it, corrupt the heap or make a page take minutes to lay
// out. So the program opens a help file only after a copy of itself, started with
// "--check-help-file FILE" on the offscreen platform, has read every object of the file and
// laid out every page within a time limit. A damaged file then ends only that copy, and help
// says that the file is damaged; the operator's work is never at risk.

#include <QHash>
#include <QString>

namespace rheo {

// The option that starts the program in its checking mode.
inline constexpr const char* kCheckHelpFileOption = "--check-help-file";

// The checking mode: opens the file, reads every object, fills the contents and lays out
// every page as the help window would. 0 when all of it went well, 1 otherwise (a crash or a
// hang is told by the process's end or by its time running out).
int runHelpFileCheck(const QString& filePath);

class HelpFileCheck {
public:
    static constexpr int kDefaultLimitMs = 15'000;

    // The program run in its checking mode (this program itself unless told otherwise) and
    // how long it may take before it is ended.
    explicit HelpFileCheck(QString program = QString(), int limitMs = kDefaultLimitMs);

    // Whether the file passed the check: an ordinary file, checked once per path,
    // modification time and size in a run of the program (a changed file is checked again).
    // While the check runs the windows are still drawn and timers still run; the operator's
    // input waits for it.
    bool passed(const QString& filePath);

    // How often a checking process was started; for the tests.
    int checksRun() const { return checksRun_; }

private:
    bool runCheck(const QString& filePath);

    QString program_;
    int limitMs_;
    QHash<QString, bool> results_;
    int checksRun_ = 0;
};

} // namespace rheo
