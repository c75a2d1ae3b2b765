// SPDX-License-Identifier: MIT
// The volume and T0 of a cell from weighings, the edits of a cell's geometry and shear
// rates, and what is computed again after either changes.

#include "calibration_fixtures.hpp"
#include "core/calibration/cell_data.hpp"
#include "core/calibration/volume_calculation.hpp"
#include "core/model/formulas.hpp"
#include "core/text/c_format.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace rheo {
namespace {

using namespace rheo::testing;
using F = NumberField;

// A cell of radius r (mm) and working shear rate w (1/s) with weighings of 10 g tare and
// density 0.8 g/ml at these full weights.
CellCalibration weighed(const std::vector<double>& fulls, double r = 0.075, double w = 1.4e6) {
    CellCalibration cell{1, r, 0, 0, 0, 0, 0, 0, {}, {}, w, 0, 0};
    for (double full : fulls)
        AddVolumePoint(cell, 10, full, 0.8);
    return cell;
}

TEST(VolumeWeighings, WorkedExamplesWithTheNoticeBelowThree) {
    CellCalibration cell = weighed({});
    std::string texts; // what the operator is told, the weighing's V and T0; then the means
    for (double full : {16.0, 16.1, 15.9}) {
        texts += toldBy(AddVolumePoint(cell, 10, full, 0.8));
        const VolumePoint& p = cell.volumePoints.back();
        texts += cformat(" %2.4f %2.2f, ", p.volume, p.effluxTimeT0);
    }
    EXPECT_EQ(texts + cformat("%2.4f %2.2f", cell.cellVolume, cell.targetEffluxTime),
              "1 notice 7.5000 16.17, 2 notice 7.6250 16.44, 3 7.3750 15.90, 7.5000 16.17");
    EXPECT_EQ(cformat("%.6f", weighed({16}).targetEffluxTime), "16.168121");
    EXPECT_EQ(cformat("%2.2f", weighed({16}, 0.1, 1.0e6).targetEffluxTime), "9.55");
    // The held shear rate goes through the display unit and back, and 1.1e6 * 1e-06 *
    // 1000000 is not 1.1e6 in double precision.
    const double t0 = weighed({16}, 0.075, 1100000).targetEffluxTime;
    EXPECT_EQ(t0, formulas::targetEffluxTime(7.5, 0.075, 1100000 * 1e-06 * 1000000));
    EXPECT_NE(t0, formulas::targetEffluxTime(7.5, 0.075, 1100000));
}

TEST(VolumeWeighings, RejectionsInTheirOrderChangeNothing) {
    const std::string tareFull = "Tare Weight must be less than the Full Weight";
    const std::string shearRadius =
        "The Working Shear Rate and Capillary Radius are needed for this calculation.";
    CellCalibration cell = weighed({}), noRadius = weighed({}, 0), noShearRate = weighed({}, 1, 0);
    EXPECT_EQ(toldBy(AddVolumePoint(cell, 1, 1, 1)), tareFull);
    EXPECT_EQ(toldBy(AddVolumePoint(cell, NAN, 16, 0.8)), tareFull);
    EXPECT_EQ(toldBy(AddVolumePoint(noRadius, 16, 10, 0.8)), tareFull);
    EXPECT_EQ(toldBy(AddVolumePoint(noRadius, 10, 16, 0.8)), shearRadius);
    EXPECT_EQ(toldBy(AddVolumePoint(noShearRate, 10, 16, 0)), shearRadius);
    // Never let through by the field checks; each would store an infinite volume.
    EXPECT_EQ(toldBy(AddVolumePoint(cell, 10, 16, 0)), fieldMessage(F::Density));
    EXPECT_EQ(toldBy(AddVolumePoint(cell, 10, 16, NAN)), fieldMessage(F::Density));
    EXPECT_EQ(toldBy(AddVolumePoint(cell, 10, INFINITY, 0.8)), fieldMessage(F::FullWeight));
    EXPECT_EQ(toldBy(AddVolumePoint(cell, -INFINITY, 16, 1)), fieldMessage(F::TareWeight));
    EXPECT_EQ(cell, weighed({}));
}

TEST(VolumeWeighings, RemovalOfTheSelectedRows) {
    CellCalibration cell = weighed({16.0, 16.1, 15.9, 17});
    EXPECT_EQ(toldBy(RemoveVolumePoints(cell, {3, 2, 0, 2, 9})), "1 notice");
    EXPECT_EQ(cell, weighed({16.1})); // the means follow
    EXPECT_EQ(toldBy(RemoveVolumePoints(cell, {0})), "0 notice");
    EXPECT_EQ(cell, weighed({})); // volume and T0 0
    cell = weighed({16.0, 16.1, 15.9, 17});
    ClearVolumePoints(cell);
    EXPECT_EQ(cell, weighed({}));
}

TEST(CellDataFields, AcceptedValuesGoIntoTheCellAndShowBackOthersWriteNothing) {
    CellCalibration cell;
    const double typed[] = {100, 1, 2, 1.01, 1.2}; // length, diameter, max, min, working
    for (std::size_t i = 0; i < kCellDataFieldOrder.size(); ++i) {
        EXPECT_TRUE(editCellDataField(cell, kCellDataFieldOrder[i], -1, typed[i]).written);
        EXPECT_DOUBLE_EQ(shownCellDataValue(cell, kCellDataFieldOrder[i]), typed[i]);
    }
    const CellCalibration held{1, 0.5, 100, 0, 0, 0, 0, 0, {}, {}, 1.2e6, 1.01e6, 2e6};
    // A refused value, the value the field showed before, or another dialog's field.
    EXPECT_EQ(editCellDataField(cell, F::CapillaryDiameter, 1, 1.2).refusal.value_or(""),
              fieldMessage(F::CapillaryDiameter));
    EXPECT_FALSE(editCellDataField(cell, F::CapillaryDiameter, 1, 1).written ||
                 editCellDataField(cell, F::Density, 1, 2).written);
    EXPECT_EQ(cell, held);
}

// Cell 1: 3 A/B points (the first not Newtonian) fitted with V = 6 ml and T0 = 18 s, and
// 3 weighings; cell 2: 2 A/B points, A = 0.004 and 3 weighings; cell 3: a T0, no weighing.
TEST(Recomputation, AfterAVolumeOrGeometryChangeCellsWithThreeOrMorePointsAreRefitted) {
    CalibrationData data;
    data.cells = {cellWith({kFourStandards.begin(), kFourStandards.begin() + 3}, false),
                  cellWith({kFourStandards.begin(), kFourStandards.begin() + 2}), kAbReadyCell};
    data.cells[1].constantA = 0.004;
    for (int i = 0; i < 2; ++i) {
        data.cells[i].workingShearRate = 1.4e6;
        for (double full : {16.0, 16.1, 15.9})
            AddVolumePoint(data.cells[i], 10, full, 0.8);
    }
    const CalibrationData before = data;
    recomputeAfterVolumeChange(data); // with the weighings' V and T0
    const CellCalibration& cell = data.cells[0];
    EXPECT_DOUBLE_EQ(cell.abPoints[1].reynoldsNumber,
                     cell.cellVolume / 6 * before.cells[0].abPoints[1].reynoldsNumber);
    EXPECT_EQ(data.cells[1], before.cells[1]);

    data.cells[0].capillaryRadius = 0.08;
    data.cells[1].workingShearRate = 1.1e6; // enters as held, no round trip
    recomputeAfterCellDataChange(data);
    for (const CellCalibration& c : {data.cells[0], data.cells[1]}) {
        const std::vector<VolumePoint>& p = c.volumePoints;
        EXPECT_EQ(c.targetEffluxTime,
                  (p[0].effluxTimeT0 + p[1].effluxTimeT0 + p[2].effluxTimeT0) / 3);
        EXPECT_EQ(p[2].effluxTimeT0,
                  formulas::targetEffluxTime(p[2].volume, c.capillaryRadius, c.workingShearRate));
    }
    const double eta = formulas::viscosity(cell.constantA, cell.constantB, 150, 20);
    EXPECT_EQ(cell.abPoints[0].calculatedViscosity, // refitted: the non-Newtonian point follows T0
              formulas::nonNewtonianCorrection(eta, 20, cell.targetEffluxTime));
    EXPECT_EQ(data.cells[1].constantA, 0.004);      // 2 points: not refitted
    EXPECT_EQ(data.cells[2].targetEffluxTime, 0.0); // no weighing

    // Without a radius or a working shear rate T0 is 0, and the refit stores no NaN.
    data.cells[0].capillaryRadius = 0;
    data.cells[1].workingShearRate = 0;
    recomputeAfterCellDataChange(data);
    EXPECT_EQ(data.cells[0].targetEffluxTime + data.cells[1].targetEffluxTime, 0.0);
    for (const AbPoint& point : cell.abPoints)
        EXPECT_EQ(point.reynoldsNumber, 0.0);
}

} // namespace
} // namespace rheo
