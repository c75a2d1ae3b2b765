// SPDX-License-Identifier: MIT
#include "gui/widgets/row_texts_model.hpp"

namespace rheo {

RowTextsModel::RowTextsModel(std::vector<ListColumn> columns, RowCount rowCount, RowTexts rowTexts,
                             QObject* parent)
    : RowListModel(std::move(columns), std::move(rowTexts), parent),
      sourceRows_(std::move(rowCount)) {
    notifyReset();
}

std::size_t RowTextsModel::sourceRowCount() const {
    return sourceRows_ ? sourceRows_() : 0;
}

} // namespace rheo
