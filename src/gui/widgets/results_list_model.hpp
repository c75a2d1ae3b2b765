#pragma once
// The nine columns of the results list over the accepted and loaded runs, which the session
// owns. A row's texts are formatted when the row is drawn.

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

protected:
    std::size_t sourceRowCount() const override;

private:
    const std::vector<TestResult>& results_;
};

} // namespace rheo
