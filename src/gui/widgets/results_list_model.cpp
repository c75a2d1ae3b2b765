// SPDX-License-Identifier: MIT
#include "gui/widgets/results_list_model.hpp"

#include "core/runs/run_calculation.hpp"
#include "core/text/program_texts.hpp"

#include <QColor>

namespace rheo {
namespace {

// The colours of the marks, as the status bar and the History window show them.
constexpr QRgb kCheckMarkColour = qRgb(204, 51, 51);
constexpr QRgb kExtrapolationMarkColour = qRgb(224, 140, 32);

} // namespace

ResultsListModel::ResultsListModel(const std::vector<TestResult>& results, QObject* parent)
    : RowListModel(
          resultColumns(),
          [&results](std::size_t row) -> const TestResult& { return results[row]; }, parent),
      results_(results) {
    notifyReset();
}

QVariant ResultsListModel::data(const QModelIndex& index, int role) const {
    if ((role != Qt::DecorationRole && role != Qt::ToolTipRole) || !marks_ || !index.isValid() ||
        index.column() != 0)
        return RowListModel::data(index, role);
    const auto row = sourceRow(index.row());
    if (!row || *row >= marks_->size() || !(*marks_)[*row].any())
        return {};
    const RunMarks& marks = (*marks_)[*row];
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
    return results_.size();
}

} // namespace rheo
