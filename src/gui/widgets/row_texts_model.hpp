#pragma once
// A small list of rows whose texts come from a function: the standard-oil runs, the
// weighings and the standards of the calibration dialogs.

#include "gui/widgets/row_list_model.hpp"

#include <functional>

namespace rheo {

class RowTextsModel : public RowListModel {
    Q_OBJECT

public:
    using RowCount = std::function<std::size_t()>;
    using RowTexts = std::function<std::vector<std::string>(std::size_t row)>;

    // `rowCount` gives the number of rows as they are now, `rowTexts` one row's texts in
    // column order (missing ones show empty, extra ones are not shown).
    RowTextsModel(std::vector<ListColumn> columns, RowCount rowCount, RowTexts rowTexts,
                  QObject* parent = nullptr);

protected:
    std::size_t sourceRowCount() const override;
    std::vector<std::string> sourceRowTexts(std::size_t row) const override;

private:
    RowCount m_rowCount;
    RowTexts m_rowTexts;
};

} // namespace rheo
