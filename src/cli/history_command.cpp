// SPDX-License-Identifier: MIT
// history: the calibration history listed (text, CSV or JSON) or checked, and the history
// every other subcommand records into.

#include "cli/history_command.hpp"

#include "cli/clock.hpp"
#include "cli/command_support.hpp"
#include "cli/commands.hpp"
#include "cli/exit_codes.hpp"
#include "cli/output.hpp"
#include "core/history/history_listing.hpp"
#include "core/history/quality_checks.hpp"
#include "core/text/c_format.hpp"
#include "core/text/program_texts.hpp"
#include "core/text/windows1252.hpp"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>

namespace rheo::cli {
namespace {

bool historyDeclined = false;

void writeCsvRow(const std::vector<std::string>& row) {
    writeLine(stdout, csvLine(row));
}

// A record as one JSON object; texts are the program's Windows-1252 bytes made UTF-8.
nlohmann::json jsonOf(const HistoryEntry& entry, double tolerance) {
    using nlohmann::json;
    const auto text = [](const std::string& bytes) { return windows1252ToUtf8(bytes); };
    if (const auto* c = std::get_if<CalibrationEntry>(&entry)) {
        const CalibratedCell& cell = c->cell;
        return json{{"time", historyTimeText(c->at)},
                    {"user", text(c->user)},
                    {"record", "calibration"},
                    {"cell", cell.cellNumber},
                    {"a", cell.constantA},
                    {"b", cell.constantB},
                    {"rms_percent_diff", cell.rmsPercentDiff},
                    {"volume_ml", cell.cellVolume},
                    {"t0_s", cell.targetEffluxTime},
                    {"working_shear_rate_per_s", cell.workingShearRate},
                    {"min_shear_rate_per_s", cell.minShearRate},
                    {"max_shear_rate_per_s", cell.maxShearRate},
                    {"capillary_radius_mm", cell.capillaryRadius},
                    {"capillary_length_mm", cell.capillaryLength},
                    {"ab_points", cell.abPointCount},
                    {"weighings", cell.volumePointCount},
                    {"known_viscosities", cell.knownViscosities},
                    {"path", text(c->path)},
                    {"sha256", c->sha256}};
    }
    const auto& run = std::get<RunRecord>(entry);
    const TestResult& r = run.result;
    json check = nullptr;
    if (run.check)
        check = json{{"standard", text(run.check->standardName)},
                     {"known_viscosity", run.check->knownViscosity},
                     {"deviation_percent", run.check->deviationPercent},
                     {"beyond_tolerance", beyondTolerance(*run.check, tolerance)}};
    return json{{"time", historyTimeText(r.dateTime)},
                {"user", text(run.user)},
                {"record", "run"},
                {"cell", r.cellNumber},
                {"sample_id", text(r.sampleId)},
                {"viscosity", r.viscosity},
                {"shear_rate", r.shearRate},
                {"reynolds_number", r.reynoldsNumber},
                {"newtonian", r.newtonian},
                {"pressure_psi", r.pressure},
                {"efflux_time_s", r.effluxTime},
                {"calibration_sha256", run.calibrationSha256},
                {"calibration_unsaved", run.calibrationUnsaved},
                {"check", check},
                {"extrapolated", run.extrapolated}};
}

// "--check": one line per cell that fails; true when none does.
bool checkCells(History& history, double tolerance) {
    bool passed = true;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        const CellCheckState state = history.checkState(cell);
        const auto& check = state.latestCheck;
        // A cell no recorded save gave constants is still judged by its latest check: the
        // history may have begun after the calibration was made. Times compare as their texts.
        if (state.calibratedAt && (!check || historyTimeText(check->result.dateTime) <
                                                 historyTimeText(*state.calibratedAt))) {
            writeLine(stdout, cformat(history_texts::kNoCheckSinceCalibration, cell,
                                      historyTimeText(*state.calibratedAt).c_str()));
            passed = false;
        } else if (check && beyondTolerance(*check->check, tolerance)) {
            writeLine(stdout, cformat(history_texts::kCheckOutside, cell,
                                      check->check->standardName.c_str(),
                                      historyTimeText(check->result.dateTime).c_str(),
                                      check->check->deviationPercent, tolerance));
            passed = false;
        }
    }
    return passed;
}

} // namespace

void declineHistory() {
    historyDeclined = true;
}

std::string historyPathFor(const std::string& calibrationPath) {
    std::filesystem::path directory = std::filesystem::path(calibrationPath).parent_path();
    if (directory.empty())
        directory = ".";
    return (directory / kHistoryFileName).string();
}

void CommandHistory::useCalibration(const std::string& calibrationPath) {
    if (!tried_)
        path_ = historyPathFor(calibrationPath);
}

History* CommandHistory::opened() {
    if (historyDeclined || !path_)
        return nullptr;
    if (!tried_) {
        tried_ = true;
        history_ = SqliteHistory::open(*path_);
    }
    return history_.get();
}

std::optional<std::string> CommandHistory::unusableNote() const {
    if (!tried_ || history_)
        return std::nullopt;
    return cformat(history_texts::kCannotBeUsed, path_->c_str());
}

bool CommandHistory::recordCalibration(const CalibrationRecord& record) {
    if (historyDeclined)
        return true;
    History* history = opened();
    return history && history->recordCalibration(record);
}

bool CommandHistory::recordRun(const RunRecord& record) {
    if (historyDeclined)
        return true;
    History* history = opened();
    return history && history->recordRun(record);
}

bool CommandHistory::forEach(const HistoryQuery& query,
                             const std::function<void(const HistoryEntry&)>& visit) {
    History* history = opened();
    return history && history->forEach(query, visit);
}

CellCheckState CommandHistory::checkState(int cellNumber) {
    History* history = opened();
    return history ? history->checkState(cellNumber) : CellCheckState{};
}

int historyCommand(const Words& words) {
    const std::string name = "history";
    int status = kDone;
    const auto line = readCommandLine(name, words, status);
    if (!line)
        return status;
    OptionReader options(line->arguments);
    const std::string calibrationPath = options.text("--calibration").value_or("RHEO.DAT");
    HistoryQuery query;
    if (line->arguments.has("--cell"))
        query.cellNumber = options.requiredCellIndex("--cell") + 1;
    if (const auto since = options.text("--since")) {
        query.since = parseAtTime(*since);
        if (!query.since)
            query.since = parseAtTime(*since + " 00:00");
        if (!query.since)
            options.complain("--since needs a date as \"YYYY-MM-DD\" or \"YYYY-MM-DD HH:MM\", "
                             "not \"" +
                             *since + "\"");
    }
    const std::string format = options.text("--format").value_or("text");
    if (format != "text" && format != "csv" && format != "json")
        options.complain("--format must be text, csv or json, not \"" + format + "\"");
    const double tolerance = options.decimal("--tolerance").value_or(kDefaultCheckTolerance);
    if (!(tolerance >= 0.0))
        options.complain("--tolerance must be a percentage of 0 or more");
    options.refusePlainArguments();
    if (!options.ok())
        return badCommandLine(name, options.error());

    const std::string path = historyPathFor(calibrationPath);
    const auto history = SqliteHistory::open(path, SqliteHistory::Access::ReadOnly);
    if (!history) {
        writeLine(stderr, cformat(history_texts::kCannotBeUsed, path.c_str()));
        return kFileFailed;
    }
    if (line->arguments.has("--check"))
        return checkCells(*history, tolerance) ? kDone : kHistoryCheckFailed;

    bool first = true;
    bool read = true;
    if (format == "json") {
        std::fputs("[", stdout);
        read = history->forEach(query, [&](const HistoryEntry& entry) {
            std::fputs(first ? "\n" : ",\n", stdout);
            first = false;
            const std::string object = jsonOf(entry, tolerance).dump();
            std::fwrite(object.data(), 1, object.size(), stdout);
        });
        std::fputs(first ? "]\n" : "\n]\n", stdout);
    } else {
        const bool csv = format == "csv";
        csv ? writeCsvRow(historyColumns()) : writeRow(stdout, historyColumns());
        read = history->forEach(query, [&](const HistoryEntry& entry) {
            csv ? writeCsvRow(historyRow(entry)) : writeRow(stdout, historyRow(entry));
        });
    }
    return read ? kDone : kFileFailed;
}

} // namespace rheo::cli
