// SPDX-License-Identifier: MIT
#include "gui/dialogs/point_list_page.hpp"

#include "gui/dialogs/calibration_dialog.hpp"
#include "gui/dialogs/dialog_parts.hpp"
#include "gui/widgets/extended_list_ctrl.hpp"

#include <QHBoxLayout>
#include <QPushButton>

namespace rheo {

PointListPage::PointListPage(CalibrationDialogBase& dialog, PointListKind kind, PointEdits edits)
    : QObject(&dialog), dialog_(dialog), kind_(std::move(kind)), edits_(std::move(edits)),
      checks_(new CheckedNumberFields(dialog, dialog.dialogs())),
      deleteSelected_(newNamedButton(QStringLiteral("Delete Selected"))),
      deleteAll_(newNamedButton(QStringLiteral("Delete All"))), add_(newNamedButton(kind_.addText)),
      list_(new CExtendedListCtrl) {}

void PointListPage::setUpList() {
    list_->setAccessibleName(kind_.listName);
    setUpPointList(*list_, *rows_, dialog_, [this] { deleteSelected(); });
    connect(list_, &CExtendedListCtrl::recallRequested, this, &PointListPage::recall);
    connect(add_, &QPushButton::clicked, this, &PointListPage::add);
    connect(deleteSelected_, &QPushButton::clicked, this, &PointListPage::deleteSelected);
    connect(deleteAll_, &QPushButton::clicked, this, &PointListPage::deleteAll);
}

QHBoxLayout* PointListPage::newButtonRow() const {
    auto* row = new QHBoxLayout;
    for (QPushButton* button : {deleteSelected_, deleteAll_, add_})
        row->addWidget(button);
    return row;
}

void PointListPage::showCell() {
    rows_->notifyReset();
}

void PointListPage::recall() {
    const auto row = list_->firstSelectedRow();
    if (row && *row < static_cast<std::size_t>(rows_->rowCount()))
        edits_.recall(*row);
}

void PointListPage::add() {
    if (!checks_->takeTyped())
        return;
    const PointOutcome outcome = edits_.add();
    if (outcome.rejected()) {
        dialog_.dialogs().inform(*outcome.rejection);
        return;
    }
    if (kind_.refitsRows(outcome))
        rows_->notifyReset();
    else
        rows_->notifyAppended(1);
    list_->scrollToEnd();
    edits_.showChange(PointChange::Added, outcome);
    showNoticeWhenDue(dialog_, dialog_.dialogs(), outcome.noticeDue, kind_.notice);
}

void PointListPage::deleteSelected() {
    const std::vector<std::size_t> rows = list_->selectedRows();
    const std::optional<PointOutcome> outcome = edits_.deleteSelected(rows);
    if (!outcome)
        return;
    if (kind_.refitsRows(*outcome))
        rows_->notifyReset();
    else
        rows_->notifyRemoved(rows); // the rows left keep the values they showed
    edits_.showChange(PointChange::DeletedSelected, *outcome);
    showNoticeWhenDue(dialog_, dialog_.dialogs(), outcome->noticeDue, kind_.notice);
}

void PointListPage::deleteAll() {
    if (!edits_.deleteAll())
        return;
    rows_->notifyReset();
    edits_.showChange(PointChange::DeletedAll, PointOutcome{});
}

} // namespace rheo
