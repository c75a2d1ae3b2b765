// The plot of the A/B fit: the runs as points of the fit with their % differences, the
// fitted line, round axes around them, and a sentence instead of a plot below two runs.

#include "gui/widgets/ab_fit_plot.hpp"

#include "core/calibration/ab_regression.hpp"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace rheo {
namespace {

struct StandardRun {
    double known, pressure, effluxTime;
};

// The worked cell: V = 6 ml, r = 0.075 mm, T0 = 18 s, four Newtonian standards.
const StandardRun kWorkedRuns[] = {
    {7.0, 150, 20.0}, {8.6, 200, 18.0}, {9.4, 250, 16.0}, {10.7, 300, 15.0}};

CellCalibration workedCell(std::size_t runs) {
    CellCalibration cell;
    cell.cellVolume = 6;
    cell.capillaryRadius = 0.075;
    cell.targetEffluxTime = 18;
    for (std::size_t i = 0; i < runs; ++i) {
        const StandardRun& r = kWorkedRuns[i];
        EXPECT_FALSE(AddAbPoint(cell, r.known, r.pressure, r.effluxTime, true, "S").rejected());
    }
    return cell;
}

void expectAxisCovers(const PlotAxis& axis, double low, double high, std::size_t mostTicks) {
    ASSERT_GE(axis.ticks.size(), 2u);
    EXPECT_LE(axis.ticks.size(), mostTicks);
    EXPECT_EQ(axis.tickLabels.size(), axis.ticks.size());
    EXPECT_EQ(axis.minimum, axis.ticks.front());
    EXPECT_EQ(axis.maximum, axis.ticks.back());
    EXPECT_LT(axis.minimum, low); // a margin on both sides
    EXPECT_GT(axis.maximum, high);
    const double step = axis.ticks[1] - axis.ticks[0];
    for (std::size_t i = 1; i < axis.ticks.size(); ++i)
        EXPECT_NEAR(axis.ticks[i] - axis.ticks[i - 1], step, step * 1e-9);
}

TEST(AbFitPlotData, WorkedCellGivesItsRunsTheFittedLineAndTheListsPercentages) {
    const CellCalibration cell = workedCell(4);
    const FitPlotData data = abFitPlotData(cell);
    EXPECT_FALSE(data.note);
    ASSERT_EQ(data.points.size(), 4u);
    const char* percentages[] = {"0.06", "-0.88", "0.54", "0.29"};
    for (std::size_t i = 0; i < 4; ++i) {
        const StandardRun& r = kWorkedRuns[i];
        EXPECT_DOUBLE_EQ(data.points[i].x, 1 / (r.pressure * r.effluxTime * r.effluxTime)) << i;
        EXPECT_DOUBLE_EQ(data.points[i].y, r.known / (r.pressure * r.effluxTime)) << i;
        EXPECT_EQ(data.points[i].label, percentages[i]);
    }
    // Across the runs' x range (300 psi and 15 s to 150 psi and 20 s) on y = A - B*x.
    ASSERT_TRUE(data.fit);
    EXPECT_DOUBLE_EQ(data.fit->x1, 1.0 / 67500);
    EXPECT_DOUBLE_EQ(data.fit->x2, 1.0 / 60000);
    EXPECT_DOUBLE_EQ(data.fit->y1, cell.constantA - cell.constantB * data.fit->x1);
    EXPECT_DOUBLE_EQ(data.fit->y2, cell.constantA - cell.constantB * data.fit->x2);
    EXPECT_GT(data.fit->y1, data.fit->y2); // B > 0: the line falls

    EXPECT_EQ(data.xAxis.tickLabels,
              (std::vector<std::string>{"1.4e-5", "1.5e-5", "1.6e-5", "1.7e-5"}));
    EXPECT_EQ(data.yAxis.tickLabels,
              (std::vector<std::string>{"2.32e-3", "2.34e-3", "2.36e-3", "2.38e-3", "2.40e-3"}));
    EXPECT_NE(data.xAxis.title.find("psi"), std::string::npos);
    EXPECT_NE(data.yAxis.title.find("mPa"), std::string::npos);
}

TEST(AbFitPlotData, AxesCoverThePointsAndTheLineForEveryNumberOfRuns) {
    for (std::size_t runs = 2; runs <= 4; ++runs) {
        SCOPED_TRACE(runs);
        const FitPlotData data = abFitPlotData(workedCell(runs));
        ASSERT_EQ(data.points.size(), runs);
        const auto [xLow, xHigh] =
            std::minmax_element(data.points.begin(), data.points.end(),
                                [](const PlotPoint& a, const PlotPoint& b) { return a.x < b.x; });
        std::vector<double> ys;
        for (const PlotPoint& p : data.points)
            ys.push_back(p.y);
        if (data.fit) {
            ys.push_back(data.fit->y1);
            ys.push_back(data.fit->y2);
        }
        const auto [yLow, yHigh] = std::minmax_element(ys.begin(), ys.end());
        expectAxisCovers(data.xAxis, xLow->x, xHigh->x, 4);
        expectAxisCovers(data.yAxis, *yLow, *yHigh, 6);
    }
}

TEST(AbFitPlotData, TwoRunsArePointsWithoutLineOrPercentagesFewerAreASentence) {
    const FitPlotData two = abFitPlotData(workedCell(2));
    EXPECT_FALSE(two.note);
    EXPECT_EQ(two.points.size(), 2u);
    EXPECT_FALSE(two.fit); // A and B are fitted from the third run on
    for (const PlotPoint& p : two.points)
        EXPECT_EQ(p.label, "");
    EXPECT_TRUE(abFitPlotData(workedCell(3)).fit);

    const FitPlotData one = abFitPlotData(workedCell(1));
    EXPECT_EQ(one.note, "One standard run so far: the plot starts with the second.");
    EXPECT_TRUE(one.points.empty());
    EXPECT_FALSE(one.fit);
    EXPECT_EQ(abFitPlotData(workedCell(0)).note, "No standard runs in this cell yet.");
}

TEST(AbFitPlotData, RunsThatCannotBePlacedAreLeftOutNeverDrawnAtInfinity) {
    // A calibration file written elsewhere may hold a run with a pressure or time of 0.
    CellCalibration cell = workedCell(4);
    cell.abPoints[1].pressure = 0;
    FitPlotData data = abFitPlotData(cell);
    EXPECT_EQ(data.points.size(), 3u);
    EXPECT_LT(data.xAxis.maximum, 1e-4);
    cell.abPoints[0].effluxTime = 0;
    cell.abPoints[2].pressure = 0;
    data = abFitPlotData(cell);
    EXPECT_EQ(data.note, "The standard runs of this cell cannot be plotted.");
    EXPECT_TRUE(data.points.empty());
    // Every run at the same x (a fit with D = 0, A = B = 0): points, but no line of no length.
    cell = CellCalibration{};
    for (const double known : {5.0, 6.0, 7.0}) {
        AbPoint run;
        run.knownViscosity = known;
        run.pressure = 128;
        run.effluxTime = 16;
        cell.abPoints.push_back(run);
    }
    data = abFitPlotData(cell);
    EXPECT_EQ(data.points.size(), 3u);
    EXPECT_FALSE(data.fit);
    expectAxisCovers(data.xAxis, data.points[0].x, data.points[0].x, 4);
}

struct AxisCase {
    double low, high;
    int mostTicks;
    std::vector<std::string> labels;
};

void PrintTo(const AxisCase& c, std::ostream* out) {
    *out << c.low << " to " << c.high << ", at most " << c.mostTicks << " ticks";
}

class NiceAxis : public ::testing::TestWithParam<AxisCase> {};

TEST_P(NiceAxis, OneTwoFiveStepsAroundTheRangeWithTheDecimalsTheStepNeeds) {
    const AxisCase& c = GetParam();
    const PlotAxis axis = niceAxis(c.low, c.high, c.mostTicks);
    EXPECT_EQ(axis.tickLabels, c.labels);
    expectAxisCovers(axis, std::min(c.low, c.high), std::max(c.low, c.high),
                     static_cast<std::size_t>(c.mostTicks));
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, NiceAxis,
    ::testing::Values(AxisCase{1.481e-5, 1.667e-5, 4, {"1.4e-5", "1.5e-5", "1.6e-5", "1.7e-5"}},
                      AxisCase{1.667e-5, 1.481e-5, 4, {"1.4e-5", "1.5e-5", "1.6e-5", "1.7e-5"}},
                      // One value: a range around it.
                      AxisCase{5, 5, 6, {"4.6", "4.8", "5.0", "5.2", "5.4"}},
                      AxisCase{0, 0, 6, {"-1.0", "-0.5", "0.0", "0.5", "1.0"}},
                      AxisCase{-3e-3, -1e-3, 6, {"-4e-3", "-3e-3", "-2e-3", "-1e-3", "0"}},
                      AxisCase{12000, 48000, 5, {"0", "2e4", "4e4", "6e4"}},
                      AxisCase{0.2, 0.9, 6, {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}},
                      AxisCase{2.3333e-3,
                               2.3889e-3,
                               6,
                               {"2.32e-3", "2.34e-3", "2.36e-3", "2.38e-3", "2.40e-3"}}));

TEST(NiceAxisLimits, RangesBeyondAnyRunStillGiveTwoEnds) {
    const PlotAxis axis = niceAxis(-1e308, 1e308, 5);
    EXPECT_EQ(axis.ticks.size(), 2u);
    EXPECT_LT(axis.minimum, axis.maximum);
    EXPECT_EQ(niceAxis(0, INFINITY, 5).ticks.size(), 2u);
    EXPECT_EQ(niceAxis(NAN, 1, 5).ticks.size(), 2u);
    // Values so small that steps underflow on the way.
    for (const PlotAxis& tiny : {niceAxis(1e-320, 2e-320, 5), niceAxis(4e-324, 4e-324, 5)}) {
        EXPECT_GE(tiny.ticks.size(), 2u);
        EXPECT_LT(tiny.minimum, tiny.maximum);
    }
}

TEST(AbFitPlotWidget, FollowsTheCellAndDrawsAtAnySize) {
    AbFitPlot plot;
    EXPECT_EQ(plot.plotData().note, "No standard runs in this cell yet."); // before any cell
    plot.showCell(workedCell(4));
    EXPECT_EQ(plot.plotData().points.size(), 4u);
    EXPECT_TRUE(plot.plotData().fit);
    for (const QSize size : {plot.sizeHint(), QSize(600, 400), QSize(12, 9), QSize(0, 0)}) {
        plot.resize(size);
        const QImage image = plot.grab().toImage();
        EXPECT_EQ(image.size(), size);
    }
    plot.showCell(workedCell(1));
    EXPECT_TRUE(plot.plotData().note);
    plot.resize(plot.sizeHint());
    EXPECT_FALSE(plot.grab().isNull());
}

} // namespace
} // namespace rheo
