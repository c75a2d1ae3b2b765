// SPDX-License-Identifier: MIT
#include "gui/widgets/ab_fit_plot_data.hpp"

#include "core/calibration/ab_regression.hpp"
#include "core/calibration/point_texts.hpp"
#include "core/text/c_format.hpp"
#include "core/text/program_texts.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace rheo {
namespace {

constexpr int kMostXTicks = 4;
constexpr int kMostYTicks = 6;
// The share of the data's span left free on either side.
constexpr double kMargin = 0.06;
constexpr std::size_t kPercentDiffColumn = 5;

// 10^exponent with one rounding at most (division by an exact power for negative ones).
double powerOfTen(int exponent) {
    return exponent >= 0 ? std::pow(10.0, exponent) : 1.0 / std::pow(10.0, -exponent);
}

// The power of ten of a positive value, safe against log10 landing just below a whole number.
int decadeOf(double value) {
    if (!(value > 0) || !std::isfinite(value))
        return 0;
    int exponent = static_cast<int>(std::floor(std::log10(value)));
    if (powerOfTen(exponent + 1) <= value * (1 + 1e-12))
        ++exponent;
    return exponent;
}

std::string tickLabel(double value, int stepExponent, bool scientific, int decade) {
    if (!scientific)
        return cformat("%.*f", std::max(0, -stepExponent), value);
    if (value == 0)
        return "0";
    return cformat("%.*fe%d", std::max(0, decade - stepExponent), value / powerOfTen(decade),
                   decade);
}

// Beyond any run the instrument can make: just the two ends.
PlotAxis twoEnds(double low, double high) {
    PlotAxis ends;
    ends.minimum = std::isfinite(low) ? low : -1.0;
    ends.maximum = std::isfinite(high) && high > ends.minimum ? high : ends.minimum + 1.0;
    ends.ticks = {ends.minimum, ends.maximum};
    ends.tickLabels = {cformat("%g", ends.minimum), cformat("%g", ends.maximum)};
    return ends;
}

struct Step {
    double size;
    int exponent; // size = multiple * 10^exponent
};

} // namespace

PlotAxis niceAxis(double low, double high, int mostTicks) {
    // Two ticks cannot always hold a range around 0 (-1 to 1 needs three).
    mostTicks = std::max(mostTicks, 3);
    if (high < low)
        std::swap(low, high);
    const double largest = std::max(std::abs(low), std::abs(high));
    // One value gets a range of 10 % around it, or around 0 one unit either way.
    const double pad = high - low <= largest * 1e-12 ? (largest > 0 ? largest * 0.05 : 1.0)
                                                     : (high - low) * kMargin;
    if (!std::isfinite(low - pad) || !std::isfinite(high + pad) ||
        !std::isfinite((high + pad) - (low - pad)))
        return twoEnds(low, high);
    low -= pad;
    high += pad;
    if (!(high > low)) { // values so close to 0 that the margin vanished
        low -= 1;
        high += 1;
    }

    // The smallest 1-2-5 step that covers the range with at most `mostTicks` ticks. Counted
    // in doubles: a step that underflows to 0 gives an infinite count and is passed over.
    const double raw = (high - low) / (mostTicks - 1);
    const int multiples[] = {1, 2, 5};
    double first = 0;
    double last = 0;
    Step step{0, 0};
    for (int exponent = decadeOf(raw) - 1; step.size == 0; ++exponent) {
        for (int multiple : multiples) {
            const double size = multiple * powerOfTen(exponent);
            first = std::floor(low / size);
            last = std::ceil(high / size);
            if (last - first + 1 <= mostTicks) {
                step = {size, exponent};
                break;
            }
        }
    }

    PlotAxis axis;
    for (double k = first; k <= last; ++k) {
        // A whole multiple each, so no error accumulates along the axis.
        axis.ticks.push_back(k * step.size + 0.0); // + 0.0: never a tick of -0
    }
    axis.minimum = axis.ticks.front();
    axis.maximum = axis.ticks.back();
    const double widest = std::max(std::abs(axis.minimum), std::abs(axis.maximum));
    const bool scientific = widest < 0.01 || widest >= 10000;
    const int decade = decadeOf(widest);
    for (double tick : axis.ticks)
        axis.tickLabels.push_back(tickLabel(tick, step.exponent, scientific, decade));
    return axis;
}

FitPlotData abFitPlotData(const CellCalibration& cell) {
    FitPlotData data;
    const bool fitted = cell.abPoints.size() >= kAbFewestPointsForFit;
    for (const AbPoint& run : cell.abPoints) {
        const RegressionPoint point = regressionPointOf(run);
        // A run with a pressure or efflux time of 0 (possible in a file written elsewhere)
        // has no place on the plot.
        if (!std::isfinite(point.x) || !std::isfinite(point.y))
            continue;
        data.points.push_back(
            {point.x, point.y, fitted ? abPointRow(run)[kPercentDiffColumn] : std::string()});
    }
    if (data.points.size() < 2) {
        if (cell.abPoints.empty())
            data.note = window_texts::kNoStandardRuns;
        else if (cell.abPoints.size() == 1)
            data.note = window_texts::kOneStandardRun;
        else
            data.note = window_texts::kStandardRunsNotPlotted;
        data.points.clear();
        return data;
    }

    const auto [xLow, xHigh] =
        std::minmax_element(data.points.begin(), data.points.end(),
                            [](const PlotPoint& a, const PlotPoint& b) { return a.x < b.x; });
    const auto [yLow, yHigh] =
        std::minmax_element(data.points.begin(), data.points.end(),
                            [](const PlotPoint& a, const PlotPoint& b) { return a.y < b.y; });
    double yMin = yLow->y;
    double yMax = yHigh->y;
    if (fitted && xLow->x < xHigh->x) {
        const PlotLine line{xLow->x, cell.constantA - cell.constantB * xLow->x, xHigh->x,
                            cell.constantA - cell.constantB * xHigh->x};
        if (std::isfinite(line.y1) && std::isfinite(line.y2)) {
            data.fit = line;
            yMin = std::min({yMin, line.y1, line.y2});
            yMax = std::max({yMax, line.y1, line.y2});
        }
    }
    data.xAxis = niceAxis(xLow->x, xHigh->x, kMostXTicks);
    data.yAxis = niceAxis(yMin, yMax, kMostYTicks);
    data.xAxis.title = "1/(P\u00b7T\u00b2)  (1/(psi\u00b7s\u00b2))";
    data.yAxis.title = "\u03b7/(P\u00b7T)  (mPa\u00b7s/(psi\u00b7s))";
    return data;
}

} // namespace rheo
