// The values a cell needs before it counts as calibrated, and the accepted range of every
// number field with its message.

#include "core/model/field_rules.hpp"
#include "core/model/model.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace rheo {
namespace {

using F = NumberField;

// The refused run checks the message built from this list, and that negative values
// count as present.
TEST(MissingValues, AreTheExactZerosInFixedOrder) {
    EXPECT_EQ(missingFields(CellCalibration{}).names,
              "Working Shear Rate, Minimum Allowable Shear Rate, Maximum Allowable Shear Rate, "
              "Capillary Radius, Capillary Length, Cal Constant A, Cal Constant B, RMS % Diff, "
              "Cell Volume, Target Efflux Time");
}

TEST(MissingValues, OneMissingValueIsNamedInTheSingularSeveralInThePlural) {
    CellCalibration cell = {1, 0.075, 15, 0.0025, -9, 0.5, 6, 0, {}, {}, 1.1e6, 1e6, 1.2e6};
    EXPECT_EQ(notCalibratedMessage(missingFields(cell)),
              "This cell is not calibrated.\nCalibrate it, load different calibration data, or "
              "choose a different cell.\nThe value for Target Efflux Time is missing or invalid.");
    cell.workingShearRate = 0;
    EXPECT_EQ(notCalibratedMessage(missingFields(cell)),
              "This cell is not calibrated.\nCalibrate it, load different calibration data, or "
              "choose a different cell.Working Shear Rate, Target Efflux Time are missing or "
              "invalid.");
}

TEST(LocalDates, OnlyRealCalendarDatesAndTimesAreValid) {
    // year, month, day, hour, minute, valid
    const int cases[][6] = {
        {2024, 2, 29, 23, 59, 1}, {2023, 2, 29, 9, 5, 0}, {2000, 2, 29, 0, 0, 1},
        {1900, 2, 29, 0, 0, 0},   {2014, 4, 31, 9, 5, 0}, {2014, 13, 1, 9, 5, 0},
        {2014, 7, 4, 24, 0, 0},   {2014, 7, 4, 9, 60, 0}, {0, 0, 0, 0, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(makeLocalDateTime(c[0], c[1], c[2], c[3], c[4]).valid, c[5] == 1)
            << c[0] << "-" << c[1] << "-" << c[2] << " " << c[3] << ":" << c[4];
}

TEST(FieldRules, EveryFieldAcceptsExactlyItsRangeAndNamesItWhenRefusing) {
    const std::string time = "Enter a non zero and non negative value for the Efflux Time.\nValues "
                             "above 60 minutes are also not appropriate.";
    const std::string pressure = "Enter a non zero and non negative value for the "
                                 "Pressure.\nPressures above 600 PSI are also inappropriate.";
    // field, lowest value, whether it is accepted, highest accepted value, message
    const std::tuple<F, double, bool, double, std::string> ranges[] = {
        {F::RunEffluxTime, 0, false, 3600, time},
        {F::AbEffluxTime, 0, false, 3600, time},
        {F::RunPressure, 0, false, 600, pressure},
        {F::AbPressure, 0, false, 600, pressure},
        {F::EstimatedViscosity, 0, false, 40,
         "Enter a non zero and non negative value for the Estimated Viscosity.\nValues above 40 "
         "mPa*s are also not appropriate."},
        {F::KnownViscosity, 0, false, 40,
         "Enter a non zero and non negative value below 40 mPa*s for the Known Viscosity."},
        {F::TareWeight, 0, false, 100,
         "Please enter a non zero and non negative number for the tare weight.\nValues above 100 "
         "grams are also inappropriate."},
        {F::FullWeight, 0, false, 100,
         "Please enter a non zero and non negative number for the full weight.\nValues above 100 "
         "grams are also inappropriate."},
        {F::Density, 0.01, false, 10, "Please enter a value between 0.01 and 10 grams/ml."},
        {F::CapillaryLength, 0, true, 100,
         "Please enter a non negative Capillary Length.\nValues above 100 mm are also "
         "inappropriate."},
        {F::CapillaryDiameter, 0, true, 1,
         "Please enter a non negative value below 1 mm for the Capillary Diameter."},
        {F::MaxShearRate, 0, true, 2,
         "Please enter a Maximum Allowable Shear Rate between 0 and 2 (1x10e6 1/sec)."},
        {F::MinShearRate, 0, true, 2,
         "Please enter a Minimum Allowable Shear Rate between 0 and 2 (1x10e6 1/sec)."},
        {F::WorkingShearRate, 0, true, 2,
         "Please enter a Working Shear Rate between 0 and 2 (1x10e6 1/sec)."},
        {F::OperatingTemperature, 40, true, 150,
         "Please enter an operating temperature between 40 and 150 degrees celcius."},
        {F::EquilibriumTimerMinutes, 1, true, 30,
         "Please enter a temperature equilibrium timer duration between 1 and 30 minutes."},
        {F::StandardViscosity, 0, false, 40,
         "Enter a non-zero, non-negative viscosity below 40 mPa*s"}};
    for (const auto& [field, low, lowAccepted, high, message] : ranges) {
        const double lowest = lowAccepted ? low : std::nextafter(low, 1e9);
        for (double accepted : {lowest, high})
            EXPECT_EQ(fieldRefusal(field, accepted), std::nullopt) << message;
        for (double refused : {std::nextafter(lowest, -1e9), std::nextafter(high, 1e9), 0.0 + NAN,
                               -0.0 - NAN, 0.0 + INFINITY, -0.0 - INFINITY})
            EXPECT_EQ(fieldRefusal(field, refused).value_or("accepted"), message) << refused;
    }
    // The settings take whole numbers only.
    EXPECT_FALSE(fieldAccepts(F::OperatingTemperature, 100.5) ||
                 fieldAccepts(F::EquilibriumTimerMinutes, 1.5));
}

} // namespace
} // namespace rheo
