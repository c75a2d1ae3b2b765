#include "gui/widgets/results_list_model.hpp"

#include "core/history/history_texts.hpp"
#include "core/runs/run_calculation.hpp"

#include <QColor>

namespace rheo {
namespace {

// The colours of the marks, as the status bar and the History window show them.
constexpr QRgb kCheckMarkColour = qRgb(204, 51, 51);
constexpr QRgb kExtrapolationMarkColour = qRgb(224, 140, 32);

} // namespace

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

QVariant ResultsListModel::data(const QModelIndex& index, int role) const {
    if ((role != Qt::DecorationRole && role != Qt::ToolTipRole) || !m_marks || !index.isValid() ||
        index.column() != 0)
        return RowListModel::data(index, role);
    const auto row = sourceRow(index.row());
    if (!row || *row >= m_marks->size() || !(*m_marks)[*row].any())
        return {};
    const RunMarks& marks = (*m_marks)[*row];
    if (role == Qt::DecorationRole)
        return marks.checkBeyondTolerance ? QColor(kCheckMarkColour)
                                          : QColor(kExtrapolationMarkColour);
    QString tip;
    if (marks.checkBeyondTolerance)
        tip = QString::fromUtf8(history_texts::kCheckMark);
    if (marks.extrapolated)
        tip += (tip.isEmpty() ? QString() : QStringLiteral("\n")) +
               QString::fromUtf8(history_texts::kExtrapolationMark);
    return tip;
}

std::size_t ResultsListModel::sourceRowCount() const {
    return m_results.size();
}

std::vector<std::string> ResultsListModel::sourceRowTexts(std::size_t row) const {
    const auto texts = FormatResultRow(m_results[row]);
    return {texts.begin(), texts.end()};
}

} // namespace rheo
