// SPDX-License-Identifier: MIT
#pragma once
// The plot beside the A/B dialog's runs list: the runs of the cell on the current tab as
// points of the fit, each with its % difference, and the fitted line y = A - B*x. With
// fewer than two runs it shows a short sentence instead.

#include "gui/widgets/ab_fit_plot_data.hpp"

#include <QWidget>

namespace rheo {

class AbFitPlot : public QWidget {
    Q_OBJECT
public:
    explicit AbFitPlot(QWidget* parent = nullptr);

    // Follows the cell: call after every Add and Delete and on a change of tab.
    void showCell(const CellCalibration& cell);
    const FitPlotData& plotData() const { return data_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FitPlotData data_;
};

} // namespace rheo
