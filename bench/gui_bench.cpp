// SPDX-License-Identifier: MIT
// Speed of the results list with a million rows: filling it, selecting everything,
// deleting scattered rows and scrolling to the end, each with the repaint that follows.
// Then the same through the test-run form: loading a file of a million runs, recalling a
// row and deleting them all. And the test data report written as a PDF.

#include "core/files/results_file.hpp"
#include "core/model/row_removal.hpp"
#include "core/reports/test_data_report.hpp"
#include "core/runs/run_calculation.hpp"
#include "core/session/session.hpp"
#include "gui/help/help_launcher.hpp"
#include "gui/platform/report_output.hpp"
#include "gui/runs/rheo_view.hpp"
#include "gui/sound/alarm_sound.hpp"
#include "gui/widgets/extended_list_ctrl.hpp"
#include "gui/widgets/results_list_model.hpp"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "bench_data.hpp"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kRows = 1000000;
constexpr std::size_t kRemoved = 1000;

const std::vector<rheo::TestResult>& millionResults() {
    static const std::vector<rheo::TestResult> results = [] {
        std::vector<rheo::TestResult> all(kRows);
        for (std::size_t i = 0; i < kRows; ++i) {
            auto& r = all[i];
            r.sampleId = "SAMPLE-" + std::to_string(i);
            r.cellNumber = static_cast<int>(i % 5) + 1;
            r.viscosity = 3.5 + static_cast<double>(i % 100) * 0.01;
            r.shearRate = 1.4;
            r.reynoldsNumber = 120.5;
            r.newtonian = i % 3 != 0;
            r.pressure = 250.0;
            r.effluxTime = 16.2;
            r.dateTime = rheo::makeLocalDateTime(2026, 12, 6, 9, 30);
        }
        return all;
    }();
    return results;
}

std::vector<std::size_t> scatteredRows(std::size_t count, std::size_t rows) {
    std::mt19937 random(7);
    std::vector<std::size_t> positions(count);
    for (auto& p : positions)
        p = random() % rows;
    return positions;
}

// A shown results list over its own copy of the results.
struct ShownList {
    std::vector<rheo::TestResult> results = millionResults();
    rheo::ResultsListModel model{results};
    rheo::CExtendedListCtrl list;

    ShownList() {
        list.setModel(&model);
        list.setColumns(rheo::listColumnsOf(rheo::resultColumns()));
        list.resize(760, 320);
        list.show();
        settle();
    }
    void settle() {
        list.repaint();
        QApplication::processEvents();
    }
};

void BM_ShowMillionResults(benchmark::State& state) {
    const auto& results = millionResults();
    for (auto _ : state) {
        rheo::ResultsListModel model(results);
        rheo::CExtendedListCtrl list;
        list.setModel(&model);
        list.setColumns(rheo::listColumnsOf(rheo::resultColumns()));
        list.resize(760, 320);
        list.show();
        list.repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ShowMillionResults)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SelectAllOfAMillion(benchmark::State& state) {
    ShownList shown;
    for (auto _ : state) {
        shown.list.selectAll();
        shown.settle();
        state.PauseTiming();
        shown.list.clearSelection();
        shown.settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SelectAllOfAMillion)->Unit(benchmark::kMillisecond)->Iterations(5);

// Removes 1,000 scattered rows: the data, the model's notification and the repaint.
// Argument 0: every row selected; 1: exactly the removed rows selected (deleting the
// selection).
void BM_RemoveThousandScatteredRows(benchmark::State& state) {
    const bool onlyRemovedSelected = state.range(0) == 1;
    const auto positions = scatteredRows(kRemoved, kRows);
    for (auto _ : state) {
        state.PauseTiming();
        auto shown = std::make_unique<ShownList>();
        if (onlyRemovedSelected)
            shown->list.selectRows(positions);
        else
            shown->list.selectAll();
        shown->list.scrollToRow(kRows / 2);
        shown->settle();
        state.ResumeTiming();

        rheo::removeRows(shown->results, positions);
        shown->model.notifyRemoved(positions);
        shown->settle();

        state.PauseTiming();
        shown.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RemoveThousandScatteredRows)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_ScrollToTheEndOfAMillion(benchmark::State& state) {
    ShownList shown;
    shown.list.selectAll();
    shown.settle();
    for (auto _ : state) {
        shown.list.scrollToEnd();
        shown.settle();
        state.PauseTiming();
        shown.list.scrollToTop();
        shown.settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ScrollToTheEndOfAMillion)->Unit(benchmark::kMillisecond)->Iterations(5);

// The operator's answers: the million-run file is chosen, every question is answered Yes.
class BenchDialogs : public rheo::UserDialogs {
public:
    explicit BenchDialogs(std::string path) : path_(std::move(path)) {}
    std::optional<std::string> chooseFileToOpen(const rheo::FileDialogRequest&) override {
        return path_;
    }
    std::optional<std::string> chooseFileToSave(const rheo::FileDialogRequest&) override {
        return std::nullopt;
    }
    void inform(const std::string&) override {}
    bool ask(const std::string&) override { return true; }

private:
    std::string path_;
};

class SilentAlarm : public rheo::AlarmSound {
public:
    void beepThenExclamation() override {}
};

// A results file of the million runs, written once.
const std::string& millionResultsFile() {
    static QTemporaryDir dir;
    static const std::string path = [] {
        std::vector<rheo::TestResult> results = millionResults();
        const std::string file = dir.filePath("million.csv").toStdString();
        std::ofstream(file, std::ios::binary) << rheo::resultsFileText(results);
        return file;
    }();
    return path;
}

// The form shown in a window of a usual size, the million runs loaded when asked.
struct ShownForm {
    BenchDialogs dialogs{millionResultsFile()};
    rheo::FixedClock clock{rheo::makeLocalDateTime(2026, 12, 6, 9, 30)};
    rheo::HelpLauncher help;
    SilentAlarm alarm;
    rheo::Session session{dialogs, clock};
    rheo::CRHEOView view{session, help, alarm};

    explicit ShownForm(bool loaded) {
        view.resize(1000, 700);
        view.show();
        if (loaded)
            view.loadTestData();
        settle();
    }
    rheo::CExtendedListCtrl& list() { return *view.findChild<rheo::CExtendedListCtrl*>(); }
    void settle() {
        view.repaint();
        QApplication::processEvents();
    }
};

void BM_FormLoadsAMillionRuns(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        ShownForm form(false);
        state.ResumeTiming();
        form.view.loadTestData();
        form.settle();
    }
}
BENCHMARK(BM_FormLoadsAMillionRuns)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_FormRecallsARowOfAMillion(benchmark::State& state) {
    ShownForm form(true);
    std::size_t row = 0;
    for (auto _ : state) {
        row = (row + 99991) % kRows;
        form.list().selectRows({row});
        form.list().scrollToRow(row);
        emit form.list().recallRequested();
        form.settle();
    }
}
BENCHMARK(BM_FormRecallsARowOfAMillion)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_FormDeletesAllOfAMillion(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        ShownForm form(true);
        form.list().selectAll();
        state.ResumeTiming();
        emit form.list().deleteRequested();
        form.settle();
    }
}
BENCHMARK(BM_FormDeletesAllOfAMillion)->Unit(benchmark::kMillisecond)->Iterations(2);

// 10,000 results: 197 pages at 51 rows a page.
void BM_TestDataReportPdf(benchmark::State& state) {
    const auto results = rheo::bench::manyResults(static_cast<std::size_t>(state.range(0)));
    const rheo::CalibrationData calibration = rheo::bench::largeCalibration(0);
    const auto printedAt = rheo::makeLocalDateTime(2026, 12, 6, 9, 30);
    const std::string path =
        (std::filesystem::temp_directory_path() / "rheo_bench_report.pdf").string();
    for (auto _ : state) {
        std::string error;
        const bool written = rheo::writeReportPdf(
            path,
            [&](rheo::DrawingSurface& surface) {
                rheo::drawTestDataReport(surface, results, calibration, printedAt);
            },
            error);
        if (!written)
            state.SkipWithError(error.c_str());
    }
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_TestDataReportPdf)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
