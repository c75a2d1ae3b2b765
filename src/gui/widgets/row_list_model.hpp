// SPDX-License-Identifier: MIT
#pragma once
// The rows of a list as a table model over data owned elsewhere. The model holds no rows of
// its own: it asks for one row's texts when a row is drawn and keeps only the last one, so
// a list of a million results costs no memory per row here.
//
// The owner changes its data first and then tells the model what happened, with one of the
// notify functions. Until then the model still shows the rows as they were, so the views
// follow every change step by step.

#include "gui/platform/qt_text.hpp"
#include "gui/widgets/list_column.hpp"

#include <QAbstractTableModel>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace rheo {

class RowListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The headings and width factors, for CExtendedListCtrl::setColumns.
    const std::vector<ListColumn>& columns() const { return columns_; }

    // Without the table model's checks through virtual calls: the views ask for every row's
    // index when they lay out a million rows.
    QModelIndex index(int row, int column,
                      const QModelIndex& parent = QModelIndex()) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // `count` rows were added at the end.
    void notifyAppended(std::size_t count);
    // `count` rows were added in front of the first one (a loaded file goes in front).
    void notifyInsertedAtFront(std::size_t count);
    // The rows at `positions` (numbers before the removal, any order; duplicates and numbers
    // past the end are ignored) were removed, as removeRows() does it.
    void notifyRemoved(std::vector<std::size_t> positions);
    // Anything else: the rows are read again from the start.
    void notifyReset();

signals:
    // A removal of very many scattered rows is announced as one reset, which is cheaper for
    // the views than thousands of single removals. These two bracket that reset so that a
    // view can carry its selection and current row over (`removed`: ascending, distinct).
    void aboutToResetForRemoval(const std::vector<std::size_t>& removed);
    void resetForRemoval();

protected:
    // The texts of one row, one per column, in the program's Windows-1252 bytes. A row of
    // another count is a fault of the program, which stops at it.
    using RowTexts = std::function<std::vector<std::string>(std::size_t row)>;

    RowListModel(std::vector<ListColumn> columns, RowTexts rowTexts, QObject* parent);

    // The headings and each row's texts come from one table of columns; `rowAt` gives the
    // row behind a position.
    template <typename Row, std::size_t N, typename RowAt>
    RowListModel(const ColumnTable<Row, N>& table, RowAt rowAt, QObject* parent)
        : RowListModel(
              listColumnsOf(table),
              [&table, rowAt](std::size_t row) {
                  const auto texts = rowTextsOf(table, rowAt(row));
                  return std::vector<std::string>(texts.begin(), texts.end());
              },
              parent) {}

    // The rows behind the model as they are now.
    virtual std::size_t sourceRowCount() const = 0;

    // The row behind the view's row `row`, if there is one.
    std::optional<std::size_t> sourceRow(int row) const;

private:
    const QStringList& textsOf(std::size_t sourceRow) const;
    void forgetCachedRow() const;
    // True when `count` new rows are exactly what the source holds beyond the rows shown;
    // otherwise the view is brought in line by a reset where the counts differ.
    bool insertionMatches(std::size_t count, std::size_t total);

    std::vector<ListColumn> columns_;
    RowTexts rowTexts_;
    QStringList headings_;
    int rowCount_ = 0; // the rows the views know about

    // While a change is being announced the data behind is already changed: the rows at
    // the front that the views do not know yet, and the removed rows they still show.
    std::size_t unannouncedFront_ = 0;
    std::vector<std::size_t> unannouncedRemoved_;

    mutable std::optional<std::size_t> cachedRow_;
    mutable QStringList cachedTexts_;
};

} // namespace rheo
