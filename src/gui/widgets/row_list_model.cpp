#include "gui/widgets/row_list_model.hpp"

#include "gui/platform/qt_text.hpp"
#include "gui/widgets/row_ranges.hpp"

#include <algorithm>
#include <climits>

namespace rheo {
namespace {

// Each announced run of removed rows makes the views walk their tables of rows and
// selection ends (about 0.3 ms a run with a million rows); one reset costs about what 64
// runs do, and the views carry their selection over it.
constexpr std::size_t kMostRunsAnnouncedOneByOne = 64;

int clampedRowCount(std::size_t count) {
    return static_cast<int>(std::min<std::size_t>(count, INT_MAX));
}

} // namespace

RowListModel::RowListModel(std::vector<ListColumn> columns, RowTexts rowTexts, QObject* parent)
    : QAbstractTableModel(parent), m_columns(std::move(columns)), m_rowTexts(std::move(rowTexts)) {
    for (const auto& column : m_columns)
        m_headings.push_back(toQt(column.heading));
}

QModelIndex RowListModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || row >= m_rowCount || column < 0 ||
        column >= static_cast<int>(m_headings.size()))
        return {};
    return createIndex(row, column);
}

int RowListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rowCount;
}

int RowListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_headings.size());
}

QVariant RowListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    if (!index.isValid() || index.parent().isValid() || index.column() >= columnCount())
        return {};
    const auto row = sourceRow(index.row());
    if (!row)
        return {};
    return textsOf(*row).at(index.column());
}

QVariant RowListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= m_headings.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return m_headings.at(section);
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags RowListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

bool RowListModel::insertionMatches(std::size_t count, std::size_t total) {
    if (count != 0 && static_cast<std::size_t>(m_rowCount) + count == total && total <= INT_MAX)
        return true;
    // Nothing to announce, or the data does not match what the owner said.
    if (total != static_cast<std::size_t>(m_rowCount))
        notifyReset();
    return false;
}

void RowListModel::notifyAppended(std::size_t count) {
    forgetCachedRow();
    const std::size_t total = sourceRowCount();
    if (!insertionMatches(count, total))
        return;
    beginInsertRows(QModelIndex(), m_rowCount, static_cast<int>(total - 1));
    m_rowCount = static_cast<int>(total);
    endInsertRows();
}

void RowListModel::notifyInsertedAtFront(std::size_t count) {
    forgetCachedRow();
    const std::size_t total = sourceRowCount();
    if (!insertionMatches(count, total))
        return;
    m_unannouncedFront = count;
    beginInsertRows(QModelIndex(), 0, static_cast<int>(count - 1));
    m_unannouncedFront = 0;
    m_rowCount = static_cast<int>(total);
    endInsertRows();
}

void RowListModel::notifyRemoved(std::vector<std::size_t> positions) {
    forgetCachedRow();
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    positions.erase(
        std::lower_bound(positions.begin(), positions.end(), static_cast<std::size_t>(m_rowCount)),
        positions.end());
    if (static_cast<std::size_t>(m_rowCount) - positions.size() != sourceRowCount()) {
        notifyReset(); // the data does not match what the owner said
        return;
    }
    if (positions.empty())
        return;

    const std::vector<RowRange> runs = contiguousRanges(positions);
    if (runs.size() > kMostRunsAnnouncedOneByOne) {
        emit aboutToResetForRemoval(positions);
        beginResetModel();
        m_rowCount = clampedRowCount(sourceRowCount());
        endResetModel();
        emit resetForRemoval();
        return;
    }

    // From the highest run down, so the runs below keep their numbers.
    m_unannouncedRemoved = std::move(positions);
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        const std::size_t length = run->last - run->first + 1;
        beginRemoveRows(QModelIndex(), static_cast<int>(run->first), static_cast<int>(run->last));
        m_unannouncedRemoved.resize(m_unannouncedRemoved.size() - length);
        m_rowCount -= static_cast<int>(length);
        endRemoveRows();
    }
}

void RowListModel::notifyReset() {
    forgetCachedRow();
    beginResetModel();
    m_unannouncedFront = 0;
    m_unannouncedRemoved.clear();
    m_rowCount = clampedRowCount(sourceRowCount());
    endResetModel();
}

std::optional<std::size_t> RowListModel::sourceRow(int row) const {
    if (row < 0 || row >= m_rowCount)
        return std::nullopt;
    auto source = static_cast<std::size_t>(row);
    if (!m_unannouncedRemoved.empty()) {
        const auto at =
            std::lower_bound(m_unannouncedRemoved.begin(), m_unannouncedRemoved.end(), source);
        if (at != m_unannouncedRemoved.end() && *at == source)
            return std::nullopt; // already gone from the data
        source -= static_cast<std::size_t>(at - m_unannouncedRemoved.begin());
    }
    source += m_unannouncedFront;
    if (source >= sourceRowCount())
        return std::nullopt;
    return source;
}

const QStringList& RowListModel::textsOf(std::size_t row) const {
    if (m_cachedRow != row) {
        m_cachedTexts.clear();
        const std::vector<std::string> texts = m_rowTexts(row);
        if (texts.size() != m_columns.size())
            qFatal("A list row has %zu texts for %zu columns", texts.size(), m_columns.size());
        for (const std::string& text : texts)
            m_cachedTexts.push_back(toQt(text));
        m_cachedRow = row;
    }
    return m_cachedTexts;
}

void RowListModel::forgetCachedRow() const {
    m_cachedRow.reset();
    m_cachedTexts.clear();
}

} // namespace rheo
