// SPDX-License-Identifier: MIT
#include "core/history/sqlite_history.hpp"

#include "core/history/history_listing.hpp"
#include "core/text/c_format.hpp"

#include <sqlite3.h>

#include <array>
#include <cstdio>
#include <string_view>
#include <sys/stat.h>

namespace rheo {
namespace {

// Each step brings the schema from the version of its position to the next one; a new
// version only ever appends a step, so every older file is upgraded in place.
constexpr const char* kSchemaSteps[] = {
    R"(CREATE TABLE calibrations (
           id INTEGER PRIMARY KEY, at TEXT NOT NULL, user TEXT NOT NULL,
           path TEXT NOT NULL, sha256 TEXT NOT NULL);
       CREATE TABLE calibration_cells (
           calibration_id INTEGER NOT NULL REFERENCES calibrations(id), cell INTEGER NOT NULL,
           a REAL, b REAL, rms REAL, volume REAL, t0 REAL,
           working_rate REAL, min_rate REAL, max_rate REAL, radius REAL, length REAL,
           ab_points INTEGER, weighings INTEGER, known_viscosities TEXT NOT NULL);
       CREATE TABLE runs (
           id INTEGER PRIMARY KEY, at TEXT NOT NULL, user TEXT NOT NULL, cell INTEGER NOT NULL,
           sample_id TEXT NOT NULL, viscosity REAL, shear_rate REAL, reynolds REAL,
           newtonian INTEGER, pressure REAL, efflux_time REAL,
           calibration_sha256 TEXT NOT NULL, calibration_unsaved INTEGER NOT NULL,
           standard TEXT, known_viscosity REAL, deviation REAL,
           extrapolated INTEGER NOT NULL);
       CREATE INDEX calibrations_at ON calibrations(at);
       CREATE INDEX calibration_cells_cell ON calibration_cells(cell, calibration_id);
       CREATE INDEX runs_at ON runs(at);
       CREATE INDEX runs_cell_at ON runs(cell, at);
       CREATE INDEX runs_checks ON runs(cell, at) WHERE standard IS NOT NULL;
       CREATE INDEX runs_notable ON runs(cell, at)
           WHERE standard IS NOT NULL OR extrapolated = 1;)",
};
constexpr int kStepCount = static_cast<int>(std::size(kSchemaSteps));
static_assert(kStepCount == kHistorySchemaVersion);

constexpr const char* kRunColumns =
    "at, user, cell, sample_id, viscosity, shear_rate, reynolds, newtonian, pressure, "
    "efflux_time, calibration_sha256, calibration_unsaved, standard, known_viscosity, "
    "deviation, extrapolated";

class Statement {
public:
    Statement(sqlite3* db, const std::string& sql) {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement_, nullptr) != SQLITE_OK)
            statement_ = nullptr;
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    explicit operator bool() const { return statement_ != nullptr; }
    sqlite3_stmt* get() const { return statement_; }

private:
    sqlite3_stmt* statement_ = nullptr;
};

LocalDateTime timeFromText(const unsigned char* text) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    const std::string value = text ? reinterpret_cast<const char*>(text) : "";
    // The fields are digits only: sscanf reads them alike in every locale.
    if (std::sscanf(value.c_str(), "%d-%d-%d %d:%d:%d", &year, &month, &day, &hour, &minute,
                    &second) != 6)
        return makeLocalDateTime(0, 0, 0, 0, 0);
    return makeLocalDateTime(year, month, day, hour, minute, second);
}

std::string columnText(sqlite3_stmt* statement, int column) {
    const unsigned char* text = sqlite3_column_text(statement, column);
    return text ? reinterpret_cast<const char*>(text) : "";
}

void bindText(sqlite3_stmt* statement, int index, const std::string& text) {
    sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()),
                      SQLITE_TRANSIENT);
}

std::string viscositiesText(const std::vector<double>& values) {
    std::string text;
    for (double value : values) {
        if (!text.empty())
            text += ' ';
        text += cformat("%.17g", value);
    }
    return text;
}

std::vector<double> viscositiesFromText(const std::string& text) {
    std::vector<double> values;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        values.push_back(cAtof(std::string_view(text).substr(start, end - start)));
        start = end + 1;
    }
    return values;
}

// The run whose columns start at `first`, in the order of kRunColumns.
RunRecord runFromRow(sqlite3_stmt* s, int first) {
    RunRecord run;
    run.result.dateTime = timeFromText(sqlite3_column_text(s, first));
    run.user = columnText(s, first + 1);
    run.result.cellNumber = sqlite3_column_int(s, first + 2);
    run.result.sampleId = columnText(s, first + 3);
    run.result.viscosity = sqlite3_column_double(s, first + 4);
    run.result.shearRate = sqlite3_column_double(s, first + 5);
    run.result.reynoldsNumber = sqlite3_column_double(s, first + 6);
    run.result.newtonian = sqlite3_column_int(s, first + 7) != 0;
    run.result.pressure = sqlite3_column_double(s, first + 8);
    run.result.effluxTime = sqlite3_column_double(s, first + 9);
    run.calibrationSha256 = columnText(s, first + 10);
    run.calibrationUnsaved = sqlite3_column_int(s, first + 11) != 0;
    if (sqlite3_column_type(s, first + 12) != SQLITE_NULL)
        run.check = ReferenceCheck{columnText(s, first + 12), sqlite3_column_double(s, first + 13),
                                   sqlite3_column_double(s, first + 14)};
    run.extrapolated = sqlite3_column_int(s, first + 15) != 0;
    return run;
}

CalibrationEntry calibrationFromRow(sqlite3_stmt* s) {
    CalibrationEntry entry;
    entry.at = timeFromText(sqlite3_column_text(s, 0));
    entry.user = columnText(s, 1);
    entry.path = columnText(s, 2);
    entry.sha256 = columnText(s, 3);
    CalibratedCell& cell = entry.cell;
    cell.cellNumber = sqlite3_column_int(s, 4);
    cell.constantA = sqlite3_column_double(s, 5);
    cell.constantB = sqlite3_column_double(s, 6);
    cell.rmsPercentDiff = sqlite3_column_double(s, 7);
    cell.cellVolume = sqlite3_column_double(s, 8);
    cell.targetEffluxTime = sqlite3_column_double(s, 9);
    cell.workingShearRate = sqlite3_column_double(s, 10);
    cell.minShearRate = sqlite3_column_double(s, 11);
    cell.maxShearRate = sqlite3_column_double(s, 12);
    cell.capillaryRadius = sqlite3_column_double(s, 13);
    cell.capillaryLength = sqlite3_column_double(s, 14);
    cell.abPointCount = sqlite3_column_int(s, 15);
    cell.volumePointCount = sqlite3_column_int(s, 16);
    cell.knownViscosities = viscositiesFromText(columnText(s, 17));
    return entry;
}

constexpr const char* kCalibrationSelect =
    "SELECT c.at, c.user, c.path, c.sha256, cc.cell, cc.a, cc.b, cc.rms, cc.volume, cc.t0, "
    "cc.working_rate, cc.min_rate, cc.max_rate, cc.radius, cc.length, cc.ab_points, "
    "cc.weighings, cc.known_viscosities "
    "FROM calibrations c JOIN calibration_cells cc ON cc.calibration_id = c.id ";

// The selection of a listing: "WHERE" with the time and, when asked, the cell.
std::string queryCondition(const HistoryQuery& query, const char* cellColumn,
                           const char* atColumn) {
    std::string condition = std::string("WHERE ") + atColumn + " >= ?1";
    if (query.cellNumber)
        condition += std::string(" AND ") + cellColumn + " = ?2";
    return condition;
}

void bindQuery(sqlite3_stmt* statement, const HistoryQuery& query) {
    bindText(statement, 1, query.since ? historyTimeText(*query.since) : std::string());
    if (query.cellNumber)
        sqlite3_bind_int(statement, 2, *query.cellNumber);
}

bool isOrdinaryFile(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace

std::unique_ptr<SqliteHistory> SqliteHistory::open(const std::string& path, Access access) {
    const bool exists = isOrdinaryFile(path);
    if (access == Access::ReadOnly && !exists)
        return nullptr;
    const int flags = access == Access::ReadOnly ? SQLITE_OPEN_READONLY
                                                 : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return nullptr;
    }
    std::unique_ptr<SqliteHistory> history(new SqliteHistory(db));
    sqlite3_busy_timeout(db, kHistoryBusyTimeoutMs);
    if (!history->prepareSchema())
        return nullptr;
    if (access == Access::ReadWrite) {
        // A file whose journal mode cannot be set is still written, only without the
        // concurrency the log gives.
        history->execute("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;");
        const std::string insert = std::string("INSERT INTO runs (") + kRunColumns +
                                   ") VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)";
        if (sqlite3_prepare_v2(db, insert.c_str(), -1, &history->insertRun_, nullptr) != SQLITE_OK)
            return nullptr;
    }
    return history;
}

SqliteHistory::~SqliteHistory() {
    sqlite3_finalize(insertRun_);
    sqlite3_close(db_);
}

bool SqliteHistory::execute(const char* sql) {
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool SqliteHistory::prepareSchema() {
    // Reading the version reads the file's header: a damaged or foreign file fails here,
    // before anything is written to it.
    const auto readVersion = [this]() -> int {
        Statement version(db_, "PRAGMA user_version");
        if (!version || sqlite3_step(version.get()) != SQLITE_ROW)
            return -1;
        return sqlite3_column_int(version.get(), 0);
    };
    const int version = readVersion();
    if (version < 0 || version > kHistorySchemaVersion)
        return false;
    if (version == kHistorySchemaVersion)
        return true;
    if (version == 0) {
        // Version 0 is a new, empty file; tables in it belong to some other program.
        Statement tables(db_, "SELECT count(*) FROM sqlite_master");
        if (!tables || sqlite3_step(tables.get()) != SQLITE_ROW ||
            sqlite3_column_int(tables.get(), 0) != 0)
            return false;
    }
    if (!execute("BEGIN IMMEDIATE"))
        return false;
    // Another program may have upgraded the file while this one waited for the lock.
    int current = readVersion();
    bool ok = current >= 0 && current <= kHistorySchemaVersion;
    for (; ok && current < kStepCount; ++current)
        ok = execute(kSchemaSteps[current]);
    ok = ok && execute(cformat("PRAGMA user_version = %d", kHistorySchemaVersion).c_str());
    if (!ok || !execute("COMMIT")) {
        execute("ROLLBACK");
        return false;
    }
    return true;
}

bool SqliteHistory::recordCalibration(const CalibrationRecord& record) {
    if (!execute("BEGIN IMMEDIATE"))
        return false;
    bool ok = false;
    {
        Statement save(db_, "INSERT INTO calibrations (at, user, path, sha256) VALUES (?,?,?,?)");
        Statement cell(db_, "INSERT INTO calibration_cells VALUES "
                            "(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
        if (save && cell) {
            bindText(save.get(), 1, historyTimeText(record.at));
            bindText(save.get(), 2, record.user);
            bindText(save.get(), 3, record.path);
            bindText(save.get(), 4, record.sha256);
            ok = sqlite3_step(save.get()) == SQLITE_DONE;
            const sqlite3_int64 id = sqlite3_last_insert_rowid(db_);
            for (const CalibratedCell& c : record.cells) {
                if (!ok)
                    break;
                sqlite3_stmt* s = cell.get();
                sqlite3_reset(s);
                sqlite3_bind_int64(s, 1, id);
                sqlite3_bind_int(s, 2, c.cellNumber);
                const double values[] = {c.constantA,      c.constantB,        c.rmsPercentDiff,
                                         c.cellVolume,     c.targetEffluxTime, c.workingShearRate,
                                         c.minShearRate,   c.maxShearRate,     c.capillaryRadius,
                                         c.capillaryLength};
                int index = 3;
                for (double value : values)
                    sqlite3_bind_double(s, index++, value);
                sqlite3_bind_int(s, index++, c.abPointCount);
                sqlite3_bind_int(s, index++, c.volumePointCount);
                bindText(s, index, viscositiesText(c.knownViscosities));
                ok = sqlite3_step(s) == SQLITE_DONE;
            }
        }
    }
    if (!ok || !execute("COMMIT")) {
        execute("ROLLBACK");
        return false;
    }
    return true;
}

bool SqliteHistory::recordRun(const RunRecord& record) {
    sqlite3_stmt* s = insertRun_;
    if (!s)
        return false;
    sqlite3_reset(s);
    sqlite3_clear_bindings(s);
    const TestResult& r = record.result;
    bindText(s, 1, historyTimeText(r.dateTime));
    bindText(s, 2, record.user);
    sqlite3_bind_int(s, 3, r.cellNumber);
    bindText(s, 4, r.sampleId);
    sqlite3_bind_double(s, 5, r.viscosity);
    sqlite3_bind_double(s, 6, r.shearRate);
    sqlite3_bind_double(s, 7, r.reynoldsNumber);
    sqlite3_bind_int(s, 8, r.newtonian ? 1 : 0);
    sqlite3_bind_double(s, 9, r.pressure);
    sqlite3_bind_double(s, 10, r.effluxTime);
    bindText(s, 11, record.calibrationSha256);
    sqlite3_bind_int(s, 12, record.calibrationUnsaved ? 1 : 0);
    if (record.check) {
        bindText(s, 13, record.check->standardName);
        sqlite3_bind_double(s, 14, record.check->knownViscosity);
        sqlite3_bind_double(s, 15, record.check->deviationPercent);
    }
    sqlite3_bind_int(s, 16, record.extrapolated ? 1 : 0);
    const bool done = sqlite3_step(s) == SQLITE_DONE;
    sqlite3_reset(s);
    return done;
}

bool SqliteHistory::forEach(const HistoryQuery& query,
                            const std::function<void(const HistoryEntry&)>& visit) {
    Statement calibrations(db_, std::string(kCalibrationSelect) +
                                    queryCondition(query, "cc.cell", "c.at") +
                                    " ORDER BY c.at, c.id, cc.cell");
    // The partial index holds the notable runs; its condition is repeated word for word so
    // that SQLite can use it, and it is named, since the planner would rather walk all the
    // cell's runs.
    Statement runs(
        db_, std::string("SELECT ") + kRunColumns + " FROM runs " +
                 (query.notableRunsOnly ? "INDEXED BY runs_notable " : "") +
                 queryCondition(query, "cell", "at") +
                 (query.notableRunsOnly ? " AND (standard IS NOT NULL OR extrapolated = 1)" : "") +
                 " ORDER BY at, id");
    if (!calibrations || !runs)
        return false;
    bindQuery(calibrations.get(), query);
    bindQuery(runs.get(), query);
    // The two tables are merged by time as they are read; a save comes before a run of the
    // same second.
    int calibrationStep = sqlite3_step(calibrations.get());
    int runStep = sqlite3_step(runs.get());
    while (calibrationStep == SQLITE_ROW || runStep == SQLITE_ROW) {
        const bool takeCalibration = calibrationStep == SQLITE_ROW &&
                                     (runStep != SQLITE_ROW || columnText(calibrations.get(), 0) <=
                                                                   columnText(runs.get(), 0));
        if (takeCalibration) {
            visit(calibrationFromRow(calibrations.get()));
            calibrationStep = sqlite3_step(calibrations.get());
        } else {
            visit(runFromRow(runs.get(), 0));
            runStep = sqlite3_step(runs.get());
        }
    }
    return calibrationStep == SQLITE_DONE && runStep == SQLITE_DONE;
}

CellCheckState SqliteHistory::checkState(int cellNumber) {
    CellCheckState state;
    // Only the values that make a calibration are read: a cell saved ten thousand times
    // unchanged is walked back to its first such save.
    Statement saves(db_, "SELECT c.at, cc.a, cc.b, cc.volume, cc.t0 FROM calibrations c "
                         "JOIN calibration_cells cc ON cc.calibration_id = c.id "
                         "WHERE cc.cell = ?1 ORDER BY c.at DESC, c.id DESC");
    if (saves) {
        sqlite3_bind_int(saves.get(), 1, cellNumber);
        std::optional<std::array<double, 4>> latest;
        while (sqlite3_step(saves.get()) == SQLITE_ROW) {
            const std::array<double, 4> values = {
                sqlite3_column_double(saves.get(), 1), sqlite3_column_double(saves.get(), 2),
                sqlite3_column_double(saves.get(), 3), sqlite3_column_double(saves.get(), 4)};
            if (!latest) {
                if (values[0] == 0.0 && values[1] == 0.0)
                    break; // the latest save left the cell without constants
                latest = values;
            } else if (values != *latest) {
                break;
            }
            state.calibratedAt = timeFromText(sqlite3_column_text(saves.get(), 0));
        }
    }
    Statement check(db_, std::string("SELECT ") + kRunColumns +
                             " FROM runs WHERE cell = ?1 AND standard IS NOT NULL"
                             " ORDER BY at DESC, id DESC LIMIT 1");
    if (check) {
        sqlite3_bind_int(check.get(), 1, cellNumber);
        if (sqlite3_step(check.get()) == SQLITE_ROW)
            state.latestCheck = runFromRow(check.get(), 0);
    }
    return state;
}

} // namespace rheo
