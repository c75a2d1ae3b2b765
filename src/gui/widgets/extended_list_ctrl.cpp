// SPDX-License-Identifier: MIT
#include "gui/widgets/extended_list_ctrl.hpp"

#include "gui/platform/qt_text.hpp"
#include "gui/widgets/list_header.hpp"
#include "gui/widgets/row_list_model.hpp"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace rheo {
namespace {

constexpr int kTextFlags = Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip;

QAction* execMenu(QMenu& menu, const QPoint& globalPos) {
    return menu.exec(globalPos);
}

} // namespace

CExtendedListCtrl::CExtendedListCtrl(QWidget* parent) : QTreeView(parent), menuRunner_(execMenu) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true); // the current row is repainted whole when it changes
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setHeader(new ListHeader(this));

    connect(this, &QAbstractItemView::clicked, this, &CExtendedListCtrl::recallRequested);
    connect(header(), &QHeaderView::sectionCountChanged, this,
            &CExtendedListCtrl::applyColumnWidths);
}

void CExtendedListCtrl::setColumns(const std::vector<ListColumn>& columns) {
    columns_ = columns;
    applyColumnWidths();
}

QFont CExtendedListCtrl::columnMeasureFont(const QFont& listFont) {
    QFont measure(listFont);
    measure.setBold(true);
    if (listFont.pointSizeF() < 10.0)
        measure.setPointSizeF(10.0);
    return measure;
}

int CExtendedListCtrl::columnWidth(const QFont& listFont, const QString& heading,
                                   double widthFactor) {
    const QFontMetrics metrics(columnMeasureFont(listFont));
    return static_cast<int>(metrics.horizontalAdvance(heading) * widthFactor);
}

void CExtendedListCtrl::applyColumnWidths() {
    const int count = std::min(static_cast<int>(columns_.size()), header()->count());
    // The header draws its headings in its own font, between the style's margins.
    const int margins = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header());
    for (int column = 0; column < count; ++column) {
        const auto& wanted = columns_[static_cast<std::size_t>(column)];
        const QString heading = toQt(wanted.heading);
        const int drawn = header()->fontMetrics().horizontalAdvance(heading) + margins;
        header()->resizeSection(column,
                                std::max(columnWidth(font(), heading, wanted.widthFactor), drawn));
    }
}

QString CExtendedListCtrl::FitText(const QFontMetrics& metrics, const QString& text, int width) {
    if (text.isEmpty() || metrics.horizontalAdvance(text) <= width)
        return text;
    // One measure per dropped character: the list's texts are short.
    const QString dots = QStringLiteral("...");
    QString beginning = text;
    while (!beginning.isEmpty()) {
        const bool pair = beginning.size() >= 2 && beginning.back().isLowSurrogate() &&
                          beginning.at(beginning.size() - 2).isHighSurrogate();
        beginning.chop(pair ? 2 : 1);
        if (!beginning.isEmpty() && metrics.horizontalAdvance(beginning + dots) <= width)
            return beginning + dots;
    }
    return dots;
}

bool CExtendedListCtrl::ShowDeleteMenu(QWidget* owner, const QPoint& globalPos) {
    if (!hasFocus() || !selectionModel() || !selectionModel()->hasSelection())
        return false;
    QMenu menu(owner ? owner : this);
    QAction* deleteAction = menu.addAction(QStringLiteral("Delete"));
    const QPoint topLeft(globalPos.x() - menu.sizeHint().width(), globalPos.y());
    return menuRunner_ && menuRunner_(menu, topLeft) == deleteAction;
}

void CExtendedListCtrl::setMenuRunner(MenuRunner runner) {
    menuRunner_ = runner ? std::move(runner) : MenuRunner(execMenu);
}

std::vector<std::size_t> CExtendedListCtrl::selectedRows() const {
    std::vector<std::size_t> rows;
    if (!selectionModel())
        return rows;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(static_cast<std::size_t>(row));
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

std::optional<std::size_t> CExtendedListCtrl::firstSelectedRow() const {
    std::optional<std::size_t> first;
    if (!selectionModel())
        return first;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        if (range.isValid() && (!first || static_cast<std::size_t>(range.top()) < *first))
            first = static_cast<std::size_t>(range.top());
    return first;
}

void CExtendedListCtrl::selectRows(const std::vector<std::size_t>& rows) {
    if (!model() || !selectionModel())
        return;
    std::vector<std::size_t> wanted = rows;
    std::sort(wanted.begin(), wanted.end());
    wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());
    const auto count = static_cast<std::size_t>(model()->rowCount(rootIndex()));
    wanted.erase(std::lower_bound(wanted.begin(), wanted.end(), count), wanted.end());
    // Made current first, through the view, so that Shift with the arrow keys extends the
    // selection from there.
    if (!wanted.empty())
        setCurrentIndex(model()->index(static_cast<int>(wanted.front()), 0, rootIndex()));
    selectionModel()->select(selectionOf(contiguousRanges(wanted)),
                             QItemSelectionModel::ClearAndSelect);
}

void CExtendedListCtrl::scrollToRow(std::size_t row) {
    if (model() && row < static_cast<std::size_t>(model()->rowCount(rootIndex())))
        scrollTo(model()->index(static_cast<int>(row), 0, rootIndex()));
}

void CExtendedListCtrl::scrollToEnd() {
    scrollToBottom();
}

void CExtendedListCtrl::setModel(QAbstractItemModel* newModel) {
    disconnect(aboutToResetForRemoval_);
    disconnect(resetForRemoval_);
    QTreeView::setModel(newModel);
    if (auto* rows = qobject_cast<RowListModel*>(newModel)) {
        aboutToResetForRemoval_ = connect(rows, &RowListModel::aboutToResetForRemoval, this,
                                          &CExtendedListCtrl::rememberRowsBeforeRemoval);
        resetForRemoval_ = connect(rows, &RowListModel::resetForRemoval, this,
                                   &CExtendedListCtrl::restoreRowsAfterRemoval);
    }
    applyColumnWidths();
}

void CExtendedListCtrl::setSelectionModel(QItemSelectionModel* rowSelection) {
    QTreeView::setSelectionModel(rowSelection); // the header shares it from here on
    // The header would ask the rows' selection, row by row, whether a whole column is
    // selected each time it paints: a second's work for a million selected rows. Columns
    // are never selected here, so the header gets an empty selection of its own.
    delete headerSelection_;
    if (model()) {
        headerSelection_ = new QItemSelectionModel(model(), header());
        header()->setSelectionModel(headerSelection_);
    }
}

void CExtendedListCtrl::selectAll() {
    if (!model() || !selectionModel())
        return;
    const int rows = model()->rowCount(rootIndex());
    if (rows > 0)
        selectionModel()->select(selectionOf({{0, static_cast<std::size_t>(rows - 1)}}),
                                 QItemSelectionModel::ClearAndSelect);
}

void CExtendedListCtrl::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    // The cells side by side, the first one starting the row.
    struct Cell {
        int column;
        QRect rect;
    };
    std::vector<Cell> cells;
    const QHeaderView* columns = header();
    for (int column = 0; column < columns->count(); ++column)
        if (!columns->isSectionHidden(column))
            cells.push_back(
                {column, QRect(columns->sectionViewportPosition(column), option.rect.top(),
                               columns->sectionSize(column), option.rect.height())});
    if (cells.empty())
        return;
    QRect rowRect = cells.front().rect;
    for (const Cell& cell : cells)
        rowRect = rowRect.united(cell.rect);

    // Selection is the only colouring; the selection colours do not fade when the window
    // is in the background.
    const bool selected =
        selectionModel() && selectionModel()->isSelected(index.siblingAtColumn(0));
    QColor background =
        palette().color(QPalette::Active, selected ? QPalette::Highlight : QPalette::Base);
    // A mark of the run (the model's decoration colour) tints the row's background and is a
    // narrow band at its left edge, over no text.
    const QVariant mark = index.siblingAtColumn(0).data(Qt::DecorationRole);
    const bool marked = mark.typeId() == QMetaType::QColor;
    if (marked && !selected) {
        const QColor tint = mark.value<QColor>();
        background = QColor((background.red() * 4 + tint.red()) / 5,
                            (background.green() * 4 + tint.green()) / 5,
                            (background.blue() * 4 + tint.blue()) / 5);
    }
    const QColor foreground =
        palette().color(QPalette::Active, selected ? QPalette::HighlightedText : QPalette::Text);

    painter->save();
    painter->fillRect(rowRect, background);
    painter->setPen(foreground);
    painter->setFont(font());
    const QFontMetrics metrics = fontMetrics();
    for (const Cell& cell : cells) {
        const QString text = index.siblingAtColumn(cell.column).data(Qt::DisplayRole).toString();
        const QString fitted = FitText(metrics, text, cell.rect.width() - 4);
        // "&" is drawn as itself: no mnemonic flag is given.
        if (cell.column == cells.front().column)
            painter->drawText(cell.rect.adjusted(2, 0, -2, 0), Qt::AlignLeft | kTextFlags, fitted);
        else
            painter->drawText(cell.rect.adjusted(6, 0, -6, 0), Qt::AlignHCenter | kTextFlags,
                              fitted);
    }
    if (marked)
        painter->fillRect(QRect(rowRect.left(), rowRect.top() + 1, 2, rowRect.height() - 2),
                          mark.value<QColor>());
    const QModelIndex current = currentIndex();
    if (hasFocus() && current.isValid() && current.row() == index.row() &&
        current.parent() == index.parent()) {
        QPen dotted(foreground, 0);
        dotted.setDashPattern({1.0, 1.0});
        painter->setPen(dotted);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rowRect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

void CExtendedListCtrl::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Delete)
        emit deleteRequested();
    QTreeView::keyPressEvent(event);
    // Posted, so the owner reads the selection only after the key has been handled all
    // the way through.
    if (key == Qt::Key_Up || key == Qt::Key_Down)
        QMetaObject::invokeMethod(this, &CExtendedListCtrl::recallRequested, Qt::QueuedConnection);
}

void CExtendedListCtrl::setSelection(const QRect& rect,
                                     QItemSelectionModel::SelectionFlags command) {
    // The view's own version walks every row in between; one range does the same.
    if (!model() || !selectionModel() || rect.isNull())
        return;
    const QModelIndex root = rootIndex();
    const int rows = model()->rowCount(root);
    const int columns = model()->columnCount(root);
    if (rows == 0 || columns == 0)
        return;
    const int x = header()->sectionViewportPosition(header()->logicalIndex(0));
    const QModelIndex top = indexAt(QPoint(x, std::min(rect.top(), rect.bottom())));
    const QModelIndex bottom = indexAt(QPoint(x, std::max(rect.top(), rect.bottom())));
    if (!top.isValid() && !bottom.isValid()) {
        if (command & QItemSelectionModel::Clear)
            selectionModel()->clear();
        return;
    }
    const int first = top.isValid() ? top.row() : 0;
    const int last = bottom.isValid() ? bottom.row() : rows - 1;
    selectionModel()->select(
        QItemSelection(model()->index(first, 0, root), model()->index(last, columns - 1, root)),
        command);
}

void CExtendedListCtrl::changeEvent(QEvent* event) {
    QTreeView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyColumnWidths();
}

void CExtendedListCtrl::focusInEvent(QFocusEvent* event) {
    QTreeView::focusInEvent(event);
    viewport()->update(); // the focus rectangle appears
}

void CExtendedListCtrl::focusOutEvent(QFocusEvent* event) {
    QTreeView::focusOutEvent(event);
    viewport()->update(); // and goes
}

QItemSelection CExtendedListCtrl::selectionOf(const std::vector<RowRange>& ranges) const {
    QItemSelection selection;
    if (!model())
        return selection;
    const QModelIndex root = rootIndex();
    const int lastColumn = std::max(model()->columnCount(root) - 1, 0);
    for (const RowRange& range : ranges)
        selection.append(
            QItemSelectionRange(model()->index(static_cast<int>(range.first), 0, root),
                                model()->index(static_cast<int>(range.last), lastColumn, root)));
    return selection;
}

void CExtendedListCtrl::rememberRowsBeforeRemoval(const std::vector<std::size_t>& removed) {
    rangesToSelect_.clear();
    currentAfterRemoval_.reset();
    topAfterRemoval_.reset();
    if (!model() || !selectionModel())
        return;
    const auto before = static_cast<std::size_t>(model()->rowCount(rootIndex()));
    const std::size_t left = before - std::min(before, removed.size());
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        if (!range.isValid())
            continue;
        const RowRange rows{static_cast<std::size_t>(range.top()),
                            static_cast<std::size_t>(range.bottom())};
        if (const auto staying = rangeAfterRemoval(rows, removed))
            rangesToSelect_.push_back(*staying);
    }
    if (const QModelIndex current = currentIndex(); current.isValid())
        currentAfterRemoval_ =
            currentRowAfterRemoval(static_cast<std::size_t>(current.row()), removed, left);
    // The view stays where it was, as it does when rows are removed one run at a time.
    if (const QModelIndex top = indexAt(QPoint(0, 0)); top.isValid() && left > 0)
        topAfterRemoval_ = std::min(static_cast<std::size_t>(top.row()), left - 1);
}

void CExtendedListCtrl::restoreRowsAfterRemoval() {
    if (!model() || !selectionModel())
        return;
    const QModelIndex root = rootIndex();
    if (!rangesToSelect_.empty())
        selectionModel()->select(selectionOf(rangesToSelect_), QItemSelectionModel::Select);
    if (currentAfterRemoval_)
        selectionModel()->setCurrentIndex(
            model()->index(static_cast<int>(*currentAfterRemoval_), 0, root),
            QItemSelectionModel::NoUpdate);
    if (topAfterRemoval_)
        scrollTo(model()->index(static_cast<int>(*topAfterRemoval_), 0, root),
                 QAbstractItemView::PositionAtTop);
    rangesToSelect_.clear();
    currentAfterRemoval_.reset();
    topAfterRemoval_.reset();
}

} // namespace rheo
