#include "core/runs/run_calculation.hpp"

#include "core/runs/example_cell.hpp"
#include "core/runs/formulas.hpp"
#include "core/text/c_format.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace rheo {
namespace {

using testing::exampleCell;

const LocalDateTime kNow = makeLocalDateTime(2014, 3, 5, 9, 7);

RunInput run(double pressure, double effluxTime, bool newtonian = true,
             std::string sampleId = "S1") {
    return RunInput{std::move(sampleId), pressure, effluxTime, newtonian};
}

const TestResult& accepted(const RunOutcome& outcome) {
    static const TestResult none;
    const auto* ok = std::get_if<RunAccepted>(&outcome);
    EXPECT_NE(ok, nullptr) << "refused: " << refusalMessage(outcome);
    return ok ? ok->result : none;
}

TEST(RunCalculation, WorkedExamplesDigitForDigit) {
    const CellCalibration cell = exampleCell();

    const std::array<std::string, 9> row = {
        "OIL;BATCH 7; LOT ", "2", "8.500", "1.006", "266.3", "Yes", "200.0", "18.00",
        "03/05/2014 09:07"};
    EXPECT_EQ(FormatResultRow(
                  accepted(ComputeRun(cell, 1, run(200, 18, true, "OIL,BATCH 7, LOT 123"), kNow))),
              row);
    EXPECT_EQ(cformat("%2.1f", TargetPressure(cell, 8.5)), "200.0");

    // At 20 s the shear rate is 0.905: the window must be widened for the run to pass.
    CellCalibration wider = cell;
    wider.minShearRate = 0.9e6;
    const TestResult corrected = accepted(ComputeRun(wider, 0, run(200, 20, false), kNow));
    EXPECT_EQ(FormatResultRow(corrected)[2], "9.450");
    EXPECT_FALSE(corrected.newtonian);
}

TEST(RunCalculation, NonNewtonianCorrectionFollowsTheRatioToT0) {
    CellCalibration cell = exampleCell();
    cell.minShearRate = 0.9e6; // lets 17.5 s to 19 s pass
    auto viscosity = [&](double effluxTime, bool newtonian) {
        return accepted(ComputeRun(cell, 0, run(200, effluxTime, newtonian), kNow)).viscosity;
    };
    EXPECT_EQ(viscosity(18, false), viscosity(18, true));
    EXPECT_GT(viscosity(17.5, false), viscosity(17.5, true));
    EXPECT_LT(viscosity(19, false), viscosity(19, true));
}

TEST(RunCalculation, RefusalSuggestsTheUncorrectedTargetPressureWithItsMargin) {
    CellCalibration cell = exampleCell();
    cell.minShearRate = 1.01e6;
    EXPECT_EQ(refusalMessage(ComputeRun(cell, 0, run(200, 18), kNow)),
              "Sample Run did not fall within\nShearRateMin 1.010 and ShearRateMax 1.200.\nRun "
              "the sample again at 201.50 psi.");

    // At 30 s the run is below the window and the correction factor is 0.95, not 1.
    cell = exampleCell();
    const auto plain = std::get<RunOutsideWindow>(ComputeRun(cell, 0, run(200, 30), kNow));
    const auto other = std::get<RunOutsideWindow>(ComputeRun(cell, 0, run(200, 30, false), kNow));
    EXPECT_EQ(plain.suggestedPressure, other.suggestedPressure);
    EXPECT_EQ(cformat("%2.2f", other.suggestedPressure), "340.31");
    EXPECT_EQ(std::get<RunOutsideWindow>(ComputeRun(cell, 0, run(340, 30), kNow)).band,
              PressureBand::Warning); // 575.39 psi
    EXPECT_EQ(std::get<RunOutsideWindow>(ComputeRun(cell, 0, run(400, 30), kNow)).band,
              PressureBand::OverLimit); // 676.14 psi
}

TEST(RunCalculation, RefusalMessagesFollowTheBandOfTheSuggestedPressure) {
    struct Edge {
        double pressure;
        PressureBand band;
        const char* tail;
    };
    const Edge edges[] = {
        {500.0, PressureBand::Normal, "Run the sample again at 500.00 psi."},
        {600.0, PressureBand::Warning,
         "Run the sample again at 600.00 psi.\nWarning: pressures above 500 psi are not "
         "recommended"},
        {600.0001, PressureBand::OverLimit,
         "To fall within the min and max shear rate you would have to run at a pressure "
         "higher than 600 psi, which is the max operating pressure."},
    };
    for (const Edge& edge : edges) {
        const PressureBand band = ClassifyPressure(edge.pressure);
        EXPECT_EQ(band, edge.band) << edge.pressure;
        EXPECT_EQ(refusalMessage(RunOutsideWindow{1.0, 1.2, edge.pressure, band}),
                  std::string("Sample Run did not fall within\nShearRateMin 1.000 and "
                              "ShearRateMax 1.200.\n") +
                      edge.tail);
    }
    EXPECT_EQ(ClassifyPressure(500.0001), PressureBand::Warning);
    EXPECT_EQ(ClassifyPressure(std::nan("")), PressureBand::OverLimit);
}

TEST(RunCalculation, WindowBoundsAreInclusiveAndANonNumberIsOutside) {
    const double shearRate = formulas::shearRate(6, 0.075, 18); // 1/s
    CellCalibration atLow = exampleCell();
    atLow.minShearRate = shearRate;
    CellCalibration atHigh = exampleCell();
    atHigh.minShearRate = 0.5e6;
    atHigh.maxShearRate = shearRate;
    accepted(ComputeRun(atLow, 0, run(200, 18), kNow));
    accepted(ComputeRun(atHigh, 0, run(200, 18), kNow));

    CellCalibration justAbove = exampleCell();
    justAbove.minShearRate = shearRate * (1 + 1e-12);
    EXPECT_TRUE(
        std::holds_alternative<RunOutsideWindow>(ComputeRun(justAbove, 0, run(200, 18), kNow)));

    CellCalibration noNumber = exampleCell();
    noNumber.cellVolume = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(
        std::holds_alternative<RunOutsideWindow>(ComputeRun(noNumber, 0, run(200, 18), kNow)));
}

TEST(RunCalculation, ViscosityOrReynoldsNumberBelowZeroIsStoredAsZeroAndStillAccepted) {
    CellCalibration cell = exampleCell();
    cell.constantB = 1000; // A * P * T = 9 < B / T
    auto row = FormatResultRow(accepted(ComputeRun(cell, 0, run(200, 18), kNow)));
    EXPECT_EQ(row[2], "0.000");
    EXPECT_EQ(row[4], "0.0");

    // A negative radius gives a negative Reynolds number, stored as 0.
    cell = exampleCell();
    cell.capillaryRadius = -0.075;
    cell.minShearRate = -1.2e6;
    cell.maxShearRate = -1.0e6;
    row = FormatResultRow(accepted(ComputeRun(cell, 0, run(200, 18), kNow)));
    EXPECT_EQ(row[2], "8.500");
    EXPECT_EQ(row[4], "0.0");

    // A negative T0 makes the correction no number; the list must not show "nan".
    cell = exampleCell();
    cell.targetEffluxTime = -18;
    row = FormatResultRow(accepted(ComputeRun(cell, 0, run(200, 18, false), kNow)));
    EXPECT_EQ(row[2], "0.000");
    EXPECT_EQ(row[4], "0.0");
}

TEST(RunCalculation, CellNotCalibratedIsRefusedWithSingularOrPluralMessage) {
    const std::string head = "This cell is not calibrated.\nCalibrate it, load different "
                             "calibration data, or choose a different cell.";
    CellCalibration oneMissing = exampleCell();
    oneMissing.targetEffluxTime = 0;
    RunOutcome outcome = ComputeRun(oneMissing, 0, run(200, 18), kNow);
    ASSERT_TRUE(std::holds_alternative<RunNotCalibrated>(outcome));
    EXPECT_EQ(refusalMessage(outcome),
              head + "\nThe value for Target Efflux Time is missing or invalid.");

    CellCalibration twoMissing = exampleCell();
    twoMissing.workingShearRate = 0;
    twoMissing.capillaryRadius = 0;
    outcome = ComputeRun(twoMissing, 0, run(200, 18), kNow);
    EXPECT_EQ(std::get<RunNotCalibrated>(outcome).missing.count, 2);
    EXPECT_EQ(refusalMessage(outcome),
              head + "Working Shear Rate, Capillary Radius are missing or invalid.");

    outcome = ComputeRun(CellCalibration{}, 0, run(200, 18), kNow);
    EXPECT_EQ(std::get<RunNotCalibrated>(outcome).missing.count, 10);

    EXPECT_EQ(refusalMessage(ComputeRun(exampleCell(), 0, run(200, 18), kNow)), "");
}

} // namespace
} // namespace rheo
