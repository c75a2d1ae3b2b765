// rheo: the calculator's window. Options of its own beyond Qt's:
//   --version     prints the program's version and ends
//   --paint-once  starts the window, paints it once and ends (smoke tests and benchmarks);
//                 a message shown at start-up ends it as well
//   --check-help-file FILE
//                 checks a help file before the window opens it (help_file_check.hpp)
//   --print-help-file
//                 prints the help file Help > Contents would open from here and ends (checks
//                 an installation: the directory's own RHEO.chm, else the installed one)

#include "core/model/version.hpp"
#include "core/session/session.hpp"
#include "gui/app/installed_help_file.hpp"
#include "gui/app/rheo_app.hpp"
#include "gui/platform/alarm_sound.hpp"
#include "gui/platform/help_file_check.hpp"
#include "gui/platform/help_launcher.hpp"
#include "gui/platform/help_pages.hpp"
#include "gui/platform/qt_user_dialogs.hpp"
#include "gui/platform/report_destination.hpp"
#include "gui/platform/system_clock.hpp"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

// Ends the program once its first window has been painted: the main window, or the message
// that start-up shows before it when the calibration file could not be loaded (nobody would
// answer it in a smoke test).
class QuitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;
    bool painted() const { return painted_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painted_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
            painted_ = true;
            // exit(), not quit(): quit() closes the windows first, and closing the main
            // window runs the exit sequence with its question. exit() also ends the event
            // loop of a message box that is open.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

private:
    bool painted_ = false;
};

bool hasOption(int argc, char** argv, const char* option) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], option) == 0)
            return true;
    return false;
}

std::optional<std::string> environmentVariable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

// The working directory; an unknown one gives an empty prefix.
std::optional<std::string> workingDirectory() {
    const QString here = QDir::currentPath();
    return here.isEmpty() ? std::nullopt : std::optional(QFile::encodeName(here).toStdString());
}

} // namespace

int main(int argc, char** argv) {
    if (hasOption(argc, argv, "--version")) {
        std::printf("%s\n", rheo::kVersionText);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], rheo::kCheckHelpFileOption) == 0)
        return rheo::runHelpFileCheck(QFile::decodeName(argv[2]));
    if (hasOption(argc, argv, "--print-help-file")) {
        rheo::HelpLauncher help;
        help.setInstalledHelpFile(rheo::installedHelpFile());
        const std::string welcome = rheo::helpPagePath(
            rheo::appDirectoryFor(environmentVariable("RHEO"), workingDirectory()),
            rheo::HelpPage::Welcome);
        std::printf("%s\n",
                    QFile::encodeName(QDir::cleanPath(help.helpFileFor(welcome))).constData());
        return 0;
    }
    const bool paintOnce = hasOption(argc, argv, "--paint-once");

    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("RHEO"));
    QApplication::setApplicationName(QStringLiteral("RHEO"));
    // Lets the desktop match the window to its menu entry rheo.desktop (and its icon).
    QGuiApplication::setDesktopFileName(QStringLiteral("rheo"));

    rheo::QtUserDialogs dialogs;
    rheo::SystemClock clock;
    rheo::HelpLauncher help;
    help.setInstalledHelpFile(rheo::installedHelpFile());
    rheo::QtReportDestination reports;
    rheo::SystemAlarmSound alarm;
    rheo::CRHEOApp app(dialogs, clock, help, reports, alarm);

    QuitAfterFirstPaint quitter;
    if (paintOnce)
        application.installEventFilter(&quitter);
    if (!app.InitInstance(environmentVariable("RHEO"), workingDirectory()))
        return 1;
    if (quitter.painted())
        return 0;
    dialogs.setParent(app.mainFrame());
    help.setOwnerWindow(app.mainFrame());
    return QApplication::exec();
}
