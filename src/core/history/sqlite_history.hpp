// SPDX-License-Identifier: MIT
#pragma once
// The history in an SQLite database file beside the calibration. Write-ahead logging and a
// busy timeout let the window and rheo-cli record into the same file at the same time; the
// schema's version is kept in the file and brought up to date in place. A file that is no
// database of this program (damaged, foreign, or from a newer program) is never written,
// overwritten or deleted: opening it fails and the program goes on without history.

#include "core/seams/history.hpp"

#include <memory>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace rheo {

// The history file's name, in the directory of the calibration it belongs to.
inline constexpr const char* kHistoryFileName = "RHEO-history.sqlite";

// The schema this program writes; a file of a lower version is upgraded when opened.
inline constexpr int kHistorySchemaVersion = 1;

// How long a record waits for another program's write to end before it gives up, in ms.
inline constexpr int kHistoryBusyTimeoutMs = 250;

class SqliteHistory : public History {
public:
    enum class Access {
        ReadWrite, // created when missing
        ReadOnly,  // listings only; a missing file is not created
    };

    // The history in `path`, or null when the file cannot be used.
    static std::unique_ptr<SqliteHistory> open(const std::string& path,
                                               Access access = Access::ReadWrite);
    ~SqliteHistory() override;
    SqliteHistory(const SqliteHistory&) = delete;
    SqliteHistory& operator=(const SqliteHistory&) = delete;

    bool recordCalibration(const CalibrationRecord& record) override;
    bool recordRun(const RunRecord& record) override;
    bool forEach(const HistoryQuery& query,
                 const std::function<void(const HistoryEntry&)>& visit) override;
    CellCheckState checkState(int cellNumber) override;

private:
    explicit SqliteHistory(sqlite3* db) : db_(db) {}
    bool prepareSchema();
    bool execute(const char* sql);

    sqlite3* db_ = nullptr;
    sqlite3_stmt* insertRun_ = nullptr; // kept prepared: recording a run is the hot path
};

} // namespace rheo
