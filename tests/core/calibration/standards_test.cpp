// SPDX-License-Identifier: MIT
// The standards table (its order, replacement by name, deletions and the target pressure
// of every standard in every cell), how the names of standards are cleaned, and the removal
// of selected rows by their numbers before the removal, as every list deletes them. The
// order comes from an O(n log n) sort that must give exactly the order of the selection sort
// the program always used: ties reversed at every sort, -0.0 equal to 0.0, and viscosities
// that are no number left where that walk leaves them.
#include "calibration_fixtures.hpp"
#include "core/calibration/standards.hpp"
#include "core/model/field_rules.hpp"
#include "core/model/row_removal.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

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

// The selection sort, as the program has always done it.
void selectionSort(Standards& list) {
    Standards sorted;
    while (!list.empty()) {
        std::size_t candidate = 0;
        double smallest = list.front().viscosity;
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (list[i].viscosity <= smallest) {
                smallest = list[i].viscosity;
                candidate = i;
            }
        }
        sorted.push_back(list[candidate]);
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(candidate));
    }
    list = sorted;
}

// Names tell the standards apart, so that any difference in order shows.
std::vector<std::string> namesOf(const Standards& list) {
    std::vector<std::string> names;
    for (const ViscosityStandard& standard : list)
        names.push_back(standard.name);
    return names;
}

// Short lists with many ties, sorted again and again (sorting again must reverse the ties
// again, as the old sort did), and first one long list.
TEST(StandardsOrder, SameAsTheSelectionSortOnRandomListsWithManyTies) {
    // Few distinct values, so that ties are many; both zeros, infinities and now and then NaN.
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<double> values = {0.0,  -0.0, 1.5, 2.0,  2.0000000000000004,
                                        -3.0, 40.0, inf, -inf, 7.25};
    std::mt19937 random(5);
    for (int round = 0; round < 3000; ++round) {
        CalibrationData data;
        const std::size_t count = round == 0 ? 3000 : random() % 40;
        for (std::size_t i = 0; i < count; ++i) {
            double viscosity = values[random() % values.size()];
            if (round % 3 == 0 && random() % 6 == 0)
                viscosity = std::numeric_limits<double>::quiet_NaN();
            data.standards.push_back({"S" + std::to_string(i), viscosity});
        }
        Standards expected = data.standards;
        for (int sort = 0; sort < 3; ++sort) {
            selectionSort(expected);
            SortStandards(data);
            ASSERT_EQ(namesOf(data.standards), namesOf(expected)) << "round " << round;
        }
    }
}

// Rows are moved, never copied: records that own memory keep it (a copy would not compile).
TEST(RowRemoval, MovesRowsThatCannotBeCopied) {
    std::vector<std::unique_ptr<int>> rows;
    for (int i = 0; i < 4; ++i)
        rows.push_back(std::make_unique<int>(i));
    EXPECT_TRUE(removeRows(rows, {2, 0, 9}));
    EXPECT_EQ(*rows.at(0) * 10 + *rows.at(1), 13);
}

} // namespace
} // namespace rheo
