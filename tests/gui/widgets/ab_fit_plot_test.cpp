// SPDX-License-Identifier: MIT
// The plot of the A/B fit: the runs as points of the fit with their % differences, the
// fitted line, round axes around them, and a sentence instead of a plot below two runs.

#include "gui/widgets/ab_fit_plot.hpp"

#include "core/calibration/calibration_fixtures.hpp"
#include "core/calibration/point_texts.hpp"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace rheo {
namespace {

using testing::kFourStandards;

// The worked cell (V = 6 ml, r = 0.075 mm, T0 = 18 s) with its first `runs` standards.
CellCalibration workedCell(std::size_t runs) {
    return testing::cellWith({kFourStandards.begin(), kFourStandards.begin() + long(runs)});
}

// Ticks evenly spaced from end to end, with a margin around `low` to `high`.
void expectAxisCovers(const PlotAxis& axis, double low, double high) {
    ASSERT_GE(axis.ticks.size(), 2u);
    EXPECT_EQ(axis.tickLabels.size(), axis.ticks.size());
    EXPECT_EQ(axis.minimum, axis.ticks.front());
    EXPECT_EQ(axis.maximum, axis.ticks.back());
    EXPECT_LT(axis.minimum, low);
    EXPECT_GT(axis.maximum, high);
    const double step = axis.ticks[1] - axis.ticks[0];
    for (std::size_t i = 1; i < axis.ticks.size(); ++i)
        EXPECT_NEAR(axis.ticks[i] - axis.ticks[i - 1], step, step * 1e-9);
}

// Each run at x = 1/(P T^2), y = known viscosity/(P T), labelled with the list's % difference;
// the line y = A - B x across the runs' x range; round ticks around both (the points lie
// from 1.48e-5 to 1.67e-5 and from 2.33e-3 to 2.39e-3).
TEST(AbFitPlotData, WorkedCellGivesItsRunsTheFittedLineAndTheListsPercentages) {
    const CellCalibration cell = workedCell(4);
    const FitPlotData data = abFitPlotData(cell);
    EXPECT_FALSE(data.note);
    ASSERT_EQ(data.points.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const auto [known, pressure, time] = kFourStandards[i];
        EXPECT_DOUBLE_EQ(data.points[i].x, 1 / (pressure * time * time)) << i;
        EXPECT_DOUBLE_EQ(data.points[i].y, known / (pressure * time)) << i;
        EXPECT_EQ(data.points[i].label, abPointRow(cell.abPoints[i])[5]); // % difference
    }
    ASSERT_TRUE(data.fit);
    EXPECT_DOUBLE_EQ(data.fit->x1, 1.0 / 67500);
    EXPECT_DOUBLE_EQ(data.fit->x2, 1.0 / 60000);
    EXPECT_DOUBLE_EQ(data.fit->y1, cell.constantA - cell.constantB * data.fit->x1);
    EXPECT_DOUBLE_EQ(data.fit->y2, cell.constantA - cell.constantB * data.fit->x2);
    EXPECT_EQ(data.xAxis.tickLabels,
              (std::vector<std::string>{"1.4e-5", "1.5e-5", "1.6e-5", "1.7e-5"}));
    EXPECT_EQ(data.yAxis.tickLabels,
              (std::vector<std::string>{"2.32e-3", "2.34e-3", "2.36e-3", "2.38e-3", "2.40e-3"}));
    EXPECT_NE(data.xAxis.title.find("psi"), std::string::npos);
    EXPECT_NE(data.yAxis.title.find("mPa"), std::string::npos);
}

// Two runs are points without line or percentages; fewer are a sentence; runs that cannot
// be placed are left out, never drawn at infinity; runs all at one x give no line.
TEST(AbFitPlotData, FewOrUnplaceableRunsPlotWhatCanBePlotted) {
    const FitPlotData two = abFitPlotData(workedCell(2));
    EXPECT_EQ(two.points.size(), 2u);
    EXPECT_FALSE(two.fit);
    EXPECT_EQ(two.points[0].label, "");
    EXPECT_EQ(abFitPlotData(workedCell(1)).note,
              "One standard run so far: the plot starts with the second.");
    EXPECT_EQ(abFitPlotData(workedCell(0)).note, "No standard runs in this cell yet.");

    CellCalibration cell = workedCell(4);
    cell.abPoints[1].pressure = 0;
    EXPECT_EQ(abFitPlotData(cell).points.size(), 3u);
    cell.abPoints[0].effluxTime = 0;
    cell.abPoints[2].pressure = 0;
    EXPECT_EQ(abFitPlotData(cell).note, "The standard runs of this cell cannot be plotted.");
    cell = testing::cellWith({{5.0, 128, 16}, {6.0, 128, 16}, {7.0, 128, 16}});
    const FitPlotData sameX = abFitPlotData(cell);
    EXPECT_EQ(sameX.points.size(), 3u);
    EXPECT_FALSE(sameX.fit);
    expectAxisCovers(sameX.xAxis, sameX.points[0].x, sameX.points[0].x);
}

// Steps of 1, 2 or 5 times a power of ten around the range, either way round, with the
// decimals the step needs; a range of one value gets one around it; ranges beyond any run
// still give two ends. (Runs give positive values of the order of the worked cell's.)
TEST(NiceAxis, OneTwoFiveStepsAroundTheRange) {
    const std::tuple<double, double, int, std::vector<std::string>> cases[] = {
        {1.667e-5, 1.481e-5, 4, {"1.4e-5", "1.5e-5", "1.6e-5", "1.7e-5"}},
        {5, 5, 6, {"4.6", "4.8", "5.0", "5.2", "5.4"}},
        {0.2, 0.9, 6, {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}}};
    for (const auto& [low, high, mostTicks, labels] : cases) {
        const PlotAxis axis = niceAxis(low, high, mostTicks);
        EXPECT_EQ(axis.tickLabels, labels);
        EXPECT_LE(axis.ticks.size(), std::size_t(mostTicks));
        expectAxisCovers(axis, std::min(low, high), std::max(low, high));
    }
    for (const PlotAxis& wild : {niceAxis(-1e308, 1e308, 5), niceAxis(0, INFINITY, 5),
                                 niceAxis(NAN, 1, 5), niceAxis(4e-324, 4e-324, 5)}) {
        EXPECT_GE(wild.ticks.size(), 2u);
        EXPECT_LT(wild.minimum, wild.maximum);
    }
}

// Drawn at any size, however small. (The A/B dialog's tests follow the plot from cell to
// cell.)
TEST(AbFitPlotWidget, DrawsAtAnySize) {
    AbFitPlot plot;
    plot.showCell(workedCell(4));
    for (const QSize size : {plot.sizeHint(), QSize(12, 9), QSize(0, 0)}) {
        plot.resize(size);
        EXPECT_EQ(plot.grab().toImage().size(), size);
    }
}

} // namespace
} // namespace rheo
