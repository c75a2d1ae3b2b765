// The standards table: its order, names, replacement by name, deletions and the target
// pressure of every standard in every cell.

#include "core/calibration/standards.hpp"

#include "calibration_fixtures.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace rheo {
namespace {

using Entries = std::vector<std::pair<std::string, double>>;

CalibrationData withStandards(const Entries& entries) {
    CalibrationData data;
    for (const auto& [name, viscosity] : entries)
        data.standards.push_back({name, viscosity});
    return data;
}

Entries entriesOf(const CalibrationData& data) {
    Entries entries;
    for (const ViscosityStandard& standard : data.standards)
        entries.emplace_back(standard.name, standard.viscosity);
    return entries;
}

TEST(StandardsSort, AscendingWithEqualViscositiesReversedAtEverySort) {
    CalibrationData data = withStandards({{"X", 5}, {"Y", 2}, {"Z", 2}});
    SortStandards(data);
    EXPECT_EQ(entriesOf(data), (Entries{{"Z", 2}, {"Y", 2}, {"X", 5}}));
    SortStandards(data);
    EXPECT_EQ(entriesOf(data), (Entries{{"Y", 2}, {"Z", 2}, {"X", 5}}));

    data = withStandards({{"a", 30}, {"b", 1.5}, {"c", 12}, {"d", 0.5}, {"e", 12}});
    SortStandards(data);
    EXPECT_EQ(entriesOf(data), (Entries{{"d", 0.5}, {"b", 1.5}, {"e", 12}, {"c", 12}, {"a", 30}}));
}

TEST(StandardNames, WhiteSpaceRemovedAndEmptyBecomesNoName) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "No_Name"},   {" ", "No_Name"},        {"  ", "No_Name"},    {"\t\r\n", "No_Name"},
        {"Oil A", "OilA"}, {" Oil  A 2 ", "OilA2"}, {"Oil\tA\n", "OilA"},
    };
    for (const auto& [typed, stored] : cases)
        EXPECT_EQ(cleanStandardName(typed), stored) << "[" << typed << "]";
}

TEST(StandardsAdd, ReplacesTheFirstOfTheSameNameByteForByteAndSorts) {
    CalibrationData data;
    EXPECT_EQ(AddStandard(data, "Oil A", 5), "OilA");
    AddStandard(data, "Light", 2);
    AddStandard(data, "Oil A", 10); // the same name once its blank is gone
    EXPECT_EQ(entriesOf(data), (Entries{{"Light", 2}, {"OilA", 10}}));

    AddStandard(data, "oil a", 7); // case matters
    EXPECT_EQ(AddStandard(data, " ", 3), "No_Name");
    AddStandard(data, "", 4);
    EXPECT_EQ(entriesOf(data), (Entries{{"Light", 2}, {"No_Name", 4}, {"oila", 7}, {"OilA", 10}}));

    data = withStandards({{"S", 1}, {"T", 2}, {"S", 3}});
    AddStandard(data, "S", 4);
    EXPECT_EQ(entriesOf(data), (Entries{{"T", 2}, {"S", 3}, {"S", 4}}));
}

TEST(StandardsDelete, ByRowsBeforeRemovalByNameAndAll) {
    const CalibrationData four = withStandards({{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}});
    CalibrationData data = four;
    DeleteStandards(data, {3, 0, 1});
    EXPECT_EQ(entriesOf(data), (Entries{{"c", 3}}));

    data = four;
    DeleteStandards(data, {1, 2, 2, 8});
    EXPECT_EQ(entriesOf(data), (Entries{{"a", 1}, {"d", 4}}));

    EXPECT_TRUE(DeleteStandardByName(data, "d"));
    EXPECT_FALSE(DeleteStandardByName(data, "d"));
    EXPECT_FALSE(DeleteStandardByName(data, "A"));
    EXPECT_EQ(entriesOf(data), (Entries{{"a", 1}}));

    DeleteAllStandards(data);
    EXPECT_TRUE(data.standards.empty());
}

TEST(StandardPressures, TargetPressureOfCalibratedCellsOtherwiseNotAvailable) {
    const CellCalibration cell = testing::calibratedCell();
    EXPECT_EQ(standardPressureText(cell, 8.5), "200.0");
    EXPECT_EQ(standardPressureText(cell, 40), "900.0"); // no pressure warnings here
    CellCalibration noRms = cell;
    noRms.rmsPercentDiff = 0; // A, B and T0 are set, the cell is still not calibrated
    EXPECT_EQ(standardPressureText(noRms, 8.5), "N/A");

    CalibrationData data = withStandards({{"Heavy", 10}, {"Std", 8.5}});
    data.cells[1] = testing::calibratedCell();
    data.cells[3] = testing::calibratedCell();
    data.cells[3].constantA = 0.005;
    const std::vector<TargetPressureRow> rows = BuildTargetPressureRows(data);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].texts,
              (std::array<std::string, 7>{"Std", "8.500", "N/A", "200.0", "N/A", "100.0", "N/A"}));
    EXPECT_EQ(rows[1].texts[1], "10.000");
    EXPECT_EQ(rows[1].texts[3], "233.3");
    EXPECT_EQ(entriesOf(data), (Entries{{"Std", 8.5}, {"Heavy", 10}})); // sorted in place

    CalibrationData empty;
    EXPECT_TRUE(BuildTargetPressureRows(empty).empty());
}

} // namespace
} // namespace rheo
