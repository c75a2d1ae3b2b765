// SPDX-License-Identifier: MIT
#pragma once
// What every window test shares: GoogleTest and QTest; stand-ins for what the window sends
// out (help pages, printed reports, the alarm's sound are recorded instead of shown, printed
// or played), and the operator's hands on an offscreen window: making it active, typing into
// a field and leaving it, clicking, and reading what a list shows.

#include "core/model/model.hpp"
#include "core/reports/recording_surface.hpp"
#include "core/seams/clock.hpp"
#include "gui/help/help_launcher.hpp"
#include "gui/platform/report_destination.hpp"
#include "gui/sound/alarm_sound.hpp"
#include "support/scripted_dialogs.hpp"

#include <QApplication>
#include <QString>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

class QAbstractItemView;
class QAction;
class QLineEdit;
class QMenuBar;
class QWidget;

// Readable texts in the test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace rheo {
class CExtendedListCtrl;
}

namespace rheo::testing {

using Texts = std::vector<std::string>;

// The time of every run and report in the window tests.
inline const LocalDateTime kTestTime = makeLocalDateTime(2014, 3, 5, 9, 7);

class RecordingHelp : public HelpLauncher {
public:
    void showHelpPage(const std::string& pagePath) override { pages.push_back(pagePath); }
    std::vector<std::string> pages;
};

// Every report is drawn onto a recording surface; the calls say which way it went.
class RecordingReports : public ReportDestination {
public:
    bool print(const ReportDrawing& draw, std::string&, QWidget*) override;
    void preview(const ReportDrawing& draw, QWidget*) override;
    bool exportPdf(const std::string& path, const ReportDrawing& draw, std::string&) override;

    std::vector<std::string> calls;
    RecordingSurface lastReport;

private:
    bool record(const std::string& call, const ReportDrawing& draw);
};

class CountingAlarm : public AlarmSound {
public:
    void beepThenExclamation() override { ++ticks; }
    int ticks = 0;
};

// What the program's window is given, every part recorded.
struct Recorders {
    ScriptedDialogs dialogs;
    FixedClock clock{kTestTime};
    RecordingHelp help;
    RecordingReports reports;
    CountingAlarm alarm;
};

// The action at the end of a menu path such as {"&File", "&Test Data", "&Load ..."}.
QAction* menuAction(QMenuBar* bar, const std::vector<QString>& path);

// Shows the window and makes it active (the keyboard focus needs one); false when it never
// became active.
bool showActive(QWidget& window);
// The first control of the window a screen reader reads by this name; or else, for a value
// label, the first one its caption describes so.
QWidget* named(const QWidget& window, const QString& accessibleName);
// The first control of the kind the test works it as with this name (a field, not its label
// of the same name); or else the control `named` finds, as that kind.
template <typename Control> Control& control(const QWidget& window, const QString& name) {
    for (Control* found : window.findChildren<Control*>())
        if (found->accessibleName() == name)
            return *found;
    if (auto* found = qobject_cast<Control*>(named(window, name)))
        return *found;
    throw std::runtime_error("no control of that kind named " + name.toStdString());
}

// Types `text` over what the field holds and stays in it; then leaves it with Tab.
void typeInto(QLineEdit& field, const QString& text);
void typeAndLeave(QLineEdit& field, const QString& text);
// A left click in the middle of the control.
void click(QWidget& control);
// A key pressed, and what it posted handled (the lists post their recall).
void press(QWidget& control, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Ctrl+Tab, or Ctrl+Shift+Tab, pressed in the control.
void switchCell(QWidget& control, bool forward);
// A left click on a row of the list (Ctrl adds it to the selection), its recall handled.
void clickRow(CExtendedListCtrl& list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The accessible names of the controls Tab visits from `first` on, `first` included.
std::vector<std::string> tabWalk(QWidget& first, int steps);

// The rows of a list as they are shown, each one's cells joined with "|".
std::vector<std::string> shownRows(const QAbstractItemView& list);

} // namespace rheo::testing
