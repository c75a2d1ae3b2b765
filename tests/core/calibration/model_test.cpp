// The calibration model: defaults and reset, deep copies, the missing-field check and
// its message.

#include "core/calibration/model.hpp"

#include "calibration_fixtures.hpp"

#include <gtest/gtest.h>

namespace rheo {
namespace {

TEST(CalibrationModel, ResetGivesTheStateOfConstruction) {
    CalibrationData data;
    EXPECT_EQ(data.cells[4].cellNumber, 5);
    EXPECT_EQ(missingFields(data.cells[0]).count, 10);
    EXPECT_EQ(data.operatingTemperature, 150);
    EXPECT_EQ(data.equilibriumTimerMinutes, 1);

    for (auto& cell : data.cells) {
        cell = testing::calibratedCell(); // cell number 1 everywhere
        cell.abPoints.emplace_back();
        cell.volumePoints.emplace_back();
    }
    data.standards.push_back({"S", 2});
    data.companyName = "Lab";
    data.serialNumber = "42";
    data.operatingTemperature = 100;
    data.equilibriumTimerMinutes = 12;
    data.reset();
    EXPECT_EQ(data, CalibrationData{});
    for (int i = 0; i < kCellCount; ++i)
        EXPECT_EQ(data.cells[i].cellNumber, i + 1);
}

TEST(CalibrationModel, CopiesAreDeepSoABackupSurvivesEdits) {
    CalibrationData original;
    original.cells[2].abPoints.push_back(AbPoint{7, 20, 150, 7.004, 0.06, 290.9, true, "S1"});
    original.cells[2].volumePoints.push_back(VolumePoint{10, 16, 0.8, 16.17, 7.5});
    original.standards.push_back({"S1", 7});
    const CalibrationData backup = original;

    original.cells[2].abPoints[0].standardName = "changed";
    original.cells[2].volumePoints.clear();
    original.standards[0].viscosity = 9;
    EXPECT_EQ(backup.cells[2].abPoints[0].standardName, "S1");
    EXPECT_EQ(backup.cells[2].volumePoints.size(), 1u);
    EXPECT_EQ(backup.standards[0].viscosity, 7);

    original = backup; // what Cancel does
    EXPECT_EQ(original, backup);
}

TEST(MissingFields, ExactZerosAreListedInFixedOrderWithTheirMessage) {
    CellCalibration cell = testing::calibratedCell();
    cell.constantB = -3; // negative values count as present
    EXPECT_TRUE(missingFields(cell).empty());

    cell.targetEffluxTime = 0;
    EXPECT_EQ(notCalibratedMessage(missingFields(cell)),
              "This cell is not calibrated.\nCalibrate it, load different calibration data, or "
              "choose a different cell.\nThe value for Target Efflux Time is missing or "
              "invalid.");

    cell.capillaryRadius = 0;
    cell.workingShearRate = 0;
    EXPECT_EQ(missingFields(cell).count, 3);
    EXPECT_EQ(notCalibratedMessage(missingFields(cell)),
              "This cell is not calibrated.\nCalibrate it, load different calibration data, or "
              "choose a different cell.Working Shear Rate, Capillary Radius, Target Efflux "
              "Time are missing or invalid.");

    EXPECT_EQ(missingFields(CellCalibration{}).names,
              "Working Shear Rate, Minimum Allowable Shear Rate, Maximum Allowable Shear Rate, "
              "Capillary Radius, Capillary Length, Cal Constant A, Cal Constant B, RMS % Diff, "
              "Cell Volume, Target Efflux Time");
}

} // namespace
} // namespace rheo
