// SPDX-License-Identifier: MIT
// Speed of the calibration history: recording an accepted run (what it adds to Calculate) and
// listing a year out of ten years of a busy laboratory (1,000,000 runs, 10,000 saves).

#include "core/history/quality_checks.hpp"
#include "core/history/sqlite_history.hpp"

#include "bench_data.hpp"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

constexpr int kYears = 10;
constexpr int kRuns = 1000000;
constexpr int kSaves = 10000;

// The n-th of `count` moments spread over the ten years from 2016 on (months of 28 days).
rheo::LocalDateTime momentOf(long long n, long long count) {
    const long long minutes = n * (kYears * 12LL * 28 * 24 * 60) / count;
    const long long days = minutes / (24 * 60);
    return rheo::makeLocalDateTime(
        2016 + static_cast<int>(days / (12 * 28)), static_cast<int>(days / 28 % 12) + 1,
        static_cast<int>(days % 28) + 1, static_cast<int>(minutes / 60 % 24),
        static_cast<int>(minutes % 60));
}

// Every 50th run is a reference check, every 200th an extrapolation.
rheo::RunRecord runRecord(const rheo::TestResult& result, int n) {
    rheo::RunRecord record;
    record.user = "operator";
    record.result = result;
    record.calibrationSha256 = std::string(64, 'a');
    if (n % 50 == 0)
        record.check = rheo::ReferenceCheck{"REF-A", 8.0, 1.25};
    record.extrapolated = n % 200 == 7;
    return record;
}

// The ten-year file, made once through the program's own recording and kept in the
// temporary directory for later runs of the benchmark.
std::string tenYearHistory() {
    const auto path =
        std::filesystem::temp_directory_path() /
        ("rheo_bench_history_10y_v" + std::to_string(rheo::kHistorySchemaVersion) + "c.sqlite");
    const auto done = std::filesystem::path(path.string() + ".complete");
    if (std::filesystem::exists(done))
        return path.string();
    std::filesystem::remove(path);
    auto history = rheo::SqliteHistory::open(path.string());
    rheo::CalibrationData calibration;
    for (auto& cell : calibration.cells)
        cell = rheo::bench::exampleCell();
    const auto cells = rheo::calibratedCells(calibration);
    const auto results = rheo::bench::manyResults(kRuns);
    int save = 0;
    for (int i = 0; i < kRuns; ++i) {
        if (save < kSaves &&
            static_cast<long long>(save) * kRuns <= static_cast<long long>(i) * kSaves) {
            history->recordCalibration(
                {momentOf(save, kSaves), "operator", "/lab/RHEO.DAT", std::string(64, 'a'), cells});
            ++save;
        }
        rheo::RunRecord record = runRecord(results[static_cast<std::size_t>(i)], i);
        record.result.dateTime = momentOf(i, kRuns);
        history->recordRun(record);
    }
    std::filesystem::create_directories(done.parent_path());
    std::FILE* marker = std::fopen(done.c_str(), "w");
    if (marker)
        std::fclose(marker);
    return path.string();
}

// One accepted run into a file that already holds ten years.
void BM_HistoryRecordRun(benchmark::State& state) {
    const auto path = std::filesystem::temp_directory_path() / "rheo_bench_history_record.sqlite";
    std::filesystem::copy_file(tenYearHistory(), path,
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::remove(path.string() + "-wal");
    auto history = rheo::SqliteHistory::open(path.string());
    const auto results = rheo::bench::manyResults(1000);
    int i = 0;
    for (auto _ : state) {
        rheo::RunRecord record = runRecord(results[static_cast<std::size_t>(i % 1000)], i);
        ++i;
        record.result.dateTime = rheo::makeLocalDateTime(2026, 12, 7, 9, 0);
        benchmark::DoNotOptimize(history->recordRun(record));
    }
    history.reset();
    std::filesystem::remove(path);
}
BENCHMARK(BM_HistoryRecordRun)->Unit(benchmark::kMicrosecond);

// The latest year, streamed record by record, all cells or one.
void BM_HistoryListYear(benchmark::State& state) {
    auto history =
        rheo::SqliteHistory::open(tenYearHistory(), rheo::SqliteHistory::Access::ReadOnly);
    rheo::HistoryQuery query;
    query.since = rheo::makeLocalDateTime(2025, 1, 1, 0, 0);
    if (state.range(0) > 0)
        query.cellNumber = static_cast<int>(state.range(0));
    std::size_t records = 0;
    for (auto _ : state) {
        records = 0;
        history->forEach(query, [&](const rheo::HistoryEntry&) { ++records; });
    }
    state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_HistoryListYear)->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond);

// What the History window reads when it opens on a cell: its saves, checks and
// extrapolations of ten years.
void BM_HistoryWindowRecords(benchmark::State& state) {
    auto history =
        rheo::SqliteHistory::open(tenYearHistory(), rheo::SqliteHistory::Access::ReadOnly);
    rheo::HistoryQuery query;
    query.cellNumber = 2;
    query.notableRunsOnly = true;
    std::size_t records = 0;
    for (auto _ : state) {
        records = 0;
        history->forEach(query, [&](const rheo::HistoryEntry&) { ++records; });
    }
    state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_HistoryWindowRecords)->Unit(benchmark::kMillisecond);

// What `history --check` asks of each cell.
void BM_HistoryCheckState(benchmark::State& state) {
    auto history =
        rheo::SqliteHistory::open(tenYearHistory(), rheo::SqliteHistory::Access::ReadOnly);
    for (auto _ : state)
        for (int cell = 1; cell <= rheo::kCellCount; ++cell)
            benchmark::DoNotOptimize(history->checkState(cell));
}
BENCHMARK(BM_HistoryCheckState)->Unit(benchmark::kMillisecond);

} // namespace
