// Removing selected rows by their numbers before the removal, as the lists delete them.

#include "core/model/row_removal.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace rheo {
namespace {

// The plain meaning of the rule: the distinct positions inside the list, erased from the
// highest down so the lower rows keep their numbers.
template <typename T>
bool removeOneByOne(std::vector<T>& rows, std::vector<std::size_t> positions) {
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    bool removed = false;
    for (auto it = positions.rbegin(); it != positions.rend(); ++it) {
        if (*it >= rows.size())
            continue;
        rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(*it));
        removed = true;
    }
    return removed;
}

std::vector<std::string> named(std::size_t count) {
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < count; ++i)
        rows.push_back("row " + std::to_string(i));
    return rows;
}

struct RemovalCase {
    std::size_t size;
    std::vector<std::size_t> positions;
    std::vector<std::size_t> left; // original numbers of the rows that stay
    bool removed;
};

TEST(RowRemoval, RemovesExactlyTheNamedRowsInAnyOrder) {
    const RemovalCase cases[] = {
        {5, {}, {0, 1, 2, 3, 4}, false},     {0, {0, 3}, {}, false},
        {5, {5, 9}, {0, 1, 2, 3, 4}, false}, {5, {0}, {1, 2, 3, 4}, true},
        {5, {4}, {0, 1, 2, 3}, true},        {5, {3, 1, 3, 1}, {0, 2, 4}, true},
        {5, {4, 0, 2}, {1, 3}, true},        {5, {1, 2, 3}, {0, 4}, true},
        {5, {0, 1, 2, 3, 4}, {}, true},      {5, {7, 2, 99}, {0, 1, 3, 4}, true},
    };
    for (const auto& c : cases) {
        auto rows = named(c.size);
        EXPECT_EQ(removeRows(rows, c.positions), c.removed) << "case of size " << c.size;
        std::vector<std::string> expected;
        for (std::size_t i : c.left)
            expected.push_back("row " + std::to_string(i));
        EXPECT_EQ(rows, expected);
    }
}

TEST(RowRemoval, AgreesWithRemovingOneRowAtATimeOnRandomSelections) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 400; ++round) {
        const std::size_t size = random() % 60;
        std::vector<std::size_t> positions(random() % 80);
        for (auto& p : positions)
            p = random() % (size + 10); // some past the end, some repeated
        auto fast = named(size);
        auto slow = named(size);
        EXPECT_EQ(removeRows(fast, positions), removeOneByOne(slow, positions))
            << "round " << round;
        EXPECT_EQ(fast, slow) << "round " << round;
    }
}

// The rows are moved, not copied: lists of records that own memory keep it.
TEST(RowRemoval, MovesRowsThatCannotBeCopied) {
    std::vector<std::unique_ptr<int>> rows;
    for (int i = 0; i < 6; ++i)
        rows.push_back(std::make_unique<int>(i));
    EXPECT_TRUE(removeRows(rows, {4, 1}));
    std::vector<int> values;
    for (const auto& row : rows)
        values.push_back(*row);
    EXPECT_EQ(values, (std::vector<int>{0, 2, 3, 5}));
}

} // namespace
} // namespace rheo
