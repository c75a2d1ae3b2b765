#include "core/session/session.hpp"

#include "core/files/calibration_file.hpp"
#include "core/files/results_file.hpp"
#include "core/model/row_removal.hpp"
#include "core/reports/calibration_report.hpp"
#include "core/reports/test_data_report.hpp"
#include "core/session/session_texts.hpp"

#include <utility>

namespace rheo {

std::string appDirectoryFor(const std::optional<std::string>& rheoVariable,
                            const std::optional<std::string>& workingDirectory) {
    if (rheoVariable)
        return *rheoVariable;
    if (!workingDirectory)
        return {};
    return *workingDirectory + "/";
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
    calibrationCell_ = 1;
    return loaded;
}

bool Session::loadCalibration() {
    return loadCalibrationFile(calibration_, dialogs_);
}

bool Session::saveCalibration() {
    if (!saveCalibrationFile(calibration_, dialogs_))
        return false;
    calibrationChanged_ = false;
    return true;
}

std::optional<std::size_t> Session::loadResults() {
    const std::size_t before = results_.size();
    if (!loadResultsFile(results_, dialogs_))
        return std::nullopt;
    return results_.size() - before;
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
    if (const auto* accepted = std::get_if<RunAccepted>(&outcome)) {
        testDataChanged_ = true;
        results_.push_back(accepted->result);
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
