#pragma once
// Stand-ins for what the window sends out: help pages, printed reports and the alarm's
// sound are recorded instead of shown, printed or played.

#include "core/reports/recording_surface.hpp"
#include "gui/platform/alarm_sound.hpp"
#include "gui/platform/help_launcher.hpp"
#include "gui/platform/report_destination.hpp"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <string>
#include <vector>

namespace rheo::testing {

class RecordingHelp : public HelpLauncher {
public:
    void showHelpPage(const std::string& pagePath) override { pages.push_back(pagePath); }
    std::vector<std::string> pages;
};

// Every report is drawn onto a recording surface; the calls say which way it went.
class RecordingReports : public ReportDestination {
public:
    bool print(const ReportDrawing& draw, std::string&, QWidget*) override {
        return record("print", draw);
    }
    void preview(const ReportDrawing& draw, QWidget*) override { record("preview", draw); }
    bool exportPdf(const std::string& path, const ReportDrawing& draw, std::string&) override {
        return record("pdf " + path, draw);
    }

    std::vector<std::string> calls;
    RecordingSurface lastReport;

private:
    bool record(const std::string& call, const ReportDrawing& draw) {
        calls.push_back(call);
        lastReport = RecordingSurface();
        draw(lastReport);
        return true;
    }
};

class CountingAlarm : public AlarmSound {
public:
    void beepThenExclamation() override { ++ticks; }
    int ticks = 0;
};

// The action at the end of a menu path such as {"&File", "&Test Data", "&Load ..."}.
inline QAction* menuAction(QMenuBar* bar, const std::vector<QString>& path) {
    QList<QAction*> actions = bar->actions();
    QAction* found = nullptr;
    for (const QString& text : path) {
        found = nullptr;
        for (QAction* action : actions) {
            if (action->text() == text) {
                found = action;
                break;
            }
        }
        if (found == nullptr)
            return nullptr;
        if (found->menu() != nullptr)
            actions = found->menu()->actions();
    }
    return found;
}

} // namespace rheo::testing
