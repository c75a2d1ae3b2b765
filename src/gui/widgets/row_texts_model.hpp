// SPDX-License-Identifier: MIT
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

    // `rowCount` gives the number of rows as they are now, `rowTexts` one row's texts in
    // column order, exactly one per column.
    RowTextsModel(std::vector<ListColumn> columns, RowCount rowCount, RowTexts rowTexts,
                  QObject* parent = nullptr);

    // The rows of a list's table of columns; `rowAt` gives the row at a position.
    template <typename Row, std::size_t N, typename RowAt>
    RowTextsModel(const ColumnTable<Row, N>& table, RowCount rowCount, RowAt rowAt,
                  QObject* parent = nullptr)
        : RowListModel(table, std::move(rowAt), parent), sourceRows_(std::move(rowCount)) {
        notifyReset();
    }

protected:
    std::size_t sourceRowCount() const override;

private:
    RowCount sourceRows_;
};

} // namespace rheo
