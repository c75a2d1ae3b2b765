// Speed of the operations a lab feels: a run, a refit, and reading and writing the files
// with many rows (a year of runs in one results file, for example).

#include "core/calibration/ab_regression.hpp"
#include "core/files/calibration_file.hpp"
#include "core/files/results_file.hpp"
#include "core/runs/run_calculation.hpp"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

rheo::CellCalibration exampleCell() {
    rheo::CellCalibration cell;
    cell.constantA = 0.0025;
    cell.constantB = 9;
    cell.targetEffluxTime = 18;
    cell.cellVolume = 6;
    cell.capillaryRadius = 0.075;
    cell.capillaryLength = 15;
    cell.rmsPercentDiff = 0.5;
    cell.workingShearRate = 1.1e6;
    cell.minShearRate = 1.0e6;
    cell.maxShearRate = 1.2e6;
    return cell;
}

std::vector<rheo::TestResult> manyResults(size_t count) {
    std::vector<rheo::TestResult> results(count);
    for (size_t i = 0; i < count; ++i) {
        auto& r = results[i];
        r.sampleId = "SAMPLE-" + std::to_string(i % 100000);
        r.cellNumber = static_cast<int>(i % 5) + 1;
        r.viscosity = 3.5 + static_cast<double>(i % 100) * 0.01;
        r.shearRate = 1.4;
        r.reynoldsNumber = 120.5;
        r.pressure = 250.0;
        r.effluxTime = 16.2;
        r.dateTime = rheo::makeLocalDateTime(2026, 12, 6, 9, 30);
    }
    return results;
}

void BM_ComputeRun(benchmark::State& state) {
    const auto cell = exampleCell();
    const rheo::RunInput input{"Oil", 200.0, 18.0, false};
    const auto now = rheo::makeLocalDateTime(2026, 12, 6, 9, 30);
    for (auto _ : state)
        benchmark::DoNotOptimize(rheo::ComputeRun(cell, 0, input, now));
}
BENCHMARK(BM_ComputeRun);

void BM_RecomputeAb(benchmark::State& state) {
    auto cell = exampleCell();
    for (int64_t i = 0; i < state.range(0); ++i) {
        rheo::AbPoint p;
        p.knownViscosity = 7.0 + static_cast<double>(i % 10) * 0.3;
        p.pressure = 150.0 + static_cast<double>(i % 7) * 20.0;
        p.effluxTime = 16.0 + static_cast<double>(i % 5) * 0.5;
        p.newtonian = i % 2 == 0;
        cell.abPoints.push_back(p);
    }
    for (auto _ : state) {
        rheo::RecomputeAb(cell);
        benchmark::DoNotOptimize(cell.constantA);
    }
}
BENCHMARK(BM_RecomputeAb)->Arg(4)->Arg(1000);

void BM_WriteResultsText(benchmark::State& state) {
    auto results = manyResults(static_cast<size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(rheo::resultsFileText(results));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WriteResultsText)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ParseResultsText(benchmark::State& state) {
    auto results = manyResults(static_cast<size_t>(state.range(0)));
    const std::string bytes = rheo::resultsFileText(results);
    for (auto _ : state)
        benchmark::DoNotOptimize(rheo::parseResultsText(bytes));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ParseResultsText)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_CalibrationFileRoundTrip(benchmark::State& state) {
    rheo::CalibrationData data;
    for (auto& cell : data.cells) {
        cell = exampleCell();
        cell.abPoints.resize(50);
        cell.volumePoints.resize(10);
    }
    data.standards.resize(100);
    for (auto _ : state) {
        const std::string bytes = rheo::calibrationFileText(data);
        rheo::CalibrationData back;
        rheo::parseCalibrationText(back, bytes);
        benchmark::DoNotOptimize(back.cells[0].constantA);
    }
}
BENCHMARK(BM_CalibrationFileRoundTrip)->Unit(benchmark::kMicrosecond);

} // namespace
