// SPDX-License-Identifier: MIT
#include "gui/runs/rheo_view.hpp"

// The form's runs: Calculate and its outcome, and the results list with its recall,
// deletion and loading. The session owns the results; the list's model is told of every
// change after the session has made it.

#include "core/runs/run_calculation.hpp"
#include "core/text/program_texts.hpp"
#include "gui/runs/form_values.hpp"
#include "gui/runs/multi_line_button.hpp"
#include "gui/widgets/extended_list_ctrl.hpp"
#include "gui/widgets/results_list_model.hpp"

#include <QContextMenuEvent>
#include <QItemSelectionModel>

#include <new>
#include <optional>
#include <variant>

namespace rheo {

void CRHEOView::connectResultsList() {
    CExtendedListCtrl& list = *controls_.results;
    resultsModel_ = new ResultsListModel(session_.results(), this);
    resultsModel_->setMarks(session_.resultMarks());
    list.setModel(resultsModel_);
    list.setColumns(listColumnsOf(resultColumns()));
    connect(&list, &CExtendedListCtrl::recallRequested, this, &CRHEOView::recallSelectedRow);
    connect(&list, &CExtendedListCtrl::deleteRequested, this, &CRHEOView::deleteSelectedResults);
    connect(&list, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        offerDeleteMenu(controls_.results->viewport()->mapToGlobal(position));
    });
}

void CRHEOView::contextMenuEvent(QContextMenuEvent* event) {
    offerDeleteMenu(event->globalPos());
}

void CRHEOView::offerDeleteMenu(const QPoint& globalPosition) {
    if (controls_.results->ShowDeleteMenu(this, globalPosition))
        deleteSelectedResults();
}

void CRHEOView::calculate() {
    values_->take();
    const RunOutcome outcome = session_.runSample(values_->runInput());
    const auto* accepted = std::get_if<RunAccepted>(&outcome);
    if (accepted == nullptr)
        return; // the session has told the operator why
    values_->setSampleId(accepted->result.sampleId);
    resultsModel_->notifyAppended(1);
    // The new run is in sight, however long the list.
    controls_.results->scrollToEnd();
    update();
    emit runAccepted();
}

void CRHEOView::recallSelectedRow() {
    const auto row = controls_.results->firstSelectedRow();
    if (!row)
        return;
    const auto result = session_.recallResult(*row);
    if (!result)
        return;
    values_->recall(*result);
    // The session keeps the working cell for a row that names no cell 1 to 5; the form
    // shows the cell it really has.
    showWorkingCell();
    values_->show();
}

void CRHEOView::deleteSelectedResults() {
    std::vector<std::size_t> rows = controls_.results->selectedRows();
    if (!session_.deleteResults(rows))
        return;
    resultsModel_->notifyRemoved(std::move(rows));
    update();
}

void CRHEOView::loadTestData() {
    std::optional<std::size_t> read;
    try {
        read = session_.loadResults();
    } catch (const std::bad_alloc&) {
        // The list is as it was: the operator's results are not lost to a file too large.
        session_.dialogs().inform(file_texts::kNoMemoryToLoadResults);
    }
    if (read && *read > 0)
        resultsModel_->notifyInsertedAtFront(*read);
    // The list is rebuilt, whatever the load gave: no row stays selected or current, so
    // that Delete or the arrow keys never act on a row the operator picked before the load.
    if (QItemSelectionModel* selection = controls_.results->selectionModel())
        selection->clear();
    update();
}

} // namespace rheo
