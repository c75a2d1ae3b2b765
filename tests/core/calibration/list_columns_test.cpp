// The columns of the four lists that the window, the reports and rheo-cli read from one
// table each: every list heading, width factor and JSON name, and the texts of a weighing
// and of a standard-oil run. (The results rows' texts are proven with the run calculation,
// the standards' with the standards table, the report's headings with the reports.)
#include "core/calibration/point_texts.hpp"
#include "core/calibration/standards.hpp"
#include "core/runs/run_calculation.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rheo {
namespace {

struct Expected {
    std::string heading;
    double widthFactor;
    std::string jsonName;
    JsonKind jsonKind;
};

template <typename Row, std::size_t N>
void expectColumns(const ColumnTable<Row, N>& table, const std::vector<Expected>& expected) {
    ASSERT_EQ(N, expected.size());
    for (std::size_t i = 0; i < N; ++i) {
        EXPECT_EQ(table[i].heading, expected[i].heading) << i;
        EXPECT_EQ(table[i].widthFactor, expected[i].widthFactor) << expected[i].heading;
        EXPECT_EQ(table[i].jsonName, expected[i].jsonName) << expected[i].heading;
        EXPECT_EQ(table[i].jsonKind, expected[i].jsonKind) << expected[i].heading;
    }
}

constexpr JsonKind kText = JsonKind::Text, kNumber = JsonKind::Number, kYesNo = JsonKind::YesNo;

TEST(ListColumns, ResultsList) {
    expectColumns(resultColumns(), {{"Sample ID", 1.4, "sampleId", kText},
                                    {"Cell #", 1.1, "cell", kNumber},
                                    {"Calc Viscosity (mPa*s)", 0.8, "viscosity", kNumber},
                                    {"Shear Rate (10e6 1/s)", 0.85, "shearRate", kNumber},
                                    {"Reynolds #", 0.9, "reynoldsNumber", kNumber},
                                    {"Newtonian", 0.95, "newtonian", kYesNo},
                                    {"Pressure", 1.0, "pressure", kNumber},
                                    {"Efflux Time", 0.95, "effluxTime", kNumber},
                                    {"Date & Time", 1.56, "dateTime", kText}});
}

TEST(ListColumns, WeighingsListAndItsTexts) {
    expectColumns(volumePointColumns(), {{"Tare Weight (gm)", 0.95, "tareWeight", kNumber},
                                         {"Full Weight (gm)", 0.95, "fullWeight", kNumber},
                                         {"Difference (gm)", 0.95, "difference", kNumber},
                                         {"Density (gm/ml)", 1, "density", kNumber},
                                         {"T0 (sec)", 1.16, "t0", kNumber},
                                         {"Volume (ml)", 1.05, "volume", kNumber}});
    const VolumePoint weighing{20.5, 26.75, 0.85, 18.13, 7.3529};
    EXPECT_EQ(volumePointRow(weighing),
              (std::array<std::string, kVolumeColumnCount>{"20.5000", "26.7500", "6.2500", "0.8500",
                                                           "18.13", "7.3529"}));
}

TEST(ListColumns, StandardRunsListAndItsTexts) {
    expectColumns(abPointColumns(), {{"Std Name", 1.5, "standardName", kText},
                                     {"Known Visc (mPa*s)", 0.85, "knownViscosity", kNumber},
                                     {"Pressure (psi)", 0.95, "pressure", kNumber},
                                     {"Efflux Time (sec)", 0.85, "effluxTime", kNumber},
                                     {"Calc Visc (mPa*s)", 0.85, "calculatedViscosity", kNumber},
                                     {"% Diff", 1.3, "percentDifference", kNumber},
                                     {"Reynolds #", 1.1, "reynoldsNumber", kNumber},
                                     {"Newtonian", 0.97, "newtonian", kYesNo}});
    AbPoint run;
    run.standardName = "Ref-3.5";
    run.knownViscosity = 3.5124;
    run.pressure = 110.04;
    run.effluxTime = 9.5;
    run.calculatedViscosity = 3.5136;
    run.percentDiff = -0.034;
    run.reynoldsNumber = 907.66;
    run.newtonian = false;
    EXPECT_EQ(abPointRow(run),
              (std::array<std::string, kAbColumnCount>{"Ref-3.5", "3.512", "110.0", "9.50", "3.514",
                                                       "-0.03", "907.7", "No"}));
}

TEST(ListColumns, StandardsTable) {
    expectColumns(standardColumns(), {{"Standard Name", 0.98, "name", kText},
                                      {"Viscosity (mPa*s)", 0.82, "viscosity", kNumber},
                                      {"Cell #1 (psi)", 1.1, "pressures", kNumber},
                                      {"Cell #2 (psi)", 1.1, "pressures", kNumber},
                                      {"Cell #3 (psi)", 1.1, "pressures", kNumber},
                                      {"Cell #4 (psi)", 1.1, "pressures", kNumber},
                                      {"Cell #5 (psi)", 1.1, "pressures", kNumber}});
}

} // namespace
} // namespace rheo
