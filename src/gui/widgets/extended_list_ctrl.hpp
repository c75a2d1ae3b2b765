// SPDX-License-Identifier: MIT
#pragma once
// The report-style list of the main form and of the calibration dialogs. It draws its rows
// itself: a selected row in the selection colours across all columns, the others in the
// list's colours, the first column left-aligned and every other one centred, and a text
// that does not fit cut and ended with "...". Several rows can be selected; whole rows
// only. The rows come from a model (RowListModel for the program's lists), so a list of a
// million results stays quick.
//
// The owner reacts to three requests: recallRequested (a row was clicked, or Up or Down
// moved the selection: show the first selected row), deleteRequested (the Delete key) and
// the standard customContextMenuRequested, answered with ShowDeleteMenu.

#include "gui/widgets/list_column.hpp"
#include "gui/widgets/row_ranges.hpp"

#include <QPointer>
#include <QTreeView>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

class QMenu;

namespace rheo {

class CExtendedListCtrl : public QTreeView {
    Q_OBJECT

public:
    // Shows a menu at a screen position and gives the chosen entry (or none). The list
    // runs QMenu::exec; tests put a function of their own in its place.
    using MenuRunner = std::function<QAction*(QMenu& menu, const QPoint& globalPos)>;

    explicit CExtendedListCtrl(QWidget* parent = nullptr);

    // Sets the column widths: each heading's width in the measuring font times its factor,
    // truncated to whole pixels, and never narrower than the heading as the header draws it
    // with its margins, so that every heading reads whole. The headings shown are the
    // model's.
    void setColumns(const std::vector<ListColumn>& columns);
    // The font the headings are measured in: the list's family, bold, at 10 points or the
    // list's size when that is larger. The list always measured its headings in its window's
    // plain drawing context, whose font is the system's bold 10-point face; the width factors
    // were chosen for that measure, and with the list's own smaller font every heading would
    // be cut.
    static QFont columnMeasureFont(const QFont& listFont);
    // The width of a column of `heading` for a list in `listFont`.
    static int columnWidth(const QFont& listFont, const QString& heading, double widthFactor);

    // `text` as it fits into `width` pixels: whole when it fits, otherwise its longest
    // beginning that fits followed by "...", and "..." alone when not even one character
    // does (drawn all the same).
    static QString FitText(const QFontMetrics& metrics, const QString& text, int width);

    // The one-entry context menu "Delete", with its right edge at the x of `globalPos` and
    // its top at the y. Shown only while this list has the keyboard focus and a row is
    // selected; true exactly when "Delete" was chosen.
    bool ShowDeleteMenu(QWidget* owner, const QPoint& globalPos);
    void setMenuRunner(MenuRunner runner);

    // The selected rows, ascending.
    std::vector<std::size_t> selectedRows() const;
    std::optional<std::size_t> firstSelectedRow() const;
    // Selects exactly `rows` (rows past the end are ignored) and makes the lowest of them
    // the current row.
    void selectRows(const std::vector<std::size_t>& rows);
    void scrollToRow(std::size_t row);
    void scrollToEnd();

    void setModel(QAbstractItemModel* model) override;
    void setSelectionModel(QItemSelectionModel* selectionModel) override;
    // One range over all rows, however many there are.
    void selectAll() override;

signals:
    // Show the first selected row: after a left click on a row, and after Up or Down has
    // moved the selection.
    void recallRequested();
    // The Delete key was pressed in the list.
    void deleteRequested();

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void applyColumnWidths();
    QItemSelection selectionOf(const std::vector<RowRange>& ranges) const;
    void rememberRowsBeforeRemoval(const std::vector<std::size_t>& removed);
    void restoreRowsAfterRemoval();

    std::vector<ListColumn> columns_;
    MenuRunner menuRunner_;
    QPointer<QItemSelectionModel> headerSelection_;
    QMetaObject::Connection aboutToResetForRemoval_;
    QMetaObject::Connection resetForRemoval_;

    // Carried over a reset that stands for a removal.
    std::vector<RowRange> rangesToSelect_;
    std::optional<std::size_t> currentAfterRemoval_;
    std::optional<std::size_t> topAfterRemoval_;
};

} // namespace rheo
