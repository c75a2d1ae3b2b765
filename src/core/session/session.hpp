// SPDX-License-Identifier: MIT
#pragma once
// The running program: the one calibration, the results list, the two change flags, the
// working cell and the cell of an open calibration dialog, the program's directory, the
// printed rows of the standards table and the equilibrium timer. Its operations are the
// program's commands, and each sets the change flags itself: an accepted run and a deletion
// of results set testDataChanged, a calibration dialog closed with OK after a change sets
// calibrationChanged, and only a successful save clears either flag. The window and
// rheo-cli both drive this one type; the window adds only widgets.

#include "core/calibration/standards.hpp"
#include "core/history/quality_checks.hpp"
#include "core/model/model.hpp"
#include "core/runs/equilibrium_timer.hpp"
#include "core/runs/recommendation.hpp"
#include "core/runs/run_calculation.hpp"
#include "core/seams/clock.hpp"
#include "core/seams/drawing_surface.hpp"
#include "core/seams/history.hpp"
#include "core/seams/user_dialogs.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rheo {

class CalibrationEdit;

// The directory prefix of the program's files: the value of the environment variable
// "RHEO" unchanged when it is set, otherwise the working directory followed by one "/"
// (empty when the working directory is unknown). A program started from the desktop menu
// passes its per-user folder as `menuDirectory`: without "RHEO", and unless the working
// directory holds RHEO.DAT (in any letter case), that folder and one "/" is the directory.
std::string appDirectoryFor(const std::optional<std::string>& rheoVariable,
                            const std::optional<std::string>& workingDirectory,
                            const std::optional<std::string>& menuDirectory = std::nullopt);

class Session {
public:
    // Questions, messages and file choices go through `dialogs`; the time of an accepted run
    // and of a printed report comes from `clock`. Both must outlive the session.
    Session(UserDialogs& dialogs, const Clock& clock, CalibrationData calibration = {});
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const CalibrationData& calibration() const { return calibration_; }
    const std::vector<TestResult>& results() const { return results_; }
    bool calibrationChanged() const { return calibrationChanged_; }
    bool testDataChanged() const { return testDataChanged_; }
    // Index 0 to 4 of the form's working cell.
    int currentCell() const { return currentCell_; }
    const CellCalibration& currentCellData() const;
    // Index 0 to 4 of the cell an open calibration dialog shows.
    int calibrationCell() const { return calibrationCell_; }
    const std::string& appDirectory() const { return appDirectory_; }
    const std::vector<TargetPressureRow>& targetPressureRows() const { return targetPressureRows_; }
    // Row height of the printed reports, in 1/100 inch; nothing changes it.
    int reportLayoutValue() const { return reportLayoutValue_; }
    UserDialogs& dialogs() const { return dialogs_; }
    const Clock& clock() const { return clock_; }

    // Start-up: the working cell is cell 1, `appDirectory` is set and the calibration file
    // appDirectory + "RHEO.DAT" is loaded (its message shown when it cannot be); then the
    // calibration dialogs' cell starts at index 1. Returns the result of the load.
    bool startUp(const std::string& appDirectory);

    // --- Files -------------------------------------------------------------------------
    // "Load calibration data from a file". The flags are not touched.
    bool loadCalibration();
    // "Save calibration data to a file": a successful save clears calibrationChanged.
    bool saveCalibration();
    // "Load test data from a file": the rows read go in front of the list. The flags are
    // not touched. Returns how many rows were read, nothing when no file was read.
    std::optional<std::size_t> loadResults();
    // "Save test data to a file": a successful save clears testDataChanged.
    bool saveResults();

    // --- The form ----------------------------------------------------------------------
    // Makes cell `index` (0 to 4) the working cell; any other index is ignored.
    void selectCell(int index);
    // Ctrl+Tab and Ctrl+Shift+Tab: the next or previous cell, wrapping around.
    void selectNextCell();
    void selectPreviousCell();
    // The recommended pressure and T0 texts of the working cell for an estimated viscosity.
    RecommendationText recommendation(double estimatedViscosity) const;

    // "Calculate": the run in the working cell at the clock's time. An accepted run is
    // appended to the results and sets testDataChanged; a refused one shows its message and
    // changes nothing.
    RunOutcome runSample(const RunInput& input);

    // Deletes the results at the given rows (as the list stands, any order) after asking
    // "Are you sure you want to delete the selected data?". Nothing is asked without a row.
    // True when results were deleted (testDataChanged is then set).
    bool deleteResults(std::vector<std::size_t> rows);

    // The result at `row`, recalled into the form: its cell becomes the working cell when
    // its number is 1 to 5 (a row from a foreign file may name another). Nothing for a row
    // past the end.
    std::optional<TestResult> recallResult(std::size_t row);

    // The equilibrium timer; its button starts a countdown of the configured minutes.
    EquilibriumTimer& timer() { return timer_; }
    TimerUpdate pressTimerButton();

    // --- Reports -----------------------------------------------------------------------
    // The test data report of the results list, dated by the clock.
    void PrintTestData(DrawingSurface& surface) const;
    // Whether the test data report may be previewed: a preview of more than
    // kMostPagesPreviewedUnasked pages is shown only when the operator says Yes to the page
    // count.
    bool confirmTestDataPreview();
    static constexpr std::size_t kMostPagesPreviewedUnasked = 500;
    // The calibration report of all cells, or of the cell of index 0 to 4. Puts the
    // standards in order and rebuilds targetPressureRows first. False for another index.
    bool PrintCalibration(DrawingSurface& surface, std::optional<int> cellIndex = std::nullopt);
    // Sorts the standards and rebuilds the printed rows of the standards table.
    void BuildTargetPressureRows();
    // Puts the standards in ascending order of viscosity, as their table shows them.
    void sortStandardsInPlace();

    // --- History -----------------------------------------------------------------------
    // Successful calibration saves and accepted runs are recorded in `history` from now on,
    // under the login name `user`; until then nothing is recorded. `history` must outlive
    // the session (or be replaced first).
    void setHistory(History& history, std::string user);
    // Where the records go (a history that records nothing until setHistory).
    History& history() const { return *history_; }
    // The tolerance of a reference check, in %.
    double checkTolerance() const { return checkTolerance_; }
    void setCheckTolerance(double percent) { checkTolerance_ = percent; }
    // The marks of each result, row for row as results() holds them: judged when the run was
    // accepted; rows read from a results file have none.
    const std::vector<RunMarks>& resultMarks() const { return resultMarks_; }
    // The note for the operator on the latest accepted run's marks; empty when none.
    const std::string& lastRunNote() const { return lastRunNote_; }
    // The note that the history could not be written, given once: the first record that
    // fails (or a history that could not be opened, told with historyUnavailable) sets it,
    // taking it clears it, and later failures are not told again.
    std::optional<std::string> takeHistoryNotice();
    // The history file `path` cannot be used: the program goes on without one.
    void historyUnavailable(const std::string& path);
    // The SHA-256 of the calibration file last loaded or saved (empty when none), and whether
    // the calibration has changed since.
    const std::string& calibrationSha256() const { return calibrationSha256_; }
    bool calibrationDiffersFromFile() const;

    // --- Exit --------------------------------------------------------------------------
    // The exit sequence: offers to save the calibration when it changed, then the results
    // when they changed (a refused or failed save only keeps its flag), then asks "Are you
    // sure you want to exit?". True when the program is to end.
    bool confirmExit();

private:
    friend class CalibrationEdit;

    UserDialogs& dialogs_;
    const Clock& clock_;
    CalibrationData calibration_;
    std::vector<TestResult> results_;
    bool calibrationChanged_ = false;
    bool testDataChanged_ = false;
    int currentCell_ = 0;
    int calibrationCell_ = 1;
    std::string appDirectory_;
    std::vector<TargetPressureRow> targetPressureRows_;
    int reportLayoutValue_ = 17;
    EquilibriumTimer timer_;

    void rememberFile(const std::optional<std::string>& sha256);
    void noteRecorded(bool written);

    NoHistory noHistory_;
    History* history_ = &noHistory_;
    std::string user_;
    double checkTolerance_ = kDefaultCheckTolerance;
    std::vector<RunMarks> resultMarks_;
    std::string lastRunNote_;
    std::string calibrationSha256_;
    CalibrationData hashedCalibration_;
    std::optional<std::string> historyNotice_;
    bool historyNoticeGiven_ = false;
};

} // namespace rheo
