// SPDX-License-Identifier: MIT
#pragma once
// The nine columns of the results list over the accepted and loaded runs, which the session
// owns. A row's texts are formatted when the row is drawn.

#include "core/history/quality_checks.hpp"
#include "core/model/model.hpp"
#include "gui/widgets/row_list_model.hpp"

#include <vector>

namespace rheo {

class ResultsListModel : public RowListModel {
    Q_OBJECT

public:
    // `results` must outlive the model; tell the model about every change with a notify
    // function.
    explicit ResultsListModel(const std::vector<TestResult>& results, QObject* parent = nullptr);
    ResultsListModel(std::vector<TestResult>&&, QObject* = nullptr) = delete;

    // The marks of the runs, row for row as the results (the session's resultMarks()); a
    // marked row has a colour as its decoration and the marks' names as its tool tip, its
    // texts stay as they are. `marks` must outlive the model.
    void setMarks(const std::vector<RunMarks>& marks) { marks_ = &marks; }
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

protected:
    std::size_t sourceRowCount() const override;

private:
    const std::vector<TestResult>& results_;
    const std::vector<RunMarks>* marks_ = nullptr;
};

} // namespace rheo
