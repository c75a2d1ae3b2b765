// The volume and T0 of a cell from weighings, and the A/B recomputation that follows a
// change of volumes.

#include "core/calibration/volume_calculation.hpp"

#include "calibration_fixtures.hpp"
#include "core/calibration/ab_regression.hpp"
#include "core/calibration/field_rules.hpp"
#include "core/runs/formulas.hpp"
#include "core/text/c_format.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace rheo {
namespace {

using Texts = std::vector<std::string>;

CellCalibration weighingCell(double radius = 0.075, double workingShearRate = 1.4e6) {
    CellCalibration cell;
    cell.capillaryRadius = radius;
    cell.workingShearRate = workingShearRate;
    return cell;
}

// The last weighing's difference, T0 and volume, then the cell's means, as shown.
Texts shown(const CellCalibration& cell) {
    const VolumePoint& p = cell.volumePoints.back();
    return {cformat("%2.4f", p.fullWeight - p.tareWeight), cformat("%2.2f", p.effluxTimeT0),
            cformat("%2.4f", p.volume), cformat("%2.4f", cell.cellVolume),
            cformat("%2.2f", cell.targetEffluxTime)};
}

TEST(VolumeWeighings, WorkedExampleOfThreeWeighings) {
    CellCalibration cell = weighingCell();
    VolumeOutcome outcome = AddVolumePoint(cell, 10.0, 16.0, 0.8);
    EXPECT_EQ(shown(cell), (Texts{"6.0000", "16.17", "7.5000", "7.5000", "16.17"}));
    EXPECT_EQ(cformat("%.6f", cell.targetEffluxTime), "16.168121");
    EXPECT_EQ(outcome.pointCount, 1u);
    EXPECT_TRUE(outcome.noticeDue);

    outcome = AddVolumePoint(cell, 10.0, 16.1, 0.8);
    EXPECT_EQ(shown(cell)[1], "16.44");
    EXPECT_EQ(shown(cell)[2], "7.6250");
    EXPECT_TRUE(outcome.noticeDue);
    outcome = AddVolumePoint(cell, 10.0, 15.9, 0.8);
    EXPECT_EQ(shown(cell), (Texts{"5.9000", "15.90", "7.3750", "7.5000", "16.17"}));
    EXPECT_EQ(outcome.pointCount, 3u);
    EXPECT_FALSE(outcome.noticeDue);

    CellCalibration wider = weighingCell(0.1, 1.0e6);
    AddVolumePoint(wider, 10.0, 16.0, 0.8);
    EXPECT_EQ(shown(wider)[1], "9.55");
}

TEST(VolumeWeighings, ShearRateGoesThroughTheDisplayUnitAndBack) {
    // 1.1e6 * 1e-06 * 1000000 is not 1.1e6 in double precision; T0 uses the round trip.
    const double roundTrip = 1100000 * 1e-06 * 1000000;
    ASSERT_NE(roundTrip, 1100000);
    CellCalibration cell = weighingCell(0.075, 1100000);
    AddVolumePoint(cell, 10.0, 16.0, 0.8);
    EXPECT_EQ(cell.targetEffluxTime, formulas::targetEffluxTime(7.5, 0.075, roundTrip));
    EXPECT_NE(cell.targetEffluxTime, formulas::targetEffluxTime(7.5, 0.075, 1100000));
}

TEST(VolumeWeighings, RejectionsInTheirOrderLeaveTheCellAlone) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::string tareFull = "Tare Weight must be less than the Full Weight";
    const std::string shearRadius =
        "The Working Shear Rate and Capillary Radius are needed for this calculation.";
    const std::string density(fieldMessage(NumberField::Density));
    const struct {
        CellCalibration cell;
        double tare, full, density;
        std::string message;
    } cases[] = {
        {weighingCell(), 1, 1, 1, tareFull},
        {weighingCell(), 16, 10, 0.8, tareFull},
        {weighingCell(), nan, 16, 0.8, tareFull},
        {weighingCell(0), 16, 10, 0.8, tareFull},
        {weighingCell(0), 10, 16, 0.8, shearRadius},
        {weighingCell(0.075, 0), 10, 16, 0, shearRadius},
        // Never let through by the field checks; each would store an infinite volume.
        {weighingCell(), 10, 16, 0, density},
        {weighingCell(), 10, 16, nan, density},
        {weighingCell(), 10, inf, 0.8, std::string(fieldMessage(NumberField::FullWeight))},
        {weighingCell(), -inf, 16, 0.8, std::string(fieldMessage(NumberField::TareWeight))},
    };
    for (const auto& c : cases) {
        CellCalibration cell = c.cell;
        const VolumeOutcome outcome = AddVolumePoint(cell, c.tare, c.full, c.density);
        const std::string label = cformat("%g %g %g", c.tare, c.full, c.density);
        EXPECT_EQ(outcome.rejection.value_or("accepted"), c.message) << label;
        EXPECT_EQ(cell, c.cell) << label;
    }
}

TEST(VolumeRemoval, SelectedRowsGoAndTheMeansFollow) {
    CellCalibration cell = weighingCell();
    for (double full : {16.0, 16.1, 15.9, 17.0})
        AddVolumePoint(cell, 10.0, full, 0.8);
    const CellCalibration four = cell;
    EXPECT_EQ(RemoveVolumePoints(cell, {9}).pointCount, 4u);
    EXPECT_EQ(cell, four); // nothing removed, nothing changed

    VolumeOutcome outcome = RemoveVolumePoints(cell, {3, 2, 0, 2});
    EXPECT_EQ(outcome.pointCount, 1u);
    EXPECT_TRUE(outcome.noticeDue);
    EXPECT_EQ(shown(cell), (Texts{"6.1000", "16.44", "7.6250", "7.6250", "16.44"}));

    outcome = RemoveVolumePoints(cell, {0});
    EXPECT_TRUE(outcome.noticeDue);
    EXPECT_EQ(cell.cellVolume, 0.0);
    EXPECT_EQ(cell.targetEffluxTime, 0.0);

    cell = four;
    cell.constantA = 0.0025;
    ClearVolumePoints(cell);
    EXPECT_TRUE(cell.volumePoints.empty());
    EXPECT_EQ(cell.cellVolume, 0.0);
    EXPECT_EQ(cell.targetEffluxTime, 0.0);
    EXPECT_EQ(cell.constantA, 0.0025); // the regression is not touched
}

TEST(VolumeChangeRecomputation, RefitsOnlyCellsWithThreeOrMorePoints) {
    CalibrationData data;
    CellCalibration& fitted = data.cells[0];
    fitted = testing::abReadyCell();
    for (const auto& in : testing::kFourStandards)
        AddAbPoint(fitted, in.known, in.pressure, in.effluxTime, in.known != 7.0, "");
    const CellCalibration before = fitted;

    CellCalibration& twoPoints = data.cells[1];
    twoPoints = testing::abReadyCell();
    AddAbPoint(twoPoints, 8.6, 200, 18, true, "");
    AddAbPoint(twoPoints, 9.4, 250, 16, true, "");
    twoPoints.constantA = 0.5; // left exactly as it is
    twoPoints.cellVolume = 12;
    const CellCalibration twoBefore = twoPoints;

    fitted.cellVolume = 12;       // twice the volume: twice the Reynolds numbers
    fitted.targetEffluxTime = 20; // no correction left for the non-Newtonian first point
    RecomputeAfterVolumeChange(data);

    EXPECT_EQ(fitted.constantA, before.constantA);
    EXPECT_EQ(fitted.constantB, before.constantB);
    EXPECT_DOUBLE_EQ(fitted.abPoints[1].reynoldsNumber, 2 * before.abPoints[1].reynoldsNumber);
    EXPECT_EQ(fitted.abPoints[0].calculatedViscosity,
              formulas::viscosity(fitted.constantA, fitted.constantB, 150, 20));
    EXPECT_NE(fitted.rmsPercentDiff, before.rmsPercentDiff);
    EXPECT_EQ(twoPoints, twoBefore);
}

} // namespace
} // namespace rheo
