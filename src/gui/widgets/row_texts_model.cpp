#include "gui/widgets/row_texts_model.hpp"

namespace rheo {

RowTextsModel::RowTextsModel(std::vector<ListColumn> columns, RowCount rowCount, RowTexts rowTexts,
                             QObject* parent)
    : RowListModel(std::move(columns), std::move(rowTexts), parent),
      m_rowCount(std::move(rowCount)) {
    notifyReset();
}

std::size_t RowTextsModel::sourceRowCount() const {
    return m_rowCount ? m_rowCount() : 0;
}

} // namespace rheo
