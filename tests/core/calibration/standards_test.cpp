// The standards table (its order, replacement by name, deletions and the target pressure
// of every standard in every cell) and how the names of standards are cleaned.

#include "core/calibration/standards.hpp"

#include "calibration_fixtures.hpp"
#include "core/model/field_rules.hpp"

#include <gtest/gtest.h>

namespace rheo {
namespace {

using Standards = std::vector<ViscosityStandard>;

// White space goes; an A/B point's name is then cut to 32 bytes, a standard's name never
// stays empty.
TEST(StandardNames, LoseTheirWhiteSpace) {
    const std::string x32(32, 'x'), typed = " \t\r\n\f\v" + x32 + " z";
    EXPECT_EQ(cleanAbStandardName(typed) + "|" + cleanStandardName(typed), x32 + "|" + x32 + "z");
    EXPECT_EQ(cleanAbStandardName(" \t\r\n\f\v") + "|" + cleanStandardName(" \t\r\n\f\v"),
              "|No_Name");
}

TEST(StandardsTable, AddReplaceAndDelete) {
    // Adding replaces the first standard of exactly the same name, then sorts.
    CalibrationData data;
    EXPECT_EQ(addStandard(data, "Oil A", 5), "OilA");
    addStandard(data, "Light", 2);
    addStandard(data, "Oil A", 10); // the same name once its blank is gone
    addStandard(data, "oil a", 7);  // case matters
    EXPECT_EQ(addStandard(data, " ", 3), "No_Name");
    addStandard(data, "", 4);
    EXPECT_EQ(data.standards, (Standards{{"Light", 2}, {"No_Name", 4}, {"oila", 7}, {"OilA", 10}}));
    data.standards = {{"S", 1}, {"T", 2}, {"S", 3}};
    EXPECT_EQ(addStandard(data, "S", 4), "S");
    EXPECT_EQ(data.standards, (Standards{{"T", 2}, {"S", 3}, {"S", 4}}));

    // Rows as selected before the removal, in any order; every list of the program removes its
    // selected rows this way. (The order of a sort is compared with the old selection sort.)
    deleteStandards(data, {0, 2, 0, 9});
    EXPECT_EQ(data.standards, (Standards{{"S", 3}}));
}

TEST(StandardsTable, TargetPressureInCalibratedCellsOtherwiseNotAvailable) {
    CalibrationData data;
    data.standards = {{"Heavy", 10}, {"Std", 8.5}};
    data.cells[1] = data.cells[3] = data.cells[4] = testing::kCalibratedCell;
    data.cells[3].constantA = 0.005;
    data.cells[4].rmsPercentDiff = 0; // A, B and T0 are set, the cell is still not calibrated
    const std::vector<TargetPressureRow> rows = BuildTargetPressureRows(data);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].texts,
              (std::array<std::string, 7>{"Std", "8.500", "N/A", "200.0", "N/A", "100.0", "N/A"}));
    EXPECT_EQ(data.standards, (Standards{{"Std", 8.5}, {"Heavy", 10}})); // sorted in place
}

} // namespace
} // namespace rheo
