// SPDX-License-Identifier: MIT
#pragma once
// The calibration history of rheo-cli: the file RHEO-history.sqlite beside the calibration,
// as the window keeps it beside RHEO.DAT: an accepted run is recorded beside the calibration
// it was computed with, a save beside the file written. It is opened only when something is
// to be recorded, so commands that record nothing never create it. "--no-history" on any
// subcommand leaves it alone.

#include "core/history/sqlite_history.hpp"

#include <memory>
#include <optional>
#include <string>

namespace rheo::cli {

// "--no-history" was given: nothing is recorded by this run of rheo-cli.
void declineHistory();

class CommandHistory : public History {
public:
    // The calibration whose directory holds the history: the one last read or written
    // before the first record.
    void useCalibration(const std::string& calibrationPath);
    // The note for standard error when the file could not be used; nothing otherwise.
    std::optional<std::string> unusableNote() const;

    bool recordCalibration(const CalibrationRecord& record) override;
    bool recordRun(const RunRecord& record) override;
    bool forEach(const HistoryQuery& query,
                 const std::function<void(const HistoryEntry&)>& visit) override;
    CellCheckState checkState(int cellNumber) override;

private:
    History* opened();

    std::optional<std::string> path_;
    std::unique_ptr<SqliteHistory> history_;
    bool tried_ = false;
};

// The history file beside a calibration file.
std::string historyPathFor(const std::string& calibrationPath);

} // namespace rheo::cli
