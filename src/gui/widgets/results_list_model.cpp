#include "gui/widgets/results_list_model.hpp"

#include "core/runs/run_calculation.hpp"

namespace rheo {

ResultsListModel::ResultsListModel(const std::vector<TestResult>& results, QObject* parent)
    : RowListModel(
          resultColumns(),
          [&results](std::size_t row) -> const TestResult& { return results[row]; }, parent),
      results_(results) {
    notifyReset();
}

std::size_t ResultsListModel::sourceRowCount() const {
    return results_.size();
}

} // namespace rheo
