// SPDX-License-Identifier: MIT
// The A/B regression: the checks of a new point, the fit with its per-point values, the
// notices, and removing points.

#include "core/calibration/ab_regression.hpp"

#include "calibration_fixtures.hpp"
#include "core/text/c_format.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace rheo {
namespace {

using namespace rheo::testing;

const std::string kZeros = "0.000000 0.000000 0.00";

// A, B and the RMS % difference as the dialog shows them, then calculated viscosity, %
// difference and Reynolds number of the first `points` points.
std::string shown(const CellCalibration& c, std::size_t points = 9) {
    std::string text = cformat("%2.6f %2.6f %2.2f", c.constantA, c.constantB, c.rmsPercentDiff);
    for (std::size_t i = 0; i < points && i < c.abPoints.size(); ++i) {
        const AbPoint& p = c.abPoints[i];
        text +=
            cformat(", %2.3f %2.2f %2.1f", p.calculatedViscosity, p.percentDiff, p.reynoldsNumber);
    }
    return text;
}

// Adds the run as a Newtonian one; what the operator is told.
std::string added(CellCalibration& cell, const AbInput& in) {
    return toldBy(AddAbPoint(cell, in.known, in.pressure, in.effluxTime, true, ""));
}

TEST(AbRegressionFit, WorkedExamplesPointByPointWithTheNoticeBelowFour) {
    // What the operator is told after each point, then A, B, the RMS % difference and the
    // first point's values: none before the third point.
    const std::string none = kZeros + ", 0.000 0.00 0.0";
    const std::string after[] = {"1 notice " + none, "2 notice " + none,
                                 "3 notice 0.002919 35.311586 0.56, 6.992 -0.12 291.4",
                                 "4 0.002783 26.907721 0.54, 7.004 0.06 290.9"};
    CellCalibration cell = kAbReadyCell;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string told = added(cell, kFourStandards[i]);
        EXPECT_EQ(told + " " + shown(cell, 1), after[i]);
    }
    EXPECT_EQ(shown(cell), "0.002783 26.907721 0.54, 7.004 0.06 290.9, 8.525 -0.88 265.5, "
                           "9.451 0.54 269.4, 10.731 0.29 253.1");
    // Runs made exactly from A = 0.0025 and B = 9, the first not Newtonian: corrected, while
    // the fit ignores the flag.
    EXPECT_EQ(shown(cellWith(kExactStandards, false), 1),
              "0.002500 9.000000 0.52, 6.976 -1.05 292.0");
    // Every point with the same P*T*T, a power of two so the sums are exact: D is 0.
    EXPECT_EQ(shown(cellWith({{5, 128, 16}, {6, 128, 16}, {7, 128, 16}}), 1),
              "0.000000 0.000000 100.00, 0.000 -100.00 0.0");
    // The fitted line passes below zero at the third point: stored as 0 with Reynolds 0.
    const std::string below = shown(cellWith({{60, 600, 20}, {3, 300, 20}, {2, 200, 20}}));
    EXPECT_EQ(below.substr(below.rfind(", ")), ", 0.000 -100.00 0.0");
}

TEST(AbPointChecks, RangeFirstThenCellThenTwentyPercentOfT0) {
    const std::string range = "Known Viscosity, Efflux Time, and Pressure must all be non zero "
                              "and non negative.\nPressures above 600 PSI are also inappropriate.";
    const std::string outside = "The efflux time was not within +-20% of the target efflux time.\n"
                                "Please run the sample again at a ";
    const AbInput outOfRange[] = {{8, 0, 18},    {8, 600.5, 18},      {0, 200, 18},
                                  {8, 200, -1},  {NAN, 200, 18},      {8, NAN, 18},
                                  {8, 200, NAN}, {INFINITY, 200, 18}, {8, 200, INFINITY}};
    CellCalibration cell = kAbReadyCell;
    cell.cellVolume = 0; // the range comes before the cell
    for (const AbInput& in : outOfRange)
        EXPECT_EQ(added(cell, in), range) << &in - outOfRange;
    using C = CellCalibration;
    for (double C::*member : {&C::cellVolume, &C::capillaryRadius, &C::targetEffluxTime}) {
        cell = kAbReadyCell;
        cell.*member = 0; // 600 PSI passes the range, T is not compared with T0
        EXPECT_EQ(added(cell, {8, 600, 99}),
                  "The capillary radius, cell volume, and T0 are needed for this calculation.");
    }
    cell.targetEffluxTime = 20;
    EXPECT_EQ(added(cell, {8, 200, 24.01}), outside + "higher pressure.");
    EXPECT_EQ(added(cell, {8, 200, 15.99}), outside + "lower pressure.");
    // Refused runs left nothing behind; both bounds of +-20 % are accepted.
    EXPECT_EQ(added(cell, {50, 600, 24}), "1 notice");
    EXPECT_EQ(added(cell, {8, 200, 16}), "2 notice");
}

TEST(AbPointRemoval, SelectedRowsGoThenRefitOrZerosBelowThree) {
    CellCalibration cell = cellWith(kFourStandards);
    EXPECT_EQ(toldBy(RemoveAbPoints(cell, {1, 9})), "3 notice");
    const auto& in = kFourStandards;
    EXPECT_EQ(shown(cell), shown(cellWith({in[0], in[2], in[3]})));
    const std::vector<AbPoint> kept = {cell.abPoints[0], cell.abPoints[2]};
    EXPECT_EQ(toldBy(RemoveAbPoints(cell, {1})), "2 notice");
    EXPECT_EQ(shown(cell, 0), kZeros);
    EXPECT_EQ(cell.abPoints, kept); // they keep their last computed values
    EXPECT_EQ(toldBy(RemoveAbPoints(cell, {0, 1})), "0 notice");

    cell = cellWith(in);
    cell.constantA = 1; // a row past the end removes nothing and refits nothing
    EXPECT_EQ(toldBy(RemoveAbPoints(cell, {7})), "4");
    EXPECT_EQ(shown(cell, 0), "1.000000 26.907721 0.54");
    ClearAbPoints(cell); // no outcome, no notice; volume and T0 stay
    EXPECT_EQ(shown(cell) + cformat(" %g %g", cell.cellVolume, cell.targetEffluxTime),
              kZeros + " 6 18");
}

} // namespace
} // namespace rheo
