#include "gui/widgets/row_texts_model.hpp"

namespace rheo {

RowTextsModel::RowTextsModel(std::vector<ListColumn> columns, RowCount rowCount, RowTexts rowTexts,
                             QObject* parent)
    : RowListModel(std::move(columns), parent), m_rowCount(std::move(rowCount)),
      m_rowTexts(std::move(rowTexts)) {
    notifyReset();
}

std::size_t RowTextsModel::sourceRowCount() const {
    return m_rowCount ? m_rowCount() : 0;
}

std::vector<std::string> RowTextsModel::sourceRowTexts(std::size_t row) const {
    return m_rowTexts ? m_rowTexts(row) : std::vector<std::string>{};
}

} // namespace rheo
