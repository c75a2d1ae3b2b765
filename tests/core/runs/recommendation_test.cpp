#include "core/runs/recommendation.hpp"

#include "core/runs/example_cell.hpp"

#include <gtest/gtest.h>

namespace rheo {
namespace {

struct Estimate {
    double viscosity;
    const char* pressureText;
};

class RecommendedPressure : public ::testing::TestWithParam<Estimate> {};

TEST_P(RecommendedPressure, TextByBandWithoutMargin) {
    const RecommendationText texts =
        RecommendationTexts(testing::exampleCell(), GetParam().viscosity);
    EXPECT_EQ(texts.recommendedPressure, GetParam().pressureText);
    EXPECT_EQ(texts.targetEffluxTime, "18.00");
}

INSTANTIATE_TEST_SUITE_P(BandEdges, RecommendedPressure,
                         ::testing::Values(Estimate{8.5, "           200.0 psi"},
                                           Estimate{13.0, "           300.0 psi"},
                                           Estimate{22.0, "           500.0 psi"},
                                           Estimate{26.0, "588.9 Warning > 500 psi"},
                                           Estimate{26.5, "600.0 Warning > 500 psi"},
                                           Estimate{27.0, "> 600 psi DO NOT RUN"}));

TEST(RecommendedPressure, CellNotCalibratedShowsNotAvailableAndItsT0) {
    CellCalibration cell = testing::exampleCell();
    cell.constantB = 0;
    cell.targetEffluxTime = 17.456;
    RecommendationText texts = RecommendationTexts(cell, 8.5);
    EXPECT_EQ(texts.recommendedPressure, "               N/A");
    EXPECT_EQ(texts.targetEffluxTime, "17.46");

    texts = RecommendationTexts(CellCalibration{}, 2.0);
    EXPECT_EQ(texts.recommendedPressure, "               N/A");
    EXPECT_EQ(texts.targetEffluxTime, "0.00");
}

} // namespace
} // namespace rheo
