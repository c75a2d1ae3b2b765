// SPDX-License-Identifier: MIT
#pragma once
// What the A/B dialog's plot shows for one cell: its standard-oil runs as points of the fit
// (x = 1/(P*T*T), y = known viscosity/(P*T)), the fitted line y = A - B*x, and two axes
// with round tick values. Plain data, so the numbers are tested without drawing anything.
// Texts are UTF-8; they are the plot's own and are never written to a file.

#include "core/model/model.hpp"

#include <optional>
#include <string>
#include <vector>

namespace rheo {

struct PlotAxis {
    std::string title;
    double minimum = 0.0; // the first tick
    double maximum = 1.0; // the last tick
    std::vector<double> ticks;
    std::vector<std::string> tickLabels; // one per tick
};

struct PlotPoint {
    double x = 0.0;
    double y = 0.0;
    // The run's % difference from the fit as the runs list shows it; empty while the cell
    // has no fit, since there is nothing yet to differ from.
    std::string label;
};

struct PlotLine {
    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
};

struct FitPlotData {
    // Set when the runs cannot make a plot: the sentence shown in its place.
    std::optional<std::string> note;
    std::vector<PlotPoint> points;
    // The fitted line across the points, once A and B are fitted (three runs or more).
    std::optional<PlotLine> fit;
    PlotAxis xAxis;
    PlotAxis yAxis;
};

FitPlotData abFitPlotData(const CellCalibration& cell);

// An axis from `low` to `high` widened by a small margin (or around the value when both are
// the same), then out to whole multiples of a 1, 2 or 5 times a power of ten step, with at
// most `mostTicks` ticks (at least 3). Labels show as many decimals as the step needs, in
// the form 1.50e-5 when the values are below 0.01 or from 10000 on.
PlotAxis niceAxis(double low, double high, int mostTicks);

} // namespace rheo
