// SPDX-License-Identifier: MIT
// rheo: the calculator's window. Its options, read before anything needs a display (so that
// --help and --version work without one), are in the table kOptions below; Qt's own options
// (-platform, -style, ...) are accepted and left to Qt.

#include "core/model/version.hpp"
#include "core/session/session.hpp"
#include "gui/app/installed_help_file.hpp"
#include "gui/app/rheo_app.hpp"
#include "gui/help/help_file_check.hpp"
#include "gui/help/help_launcher.hpp"
#include "gui/help/help_pages.hpp"
#include "gui/platform/qt_user_dialogs.hpp"
#include "gui/platform/report_destination.hpp"
#include "gui/platform/system_clock.hpp"
#include "gui/sound/alarm_sound.hpp"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEvent>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
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

// The program's own options: name, what --help says, and the name of the value it takes
// (none for a switch).
struct ProgramOption {
    const char* name;
    const char* description;
    const char* valueName = nullptr;
};
constexpr ProgramOption kOptions[] = {
    {"version", "Print the program's version and exit."},
    {"desktop", "Started from the desktop menu: unless RHEO is set or the working directory "
                "holds RHEO.DAT, keep the files in $XDG_DATA_HOME/rheo/ (by default "
                "~/.local/share/rheo/), made when missing."},
    {"paint-once", "Open the window, paint it once and exit (smoke tests, benchmarks); a "
                   "message shown at start-up ends it as well."},
    {"check-help-file",
     "Check a help file as help does before it opens one, in a process of "
     "its own, and exit: 0 when it can be shown.",
     "FILE"},
    {"print-help-file", "Print the help file that Help > Contents would open from here and "
                        "exit (the directory's own RHEO.chm, otherwise the installed one)."},
};

// Qt's own options, taken by QApplication; accepted here and not shown by --help.
constexpr const char* kQtOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "style",         "stylesheet"};
constexpr const char* kQtSwitches[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void addOptions(QCommandLineParser& parser) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("The viscosity calculator of a five-cell capillary viscometer."));
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Print these options and exit.")));
    for (const ProgramOption& option : kOptions) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(option.name),
                                            QString::fromLatin1(option.description),
                                            QString::fromLatin1(option.valueName)));
    }
    const auto addHidden = [&parser](const char* name, const char* valueName) {
        QCommandLineOption option(QString::fromLatin1(name), QString(),
                                  QString::fromLatin1(valueName));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char* name : kQtOptionsWithValue)
        addHidden(name, "value");
    for (const char* name : kQtSwitches)
        addHidden(name, nullptr);
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

// The per-user folder of a program started from the desktop menu, $XDG_DATA_HOME/rheo.
std::optional<std::string> menuDirectory(const QCommandLineParser& options) {
    if (!options.isSet(QStringLiteral("desktop")))
        return std::nullopt;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QFile::encodeName(data + QStringLiteral("/rheo")).toStdString();
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser options;
    addOptions(options);
    if (!options.parse(arguments)) {
        std::fprintf(stderr, "rheo: %s\nTry 'rheo --help'.\n",
                     options.errorText().toLocal8Bit().constData());
        return 1;
    }
    if (options.isSet(QStringLiteral("help"))) {
        QString usage = options.helpText();
        usage.replace(QStringLiteral("<executable_name>"), QStringLiteral("rheo"));
        std::fputs(usage.toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (options.isSet(QStringLiteral("version"))) {
        std::printf("%s\n", rheo::kVersionText);
        return 0;
    }
    if (options.isSet(QStringLiteral("check-help-file")))
        return rheo::runHelpFileCheck(options.value(QStringLiteral("check-help-file")));
    const std::optional<std::string> rheoVariable = environmentVariable("RHEO");
    const std::optional<std::string> userFolder = menuDirectory(options);
    if (options.isSet(QStringLiteral("print-help-file"))) {
        rheo::HelpLauncher help;
        help.setInstalledHelpFile(rheo::installedHelpFile());
        const std::string welcome =
            rheo::helpPagePath(rheo::appDirectoryFor(rheoVariable, workingDirectory(), userFolder),
                               rheo::HelpPage::Welcome);
        std::printf("%s\n",
                    QFile::encodeName(QDir::cleanPath(help.helpFileFor(welcome))).constData());
        return 0;
    }
    const bool paintOnce = options.isSet(QStringLiteral("paint-once"));

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
    if (!app.InitInstance(rheoVariable, workingDirectory(), userFolder))
        return 1;
    if (quitter.painted())
        return 0;
    dialogs.setParent(app.mainFrame());
    dialogs.setProgramDirectory(app.session().appDirectory());
    help.setOwnerWindow(app.mainFrame());
    return QApplication::exec();
}
