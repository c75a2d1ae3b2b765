// The accepted range of every number field with its message, and the A/B name cleaning.

#include "core/calibration/field_rules.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace rheo {
namespace {

const char* const kEffluxTime = "Enter a non zero and non negative value for the Efflux Time.\n"
                                "Values above 60 minutes are also not appropriate.";
const char* const kPressure = "Enter a non zero and non negative value for the Pressure.\n"
                              "Pressures above 600 PSI are also inappropriate.";

// The values on both sides of both ends of a field's range, and its message.
struct Range {
    NumberField field;
    double refusedBelow, lowestAccepted, highestAccepted, refusedAbove;
    const char* message;
};

class FieldRange : public ::testing::TestWithParam<Range> {};

TEST_P(FieldRange, AcceptsExactlyItsRangeAndNamesItWhenRefusing) {
    const Range r = GetParam();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(fieldMessage(r.field), r.message);
    for (double accepted : {r.lowestAccepted, r.highestAccepted})
        EXPECT_EQ(fieldRefusal(r.field, accepted), std::nullopt) << accepted;
    for (double refused : {r.refusedBelow, r.refusedAbove, nan, -nan, inf, -inf})
        EXPECT_EQ(fieldRefusal(r.field, refused).value_or("accepted"), r.message) << refused;
}

using F = NumberField;
INSTANTIATE_TEST_SUITE_P(
    EveryField, FieldRange,
    ::testing::Values(
        Range{F::RunEffluxTime, 0, 0.01, 3600, 3600.01, kEffluxTime},
        Range{F::AbEffluxTime, -1, 0.01, 3600, 3600.01, kEffluxTime},
        Range{F::RunPressure, 0, 0.1, 600, 600.1, kPressure},
        Range{F::AbPressure, -200, 0.1, 600, 600.1, kPressure},
        Range{F::EstimatedViscosity, 0, 0.01, 40, 40.01,
              "Enter a non zero and non negative value for the Estimated Viscosity.\nValues "
              "above 40 mPa*s are also not appropriate."},
        Range{F::KnownViscosity, 0, 0.001, 40, 40.01,
              "Enter a non zero and non negative value below 40 mPa*s for the Known Viscosity."},
        Range{F::TareWeight, 0, 0.01, 100, 100.5,
              "Please enter a non zero and non negative number for the tare weight.\nValues "
              "above 100 grams are also inappropriate."},
        Range{F::FullWeight, 0, 0.01, 100, 100.5,
              "Please enter a non zero and non negative number for the full weight.\nValues "
              "above 100 grams are also inappropriate."},
        Range{F::Density, 0.01, 0.0101, 10, 10.01,
              "Please enter a value between 0.01 and 10 grams/ml."},
        Range{F::CapillaryLength, -0.1, 0, 100, 150,
              "Please enter a non negative Capillary Length.\nValues above 100 mm are also "
              "inappropriate."},
        Range{F::CapillaryDiameter, -0.15, 0, 1, 1.2,
              "Please enter a non negative value below 1 mm for the Capillary Diameter."},
        Range{F::MaxShearRate, -0.01, 0, 2, 2.01,
              "Please enter a Maximum Allowable Shear Rate between 0 and 2 (1x10e6 1/sec)."},
        Range{F::MinShearRate, -1, 0, 2, 2.5,
              "Please enter a Minimum Allowable Shear Rate between 0 and 2 (1x10e6 1/sec)."},
        Range{F::WorkingShearRate, -1, 0, 2, 2.5,
              "Please enter a Working Shear Rate between 0 and 2 (1x10e6 1/sec)."},
        Range{F::OperatingTemperature, 39, 40, 150, 151,
              "Please enter an operating temperature between 40 and 150 degrees celcius."},
        Range{F::EquilibriumTimerMinutes, 0, 1, 30, 31,
              "Please enter a temperature equilibrium timer duration between 1 and 30 "
              "minutes."},
        Range{F::StandardViscosity, 0, 0.001, 40, 40.001,
              "Enter a non-zero, non-negative viscosity below 40 mPa*s"}));

TEST(FieldRules, SettingsTakeWholeNumbersOnly) {
    EXPECT_FALSE(fieldAccepts(F::OperatingTemperature, 100.5));
    EXPECT_FALSE(fieldAccepts(F::EquilibriumTimerMinutes, 1.5));
    EXPECT_TRUE(fieldAccepts(F::EquilibriumTimerMinutes, 12));
}

TEST(AbStandardName, WhiteSpaceRemovedThenCutTo32) {
    const std::pair<std::string, std::string> cases[] = {
        {"SAE 30 Ref", "SAE30Ref"},
        {" ", ""},
        {"Oil\tA\r\n", "OilA"},
        {std::string(40, 'x'), std::string(32, 'x')},
        {" " + std::string(32, 'y') + " z", std::string(32, 'y')},
    };
    for (const auto& [typed, clean] : cases)
        EXPECT_EQ(cleanAbStandardName(typed), clean) << "[" << typed << "]";
}

} // namespace
} // namespace rheo
