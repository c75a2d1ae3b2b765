// SPDX-License-Identifier: MIT
#pragma once
// The list-and-buttons part of the A/B and volume dialogs: Delete Selected, Delete All and
// Add over the list of the shown cell's points, with the Delete key, the context menu, the
// recall of a row into the fields, the number fields checked as they are left, and the
// notice told once the dialog shows the change that made it due. The dialog gives the few
// things that differ: the Add button's text, the list's name, the notice, when a change
// refits every row, and what it shows after a change.

#include "core/calibration/point_outcome.hpp"
#include "core/model/column_table.hpp"
#include "core/model/model.hpp"
#include "core/session/session.hpp"
#include "gui/dialogs/calibration_dialog.hpp"
#include "gui/widgets/row_texts_model.hpp"

#include <QObject>
#include <QString>

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

class QHBoxLayout;
class QPushButton;

namespace rheo {

class CExtendedListCtrl;
class CheckedNumberFields;

// What changed the list, for the dialog's own labels.
enum class PointChange { Added, DeletedSelected, DeletedAll };

struct PointListKind {
    QString addText;
    QString listName;
    std::string_view notice;
    // True when the change refitted the cell, so that every row's values are new.
    bool (*refitsRows)(const PointOutcome& outcome);
};

struct PointEdits {
    // Adds the point the fields hold (they are taken first).
    std::function<PointOutcome()> add;
    std::function<std::optional<PointOutcome>(std::vector<std::size_t> rows)> deleteSelected;
    std::function<bool()> deleteAll;
    // Shows the point at `row` of the shown cell in the fields.
    std::function<void(std::size_t row)> recall;
    // Shows the labels after a change; the list is already up to date.
    std::function<void(PointChange change, const PointOutcome& outcome)> showChange;
};

class PointListPage : public QObject {
    Q_OBJECT

public:
    // The list shows `points` of the dialog's shown cell with `table`'s columns.
    template <typename Row, std::size_t N>
    PointListPage(CalibrationDialogBase& dialog, PointListKind kind,
                  const ColumnTable<Row, N>& table, std::vector<Row> CellCalibration::*points,
                  PointEdits edits)
        : PointListPage(dialog, std::move(kind), std::move(edits)) {
        const Session& program = dialog.session();
        rows_ = new RowTextsModel(
            table,
            [&program, points] {
                return (program.calibration().cells[program.calibrationCell()].*points).size();
            },
            [&program, points](std::size_t row) -> const Row& {
                return (program.calibration().cells[program.calibrationCell()].*points)[row];
            },
            this);
        setUpList();
    }

    CheckedNumberFields& checks() const { return *checks_; }
    CExtendedListCtrl* list() const { return list_; }
    // Delete Selected, Delete All and Add in a row; the dialog may add more after them.
    QHBoxLayout* newButtonRow() const;
    QPushButton* deleteSelectedButton() const { return deleteSelected_; }
    QPushButton* deleteAllButton() const { return deleteAll_; }
    QPushButton* addButton() const { return add_; }

    // The shown cell's rows are read again.
    void showCell();

private:
    PointListPage(CalibrationDialogBase& dialog, PointListKind kind, PointEdits edits);
    void setUpList();

    void add();
    void deleteSelected();
    void deleteAll();
    void recall();

    CalibrationDialogBase& dialog_;
    PointListKind kind_;
    PointEdits edits_;
    CheckedNumberFields* checks_ = nullptr;
    QPushButton* deleteSelected_ = nullptr;
    QPushButton* deleteAll_ = nullptr;
    QPushButton* add_ = nullptr;
    RowTextsModel* rows_ = nullptr;
    CExtendedListCtrl* list_ = nullptr;
};

// A dialog with a tab per cell over a points list; the shown cell is the one being edited.
class PointListDialog : public CalibrationDialogBase {
    Q_OBJECT

public:
    using CalibrationDialogBase::CalibrationDialogBase;

protected:
    void cellChanged() override { showCell(); }
    // The shown cell's labels and list as they are stored.
    virtual void showCell() = 0;
    const CellCalibration& shownCell() { return edit().cellData(); }

    PointListPage* points_ = nullptr;
};

} // namespace rheo
