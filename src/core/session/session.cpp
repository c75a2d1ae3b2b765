// SPDX-License-Identifier: MIT
#include "core/session/session.hpp"

#include "core/files/calibration_commands.hpp"
#include "core/files/calibration_file.hpp"
#include "core/files/results_commands.hpp"
#include "core/history/sha256.hpp"
#include "core/model/row_removal.hpp"
#include "core/reports/calibration_report.hpp"
#include "core/reports/test_data_report.hpp"
#include "core/text/c_format.hpp"
#include "core/text/program_texts.hpp"

#include <filesystem>
#include <utility>

namespace rheo {

std::string appDirectoryFor(const std::optional<std::string>& rheoVariable,
                            const std::optional<std::string>& workingDirectory,
                            const std::optional<std::string>& menuDirectory) {
    if (rheoVariable)
        return *rheoVariable;
    const std::string working = workingDirectory ? *workingDirectory + "/" : std::string();
    // From the menu the working directory is the home folder, which holds no calibration;
    // one that does is used as from a terminal.
    if (menuDirectory && !(workingDirectory && autoLoadPath(working)))
        return *menuDirectory + "/";
    return working;
}

Session::Session(UserDialogs& dialogs, const Clock& clock, CalibrationData calibration)
    : dialogs_(dialogs), clock_(clock), calibration_(std::move(calibration)) {}

const CellCalibration& Session::currentCellData() const {
    return calibration_.cells[static_cast<std::size_t>(currentCell_)];
}

bool Session::startUp(const std::string& appDirectory) {
    currentCell_ = 0;
    appDirectory_ = appDirectory;
    const bool loaded = autoLoadCalibration(calibration_, appDirectory_, dialogs_);
    if (loaded)
        rememberFile(fileSha256(*autoLoadPath(appDirectory_)));
    calibrationCell_ = 1;
    return loaded;
}

bool Session::loadCalibration() {
    std::string path;
    const bool loaded = loadCalibrationFile(calibration_, dialogs_, &path);
    if (loaded)
        rememberFile(fileSha256(path));
    return loaded;
}

bool Session::saveCalibration() {
    std::string path;
    if (!saveCalibrationFile(calibration_, dialogs_, &path))
        return false;
    calibrationChanged_ = false;
    // The writer's bytes are exactly these, so they need not be read back.
    const std::string sha256 = sha256Hex(calibrationFileText(calibration_));
    rememberFile(sha256);
    // The record names the file wherever the program was started from.
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    noteRecorded(history_->recordCalibration({clock_.now(), user_,
                                              error ? path : absolute.lexically_normal().string(),
                                              sha256, calibratedCells(calibration_)}));
    return true;
}

void Session::rememberFile(const std::optional<std::string>& sha256) {
    calibrationSha256_ = sha256.value_or("");
    hashedCalibration_ = calibration_;
}

bool Session::calibrationDiffersFromFile() const {
    return calibrationSha256_.empty() || calibration_ != hashedCalibration_;
}

void Session::setHistory(History& history, std::string user) {
    history_ = &history;
    user_ = std::move(user);
}

void Session::noteRecorded(bool written) {
    if (written || historyNoticeGiven_)
        return;
    historyNotice_ = history_texts::kNotWritten;
    historyNoticeGiven_ = true;
}

void Session::historyUnavailable(const std::string& path) {
    history_ = &noHistory_;
    if (historyNoticeGiven_)
        return;
    historyNotice_ = cformat(history_texts::kCannotBeUsed, path.c_str());
    historyNoticeGiven_ = true;
}

std::optional<std::string> Session::takeHistoryNotice() {
    return std::exchange(historyNotice_, std::nullopt);
}

std::optional<std::size_t> Session::loadResults() {
    const std::size_t before = results_.size();
    if (!loadResultsFile(results_, dialogs_))
        return std::nullopt;
    const std::size_t read = results_.size() - before;
    resultMarks_.insert(resultMarks_.begin(), read, RunMarks{});
    return read;
}

bool Session::saveResults() {
    if (!saveResultsFile(results_, dialogs_))
        return false;
    testDataChanged_ = false;
    return true;
}

void Session::selectCell(int index) {
    if (index >= 0 && index < kCellCount)
        currentCell_ = index;
}

void Session::selectNextCell() {
    currentCell_ = (currentCell_ + 1) % kCellCount;
}

void Session::selectPreviousCell() {
    currentCell_ = (currentCell_ + kCellCount - 1) % kCellCount;
}

RecommendationText Session::recommendation(double estimatedViscosity) const {
    return RecommendationTexts(currentCellData(), estimatedViscosity);
}

RunOutcome Session::runSample(const RunInput& input) {
    RunOutcome outcome = ComputeRun(currentCellData(), currentCell_, input, clock_.now());
    lastRunNote_.clear();
    if (const auto* accepted = std::get_if<RunAccepted>(&outcome)) {
        testDataChanged_ = true;
        results_.push_back(accepted->result);
        const RunMarks marks = judgeRun(calibration_, accepted->result, checkTolerance_);
        resultMarks_.push_back(marks);
        lastRunNote_ = runMarksNote(marks, calibration_, accepted->result, checkTolerance_);
        noteRecorded(
            history_->recordRun({user_, accepted->result, calibrationSha256_,
                                 calibrationDiffersFromFile(), marks.check, marks.extrapolated}));
    } else {
        dialogs_.inform(refusalMessage(outcome));
    }
    return outcome;
}

bool Session::deleteResults(std::vector<std::size_t> rows) {
    if (rows.empty())
        return false;
    if (!dialogs_.ask(session_texts::kDeleteSelectedResults))
        return false;
    testDataChanged_ = true;
    removeRows(resultMarks_, rows);
    removeRows(results_, std::move(rows));
    return true;
}

std::optional<TestResult> Session::recallResult(std::size_t row) {
    if (row >= results_.size())
        return std::nullopt;
    const TestResult& result = results_[row];
    // A row from a file written elsewhere may name a cell that does not exist.
    selectCell(result.cellNumber - 1);
    return result;
}

TimerUpdate Session::pressTimerButton() {
    return timer_.pressButton(calibration_.equilibriumTimerMinutes);
}

void Session::PrintTestData(DrawingSurface& surface) const {
    drawTestDataReport(surface, results_, calibration_, clock_.now());
}

bool Session::confirmTestDataPreview() {
    const std::size_t pages = testDataReportPages(results_.size());
    return pages <= kMostPagesPreviewedUnasked ||
           dialogs_.ask(cformat(session_texts::kPreviewManyPages, pages));
}

bool Session::PrintCalibration(DrawingSurface& surface, std::optional<int> cellIndex) {
    if (cellIndex && (*cellIndex < 0 || *cellIndex >= kCellCount))
        return false;
    BuildTargetPressureRows();
    return drawCalibrationReport(surface, calibration_, targetPressureRows_, reportLayoutValue_,
                                 clock_.now(), cellIndex);
}

void Session::BuildTargetPressureRows() {
    targetPressureRows_ = rheo::BuildTargetPressureRows(calibration_);
}

void Session::sortStandardsInPlace() {
    SortStandards(calibration_);
}

bool Session::confirmExit() {
    // The answers to the two save questions never stop the sequence.
    if (calibrationChanged_ && dialogs_.ask(session_texts::kSaveCalibrationBeforeExit))
        saveCalibration();
    if (testDataChanged_ && dialogs_.ask(session_texts::kSaveTestDataBeforeExit))
        saveResults();
    return dialogs_.ask(session_texts::kConfirmExit);
}

} // namespace rheo
