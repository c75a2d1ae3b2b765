// SPDX-License-Identifier: MIT
#pragma once
// Calibration > History ...: per cell, A, B, RMS % diff and T0 over time and the
// reference-oil checks' deviations against the tolerance band, the cell's records in a table
// under the plots, and the table exported as CSV or plots and table as PDF. It reads the
// saves, the checks and the extrapolations of the session's history once when it opens.

#include "core/seams/history.hpp"

#include <QDialog>

#include <array>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QTableView;

namespace rheo {

class HistoryPlot;
class HistoryTableModel;
class Session;

// The reference-check tolerance of the settings, in %, and its change.
double historyCheckTolerance();
void setHistoryCheckTolerance(double percent);

class HistoryWindow : public QDialog {
    Q_OBJECT

public:
    explicit HistoryWindow(Session& session, QWidget* parent = nullptr);
    ~HistoryWindow() override;

    // Shows cell `index` (0 to 4).
    void showCell(int index);
    int cellIndex() const;
    const std::array<HistoryPlot*, 5>& plots() const { return plots_; }
    QTableView* table() const { return table_; }

    // The exports, to a path the session's file dialog gives; false when nothing was written
    // (cancelled, or the failure was told).
    bool exportCsv();
    bool exportPdf();

private:
    void buildPlots();
    void setTolerance(double percent);

    Session& session_;
    // Each cell's saves, checks and extrapolations, oldest first, read when first shown.
    std::array<std::optional<std::vector<HistoryEntry>>, 5> entries_;
    bool readWhole_ = true;
    QComboBox* cell_ = nullptr;
    QDoubleSpinBox* tolerance_ = nullptr;
    QLabel* summary_ = nullptr;
    std::array<HistoryPlot*, 5> plots_{};
    QTableView* table_ = nullptr;
    HistoryTableModel* model_ = nullptr;
};

} // namespace rheo
