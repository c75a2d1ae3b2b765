#include "gui/widgets/results_list_model.hpp"

#include "core/runs/run_calculation.hpp"

namespace rheo {

ResultsListModel::ResultsListModel(const std::vector<TestResult>& results, QObject* parent)
    : RowListModel(resultColumns(), parent), m_results(results) {
    notifyReset();
}

const std::vector<ListColumn>& ResultsListModel::resultColumns() {
    static const std::vector<ListColumn> columns = {
        {"Sample ID", 1.4},
        {"Cell #", 1.1},
        {"Calc Viscosity (mPa*s)", 0.8},
        {"Shear Rate (10e6 1/s)", 0.85},
        {"Reynolds #", 0.9},
        {"Newtonian", 0.95},
        {"Pressure", 1.0},
        {"Efflux Time", 0.95},
        {"Date & Time", 1.56},
    };
    return columns;
}

std::size_t ResultsListModel::sourceRowCount() const {
    return m_results.size();
}

std::vector<std::string> ResultsListModel::sourceRowTexts(std::size_t row) const {
    const auto texts = FormatResultRow(m_results[row]);
    return {texts.begin(), texts.end()};
}

} // namespace rheo
