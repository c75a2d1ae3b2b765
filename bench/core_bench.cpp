// SPDX-License-Identifier: MIT
// Speed of the operations a lab feels: a run, a refit, the files with many rows (a year of
// runs in one results file, a calibration with thousands of points), the standards table and
// the test data report.

#include "core/calibration/ab_regression.hpp"
#include "core/calibration/standards.hpp"
#include "core/files/calibration_commands.hpp"
#include "core/files/results_commands.hpp"
#include "core/files/results_file.hpp"
#include "core/reports/recording_surface.hpp"
#include "core/reports/test_data_report.hpp"
#include "core/runs/run_calculation.hpp"

#include "bench_data.hpp"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using rheo::bench::manyResults;

void BM_ComputeRun(benchmark::State& state) {
    const auto cell = rheo::bench::exampleCell();
    const rheo::RunInput input{"Oil", 200.0, 18.0, false};
    const auto now = rheo::makeLocalDateTime(2026, 12, 6, 9, 30);
    for (auto _ : state)
        benchmark::DoNotOptimize(rheo::ComputeRun(cell, 0, input, now));
}
BENCHMARK(BM_ComputeRun);

// Grows linearly with the points: one pass for the sums, one to recompute each point.
void BM_RecomputeAb(benchmark::State& state) {
    auto cell = rheo::bench::exampleCell();
    cell.abPoints = rheo::bench::manyAbPoints(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        rheo::RecomputeAb(cell);
        benchmark::DoNotOptimize(cell.constantA);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RecomputeAb)
    ->Arg(4)
    ->Arg(1000)
    ->Arg(1000000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

// The files go to the temporary directory, through the program's own save and load (with
// the save's sync to disk).
std::string temporaryPath(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

void BM_WriteCalibrationFile(benchmark::State& state) {
    const rheo::CalibrationData data =
        rheo::bench::largeCalibration(static_cast<std::size_t>(state.range(0)));
    const std::string path = temporaryPath("rheo_bench_calibration.dat");
    rheo::bench::SilentDialogs dialogs;
    for (auto _ : state)
        benchmark::DoNotOptimize(rheo::saveCalibrationFileAt(data, path, dialogs));
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * state.range(0) * rheo::kCellCount);
}
BENCHMARK(BM_WriteCalibrationFile)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ReadCalibrationFile(benchmark::State& state) {
    const rheo::CalibrationData data =
        rheo::bench::largeCalibration(static_cast<std::size_t>(state.range(0)));
    const std::string path = temporaryPath("rheo_bench_calibration.dat");
    rheo::bench::SilentDialogs dialogs;
    rheo::saveCalibrationFileAt(data, path, dialogs);
    for (auto _ : state) {
        rheo::CalibrationData read;
        benchmark::DoNotOptimize(rheo::loadCalibrationFileAt(read, path, dialogs));
    }
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * state.range(0) * rheo::kCellCount);
}
BENCHMARK(BM_ReadCalibrationFile)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_WriteResultsFile(benchmark::State& state) {
    auto results = manyResults(static_cast<std::size_t>(state.range(0)));
    const std::string path = temporaryPath("rheo_bench_results.csv");
    rheo::bench::SilentDialogs dialogs;
    for (auto _ : state)
        benchmark::DoNotOptimize(rheo::saveResultsFileAt(results, path, dialogs));
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WriteResultsFile)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Loaded into an empty list, as at the start of a session.
void BM_ReadResultsFile(benchmark::State& state) {
    auto results = manyResults(static_cast<std::size_t>(state.range(0)));
    const std::string path = temporaryPath("rheo_bench_results.csv");
    rheo::bench::SilentDialogs dialogs;
    rheo::saveResultsFileAt(results, path, dialogs);
    for (auto _ : state) {
        std::vector<rheo::TestResult> list;
        benchmark::DoNotOptimize(rheo::loadResultsFileAt(list, path, dialogs));
    }
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadResultsFile)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The text alone, without the file system: the rows' formatting and parsing.
void BM_ResultsFileText(benchmark::State& state) {
    auto results = manyResults(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(rheo::resultsFileText(results));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ResultsFileText)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_ParseResultsText(benchmark::State& state) {
    auto results = manyResults(static_cast<std::size_t>(state.range(0)));
    const std::string bytes = rheo::resultsFileText(results);
    for (auto _ : state)
        benchmark::DoNotOptimize(rheo::parseResultsText(bytes));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ParseResultsText)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Sorted again from the order the last sort left, with many equal viscosities.
void BM_SortStandards(benchmark::State& state) {
    rheo::CalibrationData data;
    data.standards = rheo::bench::manyStandards(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        rheo::SortStandards(data);
        benchmark::DoNotOptimize(data.standards.front());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SortStandards)
    ->Arg(10000)
    ->Arg(40000)
    ->Arg(160000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);

void BM_BuildTargetPressureRows(benchmark::State& state) {
    rheo::CalibrationData data = rheo::bench::largeCalibration(0);
    data.standards = rheo::bench::manyStandards(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(rheo::BuildTargetPressureRows(data));
}
BENCHMARK(BM_BuildTargetPressureRows)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_TestDataReportRecorded(benchmark::State& state) {
    const auto results = manyResults(static_cast<std::size_t>(state.range(0)));
    const rheo::CalibrationData calibration = rheo::bench::largeCalibration(0);
    const auto printedAt = rheo::makeLocalDateTime(2026, 12, 6, 9, 30);
    for (auto _ : state) {
        rheo::RecordingSurface surface(600, 600);
        rheo::drawTestDataReport(surface, results, calibration, printedAt);
        benchmark::DoNotOptimize(surface.pageCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_TestDataReportRecorded)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
