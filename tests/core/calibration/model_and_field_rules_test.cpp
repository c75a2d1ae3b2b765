// SPDX-License-Identifier: MIT
// The values a cell needs before it counts as calibrated, and the accepted range of every
// number field with its message.

#include "core/model/field_rules.hpp"
#include "core/model/model.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

namespace rheo {
namespace {

using F = NumberField;

// The values in their fixed order, one named in the singular, several in the plural; negative
// values count as present.
TEST(MissingValues, AreTheExactZerosNamedInFixedOrder) {
    const std::string start = "This cell is not calibrated.\nCalibrate it, load different "
                              "calibration data, or choose a different cell.";
    EXPECT_EQ(missingFieldsOf(CellCalibration{}).names,
              "Working Shear Rate, Minimum Allowable Shear Rate, Maximum Allowable Shear Rate, "
              "Capillary Radius, Capillary Length, Cal Constant A, Cal Constant B, RMS % Diff, "
              "Cell Volume, Target Efflux Time");
    CellCalibration cell = {1, 0.075, 15, 0.0025, -9, 0.5, 6, 0, {}, {}, 1.1e6, 1e6, 1.2e6};
    EXPECT_EQ(notCalibratedMessage(missingFieldsOf(cell)),
              start + "\nThe value for Target Efflux Time is missing or invalid.");
    cell.workingShearRate = 0;
    EXPECT_EQ(notCalibratedMessage(missingFieldsOf(cell)),
              start + "Working Shear Rate, Target Efflux Time are missing or invalid.");
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

// Each field accepts exactly its range (bounds as they are included or not) and refuses
// everything else, numbers that are no numbers included, with its own message.
TEST(FieldRules, EveryFieldAcceptsExactlyItsRangeAndNamesItWhenRefusing) {
    // fields, lowest value, whether it is accepted, highest accepted value
    const std::tuple<std::vector<F>, double, bool, double> ranges[] = {
        {{F::RunEffluxTime, F::AbEffluxTime}, 0, false, 3600},
        {{F::RunPressure, F::AbPressure}, 0, false, 600},
        {{F::EstimatedViscosity, F::KnownViscosity, F::StandardViscosity}, 0, false, 40},
        {{F::TareWeight, F::FullWeight}, 0, false, 100},
        {{F::Density}, 0.01, false, 10},
        {{F::CapillaryLength}, 0, true, 100},
        {{F::CapillaryDiameter}, 0, true, 1},
        {{F::MaxShearRate, F::MinShearRate, F::WorkingShearRate}, 0, true, 2},
        {{F::OperatingTemperature}, 40, true, 150},
        {{F::EquilibriumTimerMinutes}, 1, true, 30}};
    for (const auto& [fields, low, lowAccepted, high] : ranges) {
        for (const F field : fields) {
            const std::string message(fieldMessage(field));
            EXPECT_FALSE(message.empty());
            const double lowest = lowAccepted ? low : std::nextafter(low, 1e9);
            for (double accepted : {lowest, high})
                EXPECT_EQ(fieldRefusal(field, accepted), std::nullopt) << message;
            for (double refused : {std::nextafter(lowest, -1e9), std::nextafter(high, 1e9),
                                   0.0 + NAN, -0.0 - NAN, 0.0 + INFINITY, -0.0 - INFINITY})
                EXPECT_EQ(fieldRefusal(field, refused).value_or("accepted"), message) << refused;
        }
    }
    // The settings take whole numbers only.
    EXPECT_FALSE(fieldAccepts(F::OperatingTemperature, 100.5) ||
                 fieldAccepts(F::EquilibriumTimerMinutes, 1.5));
    // The A/B dialog's pressure and efflux time say what the form's fields say.
    EXPECT_EQ(fieldMessage(F::AbPressure), fieldMessage(F::RunPressure));
    EXPECT_EQ(fieldMessage(F::AbEffluxTime), fieldMessage(F::RunEffluxTime));
    // The messages are the program's own, spelling included.
    const std::pair<F, std::string_view> messages[] = {
        {F::RunEffluxTime, "Enter a non zero and non negative value for the Efflux Time.\nValues "
                           "above 60 minutes are also not appropriate."},
        {F::RunPressure, "Enter a non zero and non negative value for the Pressure.\nPressures "
                         "above 600 PSI are also inappropriate."},
        {F::EstimatedViscosity, "Enter a non zero and non negative value for the Estimated "
                                "Viscosity.\nValues above 40 mPa*s are also not appropriate."},
        {F::KnownViscosity,
         "Enter a non zero and non negative value below 40 mPa*s for the Known Viscosity."},
        {F::TareWeight, "Please enter a non zero and non negative number for the tare "
                        "weight.\nValues above 100 grams are also inappropriate."},
        {F::FullWeight, "Please enter a non zero and non negative number for the full "
                        "weight.\nValues above 100 grams are also inappropriate."},
        {F::Density, "Please enter a value between 0.01 and 10 grams/ml."},
        {F::CapillaryLength, "Please enter a non negative Capillary Length.\nValues above 100 mm "
                             "are also inappropriate."},
        {F::CapillaryDiameter,
         "Please enter a non negative value below 1 mm for the Capillary Diameter."},
        {F::MaxShearRate,
         "Please enter a Maximum Allowable Shear Rate between 0 and 2 (1x10e6 1/sec)."},
        {F::MinShearRate,
         "Please enter a Minimum Allowable Shear Rate between 0 and 2 (1x10e6 1/sec)."},
        {F::WorkingShearRate, "Please enter a Working Shear Rate between 0 and 2 (1x10e6 1/sec)."},
        {F::OperatingTemperature,
         "Please enter an operating temperature between 40 and 150 degrees celcius."},
        {F::EquilibriumTimerMinutes,
         "Please enter a temperature equilibrium timer duration between 1 and 30 minutes."},
        {F::StandardViscosity, "Enter a non-zero, non-negative viscosity below 40 mPa*s"}};
    for (const auto& [field, message] : messages)
        EXPECT_EQ(fieldMessage(field), message);
}

} // namespace
} // namespace rheo
