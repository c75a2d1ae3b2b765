// SPDX-License-Identifier: MIT
// The main window with a million results, driven as the operator drives it, each step timed
// with the repaint that follows it (bench/compare.sh reads the figures):
//   load        File > Test Data > Load ... of the results file, the list showing the rows
//   select_all  Ctrl+A in the results list
//   delete      1,000 scattered rows selected, then the Delete key, the question answered Yes
//   scroll_end  the list's scroll bar taken to its end
// Usage: form_at_scale RESULTS.csv CALIBRATION_DIRECTORY/
// Prints "step milliseconds" lines and "rows N" (the rows left), on Qt's offscreen platform.

#include "bench_data.hpp"

#include "core/seams/clock.hpp"
#include "gui/app/rheo_app.hpp"
#include "gui/help/help_launcher.hpp"
#include "gui/platform/report_destination.hpp"
#include "gui/runs/rheo_view.hpp"
#include "gui/sound/alarm_sound.hpp"
#include "gui/widgets/extended_list_ctrl.hpp"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

class SilentAlarm : public rheo::AlarmSound {
public:
    void beepThenExclamation() override {}
};

class NoReports : public rheo::ReportDestination {
public:
    bool print(const rheo::ReportDrawing&, std::string&, QWidget*) override { return false; }
    void preview(const rheo::ReportDrawing&, QWidget*) override {}
    bool exportPdf(const std::string&, const rheo::ReportDrawing&, std::string&) override {
        return false;
    }
};

// The action at the end of a menu path such as {"&File", "&Test Data", "&Load ..."}.
QAction* menuAction(QMenuBar* bar, const std::vector<QString>& path) {
    QList<QAction*> actions = bar->actions();
    QAction* found = nullptr;
    for (const QString& text : path) {
        found = nullptr;
        for (QAction* action : actions)
            if (action->text() == text)
                found = action;
        if (found == nullptr)
            return nullptr;
        if (found->menu() != nullptr)
            actions = found->menu()->actions();
    }
    return found;
}

// Runs a step and what it leaves to the event loop, then paints the whole window.
template <typename Step> double timed(QWidget& window, const Step& step) {
    QElapsedTimer clock;
    clock.start();
    step();
    QApplication::processEvents();
    window.repaint();
    QApplication::processEvents();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: form_at_scale RESULTS.csv CALIBRATION_DIRECTORY/\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);

    rheo::bench::SilentDialogs dialogs; // chooses the results file, answers Yes
    dialogs.path = argv[1];
    const rheo::FixedClock clock(rheo::makeLocalDateTime(2026, 12, 6, 9, 30));
    rheo::HelpLauncher help;
    NoReports reports;
    SilentAlarm alarm;
    rheo::CRHEOApp app(dialogs, clock, help, reports, alarm);
    if (!app.InitInstance(std::string(argv[2]), std::nullopt))
        return 1;
    rheo::CMainFrame& window = *app.mainFrame();
    QApplication::processEvents();
    window.repaint();

    QAction* load = menuAction(window.menuBar(), {"&File", "&Test Data", "&Load ..."});
    auto* list = window.view().findChild<rheo::CExtendedListCtrl*>();
    if (load == nullptr || list == nullptr) {
        std::fprintf(stderr, "form_at_scale: the form has no Load command or results list\n");
        return 1;
    }

    std::printf("load %.1f\n", timed(window, [&] { load->trigger(); }));
    list->setFocus();
    std::printf("select_all %.1f\n",
                timed(window, [&] { QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier); }));

    // One row picked at random in each thousandth of the list.
    std::mt19937 random(7);
    const auto stride = static_cast<std::size_t>(list->model()->rowCount()) / 1000;
    std::vector<std::size_t> scattered;
    for (std::size_t k = 0; k < 1000 && stride > 0; ++k)
        scattered.push_back(k * stride + random() % stride);
    list->selectRows(scattered);
    QApplication::processEvents();
    std::printf("delete %.1f\n", timed(window, [&] { QTest::keyClick(list, Qt::Key_Delete); }));

    std::printf("scroll_end %.1f\n", timed(window, [&] {
                    list->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
                }));
    std::printf("rows %d\n", list->model()->rowCount());
    return 0;
}
