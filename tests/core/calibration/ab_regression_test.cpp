// The A/B regression: the checks of a new point, the fit with its per-point values, the
// notices, and removing points.

#include "core/calibration/ab_regression.hpp"

#include "calibration_fixtures.hpp"
#include "core/text/c_format.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace rheo {
namespace {

using testing::AbInput;
using testing::abReadyCell;
using Texts = std::vector<std::string>;

const std::string kRange = "Known Viscosity, Efflux Time, and Pressure must all be non zero and "
                           "non negative.\nPressures above 600 PSI are also inappropriate.";
const std::string kCellData =
    "The capillary radius, cell volume, and T0 are needed for this calculation.";
const std::string kHigher = "The efflux time was not within +-20% of the target efflux time.\n"
                            "Please run the sample again at a higher pressure.";
const std::string kLower = "The efflux time was not within +-20% of the target efflux time.\n"
                           "Please run the sample again at a lower pressure.";

CellCalibration cellWith(const std::vector<AbInput>& inputs, bool firstNewtonian = true) {
    CellCalibration cell = abReadyCell();
    for (size_t i = 0; i < inputs.size(); ++i)
        EXPECT_FALSE(AddAbPoint(cell, inputs[i].known, inputs[i].pressure, inputs[i].effluxTime,
                                i > 0 || firstNewtonian, "p" + std::to_string(i))
                         .rejected());
    return cell;
}

// The fit as the dialog shows it: A, B, RMS, then per point calc, % diff, Reynolds.
Texts shown(const CellCalibration& cell) {
    Texts texts = {cformat("%2.6f", cell.constantA), cformat("%2.6f", cell.constantB),
                   cformat("%2.2f", cell.rmsPercentDiff)};
    for (const AbPoint& p : cell.abPoints) {
        texts.push_back(cformat("%2.3f", p.calculatedViscosity));
        texts.push_back(cformat("%2.2f", p.percentDiff));
        texts.push_back(cformat("%2.1f", p.reynoldsNumber));
    }
    return texts;
}

TEST(AbRegressionFit, WorkedExamples) {
    EXPECT_EQ(shown(cellWith(testing::kFourStandards)),
              (Texts{"0.002783", "26.907721", "0.54", "7.004", "0.06", "290.9", "8.525", "-0.88",
                     "265.5", "9.451", "0.54", "269.4", "10.731", "0.29", "253.1"}));

    const Texts three =
        shown(cellWith({testing::kFourStandards.begin(), testing::kFourStandards.begin() + 3}));
    EXPECT_EQ(Texts(three.begin(), three.begin() + 3), (Texts{"0.002919", "35.311586", "0.56"}));

    const Texts exact = shown(cellWith(testing::kExactStandards));
    EXPECT_EQ(Texts(exact.begin(), exact.begin() + 4),
              (Texts{"0.002500", "9.000000", "0.00", "7.050"}));

    // The first point not Newtonian: corrected, while the fit ignores the flag.
    const Texts corrected = shown(cellWith(testing::kExactStandards, false));
    EXPECT_EQ(Texts(corrected.begin(), corrected.begin() + 5),
              (Texts{"0.002500", "9.000000", "0.52", "6.976", "-1.05"}));
}

TEST(AbRegressionFit, ZeroDeterminantGivesZeroConstantsAndFullDeviation) {
    // Every point has the same P*T*T, a power of two so the sums are exact: D is 0.
    EXPECT_EQ(shown(cellWith({{5, 128, 16}, {6, 128, 16}, {7, 128, 16}})),
              (Texts{"0.000000", "0.000000", "100.00", "0.000", "-100.00", "0.0", "0.000",
                     "-100.00", "0.0", "0.000", "-100.00", "0.0"}));
}

TEST(AbRegressionFit, NonPositiveViscosityAndMissingRadiusGiveZeros) {
    // The fitted line passes below zero at the third point's abscissa.
    const Texts texts = shown(cellWith({{60, 600, 20}, {3, 300, 20}, {2, 200, 20}}));
    EXPECT_EQ(Texts(texts.begin() + 9, texts.end()), (Texts{"0.000", "-100.00", "0.0"}));

    // A radius of 0 (possible after a cell data change) gives Reynolds 0, never NaN.
    CellCalibration cell = cellWith(testing::kFourStandards, false);
    cell.capillaryRadius = 0;
    cell.targetEffluxTime = 0;
    RecomputeAb(cell);
    for (const AbPoint& point : cell.abPoints)
        EXPECT_EQ(point.reynoldsNumber, 0.0);
    EXPECT_FALSE(std::isnan(cell.rmsPercentDiff));
}

TEST(AbRegressionNotices, DueBelowFourPointsAndConstantsOnlyFromThree) {
    CellCalibration cell = abReadyCell();
    const auto& in = testing::kFourStandards;
    for (size_t i = 0; i < in.size(); ++i) {
        const AbOutcome outcome =
            AddAbPoint(cell, in[i].known, in[i].pressure, in[i].effluxTime, true, "S");
        EXPECT_EQ(outcome.pointCount, i + 1);
        EXPECT_EQ(outcome.noticeDue, i + 1 < 4) << "after point " << i + 1;
        const Texts texts = shown(cell);
        const bool fitted = i + 1 >= 3;
        EXPECT_EQ(texts[0] != "0.000000", fitted);
        EXPECT_EQ(texts[2] != "0.00", fitted);
        EXPECT_EQ(texts[3] != "0.000", fitted); // the first point's calculated viscosity
    }
}

TEST(AbPointChecks, RangeFirstThenCellThenTwentyPercentOfT0) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    CellCalibration noVolume = abReadyCell();
    noVolume.cellVolume = 0;
    CellCalibration noRadius = abReadyCell();
    noRadius.capillaryRadius = 0;
    CellCalibration noT0 = abReadyCell();
    noT0.targetEffluxTime = 0;
    CellCalibration t0Is20 = abReadyCell();
    t0Is20.targetEffluxTime = 20;

    const struct {
        const CellCalibration* cell;
        double known, pressure, effluxTime;
        const std::string* message; // nullptr = accepted
    } cases[] = {
        {&noVolume, 8, 0, 18, &kRange},      {&noVolume, 8, 600.5, 18, &kRange},
        {&noVolume, 0, 200, 18, &kRange},    {&noVolume, 8, 200, -1, &kRange},
        {&noVolume, nan, 200, 18, &kRange},  {&noVolume, 8, nan, 18, &kRange},
        {&noVolume, 8, 200, nan, &kRange},   {&noVolume, inf, 200, 18, &kRange},
        {&noVolume, 8, 200, inf, &kRange},   {&noVolume, 8, 600, 18, &kCellData},
        {&noVolume, 8, 200, 99, &kCellData}, {&noRadius, 8, 200, 18, &kCellData},
        {&noT0, 8, 200, 18, &kCellData},     {&t0Is20, 50, 600, 24, nullptr},
        {&t0Is20, 8, 200, 16, nullptr},      {&t0Is20, 8, 200, 24.01, &kHigher},
        {&t0Is20, 8, 200, 15.99, &kLower},
    };
    for (const auto& c : cases) {
        CellCalibration cell = *c.cell;
        const AbOutcome outcome = AddAbPoint(cell, c.known, c.pressure, c.effluxTime, true, "S");
        const std::string label = cformat("%g %g %g", c.known, c.pressure, c.effluxTime);
        EXPECT_EQ(outcome.rejected(), c.message != nullptr) << label;
        if (c.message != nullptr) {
            EXPECT_EQ(outcome.rejection.value_or(""), *c.message) << label;
            EXPECT_EQ(cell, *c.cell) << label; // nothing changed
        }
    }
}

Texts namesOf(const CellCalibration& cell) {
    Texts names;
    for (const AbPoint& point : cell.abPoints)
        names.push_back(point.standardName);
    return names;
}

TEST(AbPointRemoval, PositionsAreTheSelectedRowsBeforeRemoval) {
    std::vector<AbInput> inputs = testing::kFourStandards;
    inputs.push_back({8.0, 200, 17.0});
    const CellCalibration five = cellWith(inputs);
    const struct {
        std::vector<size_t> positions;
        Texts left;
    } cases[] = {
        {{3, 1}, {"p0", "p2", "p4"}},
        {{1, 2}, {"p0", "p3", "p4"}}, // not the lowest row twice
        {{1, 1, 9}, {"p0", "p2", "p3", "p4"}},
    };
    for (const auto& c : cases) {
        CellCalibration cell = five;
        EXPECT_EQ(RemoveAbPoints(cell, c.positions).pointCount, c.left.size());
        EXPECT_EQ(namesOf(cell), c.left);
    }
    CellCalibration cell = five;
    EXPECT_FALSE(RemoveAbPoints(cell, {7}).noticeDue);
    EXPECT_EQ(cell, five); // nothing removed, nothing refitted
}

TEST(AbPointRemoval, BelowThreeZeroesConstantsAndKeepsPointValues) {
    CellCalibration cell = cellWith(testing::kFourStandards);
    const AbPoint second = cell.abPoints[1];
    AbOutcome outcome = RemoveAbPoints(cell, {0});
    EXPECT_TRUE(outcome.noticeDue);
    EXPECT_NE(cell.abPoints[0].calculatedViscosity, second.calculatedViscosity); // refitted
    const CellCalibration lastThree =
        cellWith({testing::kFourStandards.begin() + 1, testing::kFourStandards.end()});
    EXPECT_EQ(cell.constantA, lastThree.constantA);
    EXPECT_EQ(cell.rmsPercentDiff, lastThree.rmsPercentDiff);

    cell = cellWith(testing::kFourStandards);
    const AbPoint fourth = cell.abPoints[3];
    outcome = RemoveAbPoints(cell, {0, 2});
    EXPECT_EQ(outcome.pointCount, 2u);
    EXPECT_TRUE(outcome.noticeDue);
    EXPECT_EQ(shown(cell)[0], "0.000000");
    EXPECT_EQ(shown(cell)[1], "0.000000");
    EXPECT_EQ(shown(cell)[2], "0.00");
    EXPECT_EQ(cell.abPoints, (std::vector<AbPoint>{second, fourth}));

    outcome = RemoveAbPoints(cell, {0, 1});
    EXPECT_EQ(outcome.pointCount, 0u);
    EXPECT_TRUE(outcome.noticeDue);

    cell = cellWith(testing::kFourStandards);
    ClearAbPoints(cell);
    EXPECT_EQ(shown(cell), (Texts{"0.000000", "0.000000", "0.00"}));
    EXPECT_EQ(cell.cellVolume, 6); // volume and T0 stay
    EXPECT_EQ(cell.targetEffluxTime, 18);
}

} // namespace
} // namespace rheo
