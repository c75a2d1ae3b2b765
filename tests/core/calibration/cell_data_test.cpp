// Editing a cell's geometry and shear rates, and the recomputation after such a change.

#include "core/calibration/cell_data.hpp"

#include "core/calibration/ab_regression.hpp"
#include "core/calibration/volume_calculation.hpp"
#include "core/runs/formulas.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace rheo {
namespace {

TEST(CellDataFields, ShownValueRefusalAndConversionIntoTheCell) {
    CellCalibration cell;
    cell.capillaryRadius = 0.075;
    cell.workingShearRate = 1.4e6;
    EXPECT_EQ(shownCellDataValue(cell, NumberField::CapillaryDiameter), 0.15);
    EXPECT_EQ(shownCellDataValue(cell, NumberField::WorkingShearRate), 1.4e6 * 1e-6);

    const struct {
        NumberField field;
        double value;
        double CellCalibration::*member;
        double held; // NaN: refused, nothing written
    } cases[] = {
        {NumberField::CapillaryLength, 100, &CellCalibration::capillaryLength, 100},
        {NumberField::CapillaryLength, 150, &CellCalibration::capillaryLength, NAN},
        {NumberField::CapillaryDiameter, 1.0, &CellCalibration::capillaryRadius, 0.5},
        {NumberField::CapillaryDiameter, 1.2, &CellCalibration::capillaryRadius, NAN},
        {NumberField::MaxShearRate, 2, &CellCalibration::maxShearRate, 2e6},
        {NumberField::MinShearRate, 1.01, &CellCalibration::minShearRate, 1.01 * 1000000},
        {NumberField::WorkingShearRate, 1.2, &CellCalibration::workingShearRate, 1.2 * 1000000},
        {NumberField::WorkingShearRate, 2.5, &CellCalibration::workingShearRate, NAN},
    };
    for (const auto& c : cases) {
        CellCalibration edited = cell;
        const CellDataEdit edit = editCellDataField(edited, c.field, -1, c.value);
        const bool refused = std::isnan(c.held);
        EXPECT_EQ(edit.refusal.value_or(""), refused ? fieldMessage(c.field) : "");
        EXPECT_EQ(edit.written, !refused);
        EXPECT_EQ(edited.*c.member, refused ? cell.*c.member : c.held);
    }
}

TEST(CellDataFields, SameValueOrAnotherDialogsFieldWritesNothing) {
    CellCalibration cell;
    cell.capillaryRadius = 0.075;
    const CellCalibration before = cell;
    EXPECT_FALSE(editCellDataField(cell, NumberField::CapillaryDiameter, 0.15, 0.15).written);
    EXPECT_FALSE(editCellDataField(cell, NumberField::Density, 1, 2).written);
    EXPECT_EQ(cell, before);
    EXPECT_EQ(kCellDataFieldOrder[0], NumberField::CapillaryLength);
    EXPECT_EQ(kCellDataFieldOrder[4], NumberField::WorkingShearRate);
}

// Cell 1: weighings and 3 A/B points, two of them not Newtonian; cell 2: weighings and
// 2 A/B points; cell 3: a T0 but no weighings.
CalibrationData geometryExample() {
    CalibrationData data;
    for (int i = 0; i < 2; ++i) {
        CellCalibration& cell = data.cells[i];
        cell.capillaryRadius = 0.075;
        cell.workingShearRate = 1.4e6;
        for (double full : {16.0, 16.1, 15.9})
            AddVolumePoint(cell, 10, full, 0.8); // T0 about 16.17 s
        for (int k = 0; k < 3 - i; ++k)
            EXPECT_FALSE(AddAbPoint(cell, 8 + k, 200, 16 + k, k == 0, "").rejected());
    }
    data.cells[1].constantA = 0.004; // a cell with 2 points keeps whatever it holds
    data.cells[2].targetEffluxTime = 18;
    data.cells[2].capillaryRadius = 0.075;
    data.cells[2].workingShearRate = 1.4e6;
    return data;
}

TEST(CellDataChangeRecomputation, NewT0FromEveryWeighingThenRefit) {
    CalibrationData data = geometryExample();
    const CalibrationData before = data;
    data.cells[0].capillaryRadius = 0.08;
    data.cells[1].workingShearRate = 1.1e6; // enters as held, no round trip
    RecomputeAfterCellDataChange(data);

    double sum = 0;
    for (const VolumePoint& point : data.cells[0].volumePoints) {
        EXPECT_EQ(point.effluxTimeT0, formulas::targetEffluxTime(point.volume, 0.08, 1.4e6));
        sum += point.effluxTimeT0;
    }
    EXPECT_EQ(data.cells[0].targetEffluxTime, sum / 3);
    EXPECT_EQ(data.cells[0].cellVolume, before.cells[0].cellVolume);
    const VolumePoint& third = data.cells[1].volumePoints[2];
    EXPECT_EQ(third.effluxTimeT0, formulas::targetEffluxTime(third.volume, 0.075, 1.1e6));

    // Cell 1 was refitted after its new T0: the non-Newtonian points follow it.
    const CellCalibration& cell = data.cells[0];
    EXPECT_EQ(cell.constantA, before.cells[0].constantA);
    const double eta = formulas::viscosity(cell.constantA, cell.constantB, 200, 17);
    EXPECT_EQ(cell.abPoints[1].calculatedViscosity,
              formulas::nonNewtonianCorrection(eta, 17, cell.targetEffluxTime));

    EXPECT_EQ(data.cells[1].constantA, 0.004); // two points: nothing refitted
    EXPECT_EQ(data.cells[1].abPoints, before.cells[1].abPoints);
    EXPECT_EQ(data.cells[2].targetEffluxTime, 0.0); // no weighing: T0 0
}

TEST(CellDataChangeRecomputation, MissingRadiusOrShearRateGivesZeroT0) {
    CalibrationData data = geometryExample();
    data.cells[0].capillaryRadius = 0;
    data.cells[1].workingShearRate = 0;
    RecomputeAfterCellDataChange(data);
    for (int i = 0; i < 2; ++i) {
        for (const VolumePoint& point : data.cells[i].volumePoints)
            EXPECT_EQ(point.effluxTimeT0, 0.0);
        EXPECT_EQ(data.cells[i].targetEffluxTime, 0.0);
    }
    for (const AbPoint& point : data.cells[0].abPoints) // refitted: numbers, not NaN
        EXPECT_EQ(point.reynoldsNumber, 0.0);
    EXPECT_FALSE(std::isnan(data.cells[0].rmsPercentDiff));
}

} // namespace
} // namespace rheo
