// SPDX-License-Identifier: MIT
// The calibration history: SHA-256, the reference check and the range guard, the database
// file with its faults, and what the running program records and tells.
#include "core/files/calibration_file.hpp"
#include "core/history/quality_checks.hpp"
#include "core/history/sha256.hpp"
#include "core/history/sqlite_history.hpp"
#include "core/session/calibration_edit.hpp"
#include "core/session/session.hpp"

#include "../calibration/calibration_fixtures.hpp"
#include "support/recording_history.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>

namespace rheo::testing {
namespace {

// Examples of FIPS 180-2 (one block, the padding spilling into a second, a million bytes)
// and the empty message.
TEST(Sha256, GivesTheStandardsDigests) {
    const std::pair<std::string, const char*> cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000000, 'a'),
         "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const auto& [message, digest] : cases)
        EXPECT_EQ(sha256Hex(message), digest) << message.size() << " bytes";
}

// A sample ID names a standard whatever its letter case and blanks; the deviation is signed
// and judged either way against the tolerance.
TEST(QualityChecks, ReferenceCheckMatchesNamesAndJudgesTheDeviation) {
    const std::vector<ViscosityStandard> standards = {{"REF-A", 10.0}, {"Zero", 0.0}};
    struct Case {
        const char* id;
        double viscosity;
        std::optional<double> deviation;
        bool beyond;
    };
    const Case cases[] = {{"REF-A", 10.3, 3.0, true},      {" ref - a\t", 9.85, -1.5, false},
                          {"Ref-A", 9.8, -2.0, false},     {"REF-B", 10.3, std::nullopt, false},
                          {"", 10.0, std::nullopt, false}, {"zero", 1.0, std::nullopt, false}};
    for (const Case& c : cases) {
        const auto check = findReferenceCheck(standards, c.id, c.viscosity);
        ASSERT_EQ(check.has_value(), c.deviation.has_value()) << c.id;
        if (!check)
            continue;
        EXPECT_EQ(check->standardName, "REF-A");
        EXPECT_NEAR(check->deviationPercent, *c.deviation, 1e-9) << c.id;
        EXPECT_EQ(beyondTolerance(*check, kDefaultCheckTolerance), c.beyond) << c.id;
    }
}

// Outside the lowest and highest known viscosity of the cell's A/B points is an
// extrapolation; the ends belong to the span; a cell without points has no span to judge.
TEST(QualityChecks, RangeGuardUsesTheSpanOfTheCellsStandards) {
    const CellCalibration cell = cellWith(kFourStandards); // 7.0 to 10.7
    for (const auto& [viscosity, outside] : std::vector<std::pair<double, bool>>{
             {6.99, true}, {7.0, false}, {8.5, false}, {10.7, false}, {10.71, true}})
        EXPECT_EQ(isExtrapolation(cell, viscosity), outside) << viscosity;
    EXPECT_FALSE(isExtrapolation(kCalibratedCell, 1000.0));
}

CalibrationRecord saveOf(int minute, double a) {
    CalibrationRecord record{
        makeLocalDateTime(2024, 3, 1, 9, minute), "ann", "/lab/RHEO.DAT", std::string(64, 'f'), {}};
    for (int cell = 1; cell <= 2; ++cell)
        record.cells.push_back(
            {cell, a, 9, 0.5, 6, 18, 1.4e6, 1e6, 1.2e6, 0.075, 15, 4, 3, {7.0, 10.7}});
    record.cells[1].constantA = 0.0; // cell 2 never calibrated
    record.cells[1].constantB = 0.0;
    return record;
}

RunRecord runOf(int minute, int cell, std::optional<ReferenceCheck> check = {},
                bool extrapolated = false) {
    RunRecord run;
    run.user = "bob";
    run.result = {
        "S", cell, 8.5, 1.2, 3.4, true, 200, 18, makeLocalDateTime(2024, 3, 1, 9, minute)};
    run.calibrationSha256 = std::string(64, 'f');
    run.check = std::move(check);
    run.extrapolated = extrapolated;
    return run;
}

std::vector<std::string> listing(History& history, const HistoryQuery& query) {
    std::vector<std::string> out;
    EXPECT_TRUE(history.forEach(query, [&](const HistoryEntry& entry) {
        if (const auto* c = std::get_if<CalibrationEntry>(&entry))
            out.push_back("cal " + std::to_string(c->at.minute) + " cell " +
                          std::to_string(c->cell.cellNumber));
        else
            out.push_back("run " +
                          std::to_string(std::get<RunRecord>(entry).result.dateTime.minute));
    }));
    return out;
}

// Records come back as written, merged by time (a save before a run of the same second),
// selected by cell and time; a cell's calibration dates from the earliest save since which
// its constants are unchanged, and its latest check is found among all its runs.
TEST(SqliteHistory, RecordsListAndJudgeTheChecks) {
    TempDir dir;
    const std::string path = dir.file(kHistoryFileName);
    const ReferenceCheck check{"REF-A", 10.0, 3.0};
    {
        auto history = SqliteHistory::open(path);
        ASSERT_TRUE(history);
        EXPECT_TRUE(history->recordCalibration(saveOf(1, 0.0020)));
        EXPECT_TRUE(history->recordRun(runOf(2, 1, check)));
        EXPECT_TRUE(history->recordCalibration(saveOf(3, 0.0025)));
        EXPECT_TRUE(history->recordRun(runOf(3, 1)));
        EXPECT_TRUE(history->recordCalibration(saveOf(4, 0.0025)));
        EXPECT_TRUE(history->recordRun(runOf(5, 2, std::nullopt, true)));
    }
    auto history = SqliteHistory::open(path, SqliteHistory::Access::ReadOnly);
    ASSERT_TRUE(history);
    EXPECT_EQ(listing(*history, {1, std::nullopt}),
              (std::vector<std::string>{"cal 1 cell 1", "run 2", "cal 3 cell 1", "run 3",
                                        "cal 4 cell 1"}));
    EXPECT_EQ(listing(*history, {std::nullopt, makeLocalDateTime(2024, 3, 1, 9, 4)}),
              (std::vector<std::string>{"cal 4 cell 1", "cal 4 cell 2", "run 5"}));
    // The run of minute 3 is neither a check nor an extrapolation.
    EXPECT_EQ(listing(*history, {1, std::nullopt, true}),
              (std::vector<std::string>{"cal 1 cell 1", "run 2", "cal 3 cell 1", "cal 4 cell 1"}));

    const CellCheckState one = history->checkState(1);
    EXPECT_EQ(one.calibratedAt, makeLocalDateTime(2024, 3, 1, 9, 3));
    EXPECT_EQ(one.latestCheck, runOf(2, 1, check));
    const CellCheckState two = history->checkState(2);
    EXPECT_FALSE(two.calibratedAt);
    EXPECT_FALSE(two.latestCheck);
    std::vector<CalibratedCell> cells;
    history->forEach({1, std::nullopt}, [&](const HistoryEntry& entry) {
        if (const auto* c = std::get_if<CalibrationEntry>(&entry))
            cells.push_back(c->cell);
    });
    EXPECT_EQ(cells.front(), saveOf(1, 0.0020).cells.front());
}

// A file that is no history of this program (damaged, foreign, or written by a newer
// version) is never opened for writing and keeps every byte; a missing file is created
// only for writing; a read-only open lists but never records.
TEST(SqliteHistory, FilesItCannotUseAreLeftAlone) {
    TempDir dir;
    for (const char* sql : {"", "CREATE TABLE other (x)", "PRAGMA user_version = 99"}) {
        const std::string path =
            dir.write(std::to_string(*sql) + ".sqlite", std::string(*sql ? 0 : 4096, 'Z'));
        sqlite3* db = nullptr;
        if (*sql && sqlite3_open(path.c_str(), &db) == SQLITE_OK)
            sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
        sqlite3_close(db);
        const std::string before = TempDir::read(path);
        EXPECT_FALSE(SqliteHistory::open(path)) << sql;
        EXPECT_EQ(TempDir::read(path), before) << sql;
    }

    const std::string path = dir.file(kHistoryFileName);
    EXPECT_FALSE(SqliteHistory::open(path, SqliteHistory::Access::ReadOnly));
    EXPECT_FALSE(std::filesystem::exists(path));
    ASSERT_TRUE(SqliteHistory::open(path));
    auto readOnly = SqliteHistory::open(path, SqliteHistory::Access::ReadOnly);
    ASSERT_TRUE(readOnly);
    EXPECT_FALSE(readOnly->recordRun(runOf(1, 1)));
    EXPECT_FALSE(readOnly->recordCalibration(saveOf(1, 0.0025)));
}

// While another program holds the write lock past the busy timeout, a record gives up
// after the timeout instead of waiting, and records again once the lock is gone.
TEST(SqliteHistory, LockedFileRefusesWithinTheBusyTimeout) {
    TempDir dir;
    const std::string path = dir.file(kHistoryFileName);
    auto history = SqliteHistory::open(path);
    ASSERT_TRUE(history);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(history->recordRun(runOf(1, 1)));
    EXPECT_FALSE(history->recordCalibration(saveOf(1, 0.0025)));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_TRUE(history->recordRun(runOf(1, 1)));
}

struct Program {
    Program() : session(dialogs, clock) {
        CalibrationData data;
        data.cells[1] = kCalibratedCell;
        data.cells[1].abPoints = cellWith(kFourStandards).abPoints;
        data.standards = {{"REF-A", 8.25}};
        dialogs.willChoose(dir.write("cal.dat", calibrationFileText(data)));
        session.loadCalibration();
        session.selectCell(1);
        session.setHistory(history, "ann");
    }
    // At 18 s: 8.5 mPa*s at 200 psi (3.03 % above REF-A), 13 mPa*s at 300 psi (above the span).
    bool run(const std::string& id, double pressure = 200.0) {
        return std::holds_alternative<RunAccepted>(session.runSample({id, pressure, 18, true}));
    }

    ScriptedDialogs dialogs;
    FixedClock clock{makeLocalDateTime(2024, 3, 1, 9, 0)};
    Session session;
    RecordingHistory history;
    TempDir dir;
};

// A save records every cell with the SHA-256 of the very bytes written; a run records the
// file it was computed with, unsaved after an edit, its check and its extrapolation, and
// the marks follow the rows of the list through loads and deletions.
TEST(SessionHistory, SavesAndRunsAreRecordedWithTheirMarks) {
    Program p;
    const std::string loadedSha = *fileSha256(p.dir.file("cal.dat"));
    ASSERT_TRUE(p.run("ref-a"));
    ASSERT_TRUE(p.run("S", 300.0));
    ASSERT_EQ(p.history.runs.size(), 2u);
    EXPECT_EQ(p.history.runs[0].calibrationSha256, loadedSha);
    EXPECT_FALSE(p.history.runs[0].calibrationUnsaved);
    EXPECT_EQ(p.history.runs[0].user, "ann");
    ASSERT_TRUE(p.history.runs[0].check);
    EXPECT_NEAR(p.history.runs[0].check->deviationPercent, 3.0303, 1e-3);
    EXPECT_TRUE(p.history.runs[1].extrapolated);
    EXPECT_EQ(
        p.session.lastRunNote(),
        "Extrapolated: 13.000 mPa*s lies outside the standards of cell 2 (7.000 to 10.700 mPa*s).");
    EXPECT_TRUE(p.session.resultMarks()[0].checkBeyondTolerance);

    {
        CalibrationEdit edit(p.session, CalibrationDialog::GeneralSettings);
        edit.setCompanyName("Lab");
        edit.commit();
    }
    ASSERT_TRUE(p.run("S"));
    EXPECT_TRUE(p.history.runs[2].calibrationUnsaved);
    const std::string saved = p.dir.file("saved.dat");
    p.dialogs.willChoose(saved);
    ASSERT_TRUE(p.session.saveCalibration());
    ASSERT_EQ(p.history.calibrations.size(), 1u);
    EXPECT_EQ(p.history.calibrations[0].sha256, *fileSha256(saved));
    EXPECT_EQ(p.history.calibrations[0].path, std::filesystem::path(saved).lexically_normal());
    EXPECT_EQ(p.history.calibrations[0].cells.size(), 5u);
    EXPECT_EQ(p.history.calibrations[0].cells[1].knownViscosities.size(), 4u);
    ASSERT_TRUE(p.run("S"));
    EXPECT_FALSE(p.history.runs[3].calibrationUnsaved);

    p.dialogs.willAnswer(true);
    ASSERT_TRUE(p.session.deleteResults({1, 2}));
    const std::string results = p.dir.file("r.csv");
    p.dialogs.willChoose(results);
    ASSERT_TRUE(p.session.saveResults());
    p.dialogs.willChoose(results);
    ASSERT_EQ(p.session.loadResults(), 2u);
    ASSERT_EQ(p.session.resultMarks().size(), 4u);
    EXPECT_FALSE(p.session.resultMarks()[0].any());
    EXPECT_TRUE(p.session.resultMarks()[2].checkBeyondTolerance);
    EXPECT_FALSE(p.session.resultMarks()[3].any());
}

// A history that refuses its records costs no run and no save, and is told once.
TEST(SessionHistory, AFailingHistoryIsToldOnceAndLosesNothing) {
    Program p;
    p.history.failing = true;
    ASSERT_TRUE(p.run("S"));
    ASSERT_TRUE(p.run("S"));
    p.dialogs.willChoose(p.dir.file("saved.dat"));
    ASSERT_TRUE(p.session.saveCalibration());
    EXPECT_EQ(p.session.results().size(), 2u);
    EXPECT_EQ(p.session.takeHistoryNotice(),
              "The calibration history could not be written; runs and saves go on without it.");
    EXPECT_FALSE(p.session.takeHistoryNotice());
    ASSERT_TRUE(p.run("S"));
    EXPECT_FALSE(p.session.takeHistoryNotice());
    EXPECT_TRUE(p.dialogs.messages.empty());
}

} // namespace
} // namespace rheo::testing
