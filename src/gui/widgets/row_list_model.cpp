// SPDX-License-Identifier: MIT
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
    : QAbstractTableModel(parent), columns_(std::move(columns)), rowTexts_(std::move(rowTexts)) {
    for (const auto& column : columns_)
        headings_.push_back(toQt(column.heading));
}

QModelIndex RowListModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || row >= rowCount_ || column < 0 ||
        column >= static_cast<int>(headings_.size()))
        return {};
    return createIndex(row, column);
}

int RowListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rowCount_;
}

int RowListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headings_.size());
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
    if (orientation != Qt::Horizontal || section < 0 || section >= headings_.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return headings_.at(section);
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
    if (count != 0 && static_cast<std::size_t>(rowCount_) + count == total && total <= INT_MAX)
        return true;
    // Nothing to announce, or the data does not match what the owner said.
    if (total != static_cast<std::size_t>(rowCount_))
        notifyReset();
    return false;
}

void RowListModel::notifyAppended(std::size_t count) {
    forgetCachedRow();
    const std::size_t total = sourceRowCount();
    if (!insertionMatches(count, total))
        return;
    beginInsertRows(QModelIndex(), rowCount_, static_cast<int>(total - 1));
    rowCount_ = static_cast<int>(total);
    endInsertRows();
}

void RowListModel::notifyInsertedAtFront(std::size_t count) {
    forgetCachedRow();
    const std::size_t total = sourceRowCount();
    if (!insertionMatches(count, total))
        return;
    unannouncedFront_ = count;
    beginInsertRows(QModelIndex(), 0, static_cast<int>(count - 1));
    unannouncedFront_ = 0;
    rowCount_ = static_cast<int>(total);
    endInsertRows();
}

void RowListModel::notifyRemoved(std::vector<std::size_t> positions) {
    forgetCachedRow();
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    positions.erase(
        std::lower_bound(positions.begin(), positions.end(), static_cast<std::size_t>(rowCount_)),
        positions.end());
    if (static_cast<std::size_t>(rowCount_) - positions.size() != sourceRowCount()) {
        notifyReset(); // the data does not match what the owner said
        return;
    }
    if (positions.empty())
        return;

    const std::vector<RowRange> runs = contiguousRanges(positions);
    if (runs.size() > kMostRunsAnnouncedOneByOne) {
        emit aboutToResetForRemoval(positions);
        beginResetModel();
        rowCount_ = clampedRowCount(sourceRowCount());
        endResetModel();
        emit resetForRemoval();
        return;
    }

    // From the highest run down, so the runs below keep their numbers.
    unannouncedRemoved_ = std::move(positions);
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        const std::size_t length = run->last - run->first + 1;
        beginRemoveRows(QModelIndex(), static_cast<int>(run->first), static_cast<int>(run->last));
        unannouncedRemoved_.resize(unannouncedRemoved_.size() - length);
        rowCount_ -= static_cast<int>(length);
        endRemoveRows();
    }
}

void RowListModel::notifyReset() {
    forgetCachedRow();
    beginResetModel();
    unannouncedFront_ = 0;
    unannouncedRemoved_.clear();
    rowCount_ = clampedRowCount(sourceRowCount());
    endResetModel();
}

std::optional<std::size_t> RowListModel::sourceRow(int row) const {
    if (row < 0 || row >= rowCount_)
        return std::nullopt;
    auto source = static_cast<std::size_t>(row);
    if (!unannouncedRemoved_.empty()) {
        const auto at =
            std::lower_bound(unannouncedRemoved_.begin(), unannouncedRemoved_.end(), source);
        if (at != unannouncedRemoved_.end() && *at == source)
            return std::nullopt; // already gone from the data
        source -= static_cast<std::size_t>(at - unannouncedRemoved_.begin());
    }
    source += unannouncedFront_;
    if (source >= sourceRowCount())
        return std::nullopt;
    return source;
}

const QStringList& RowListModel::textsOf(std::size_t row) const {
    if (cachedRow_ != row) {
        cachedTexts_.clear();
        const std::vector<std::string> texts = rowTexts_(row);
        if (texts.size() != columns_.size())
            qFatal("A list row has %zu texts for %zu columns", texts.size(), columns_.size());
        for (const std::string& text : texts)
            cachedTexts_.push_back(toQt(text));
        cachedRow_ = row;
    }
    return cachedTexts_;
}

void RowListModel::forgetCachedRow() const {
    cachedRow_.reset();
    cachedTexts_.clear();
}

} // namespace rheo
