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

// The rule in its plain form: the distinct positions inside the list, erased one at a time
// from the highest down so the lower rows keep their numbers.
template <typename T>
bool removeOneByOne(std::vector<T>& rows, std::vector<std::size_t> positions) {
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    bool removed = false;
    for (auto it = positions.rbegin(); it != positions.rend(); ++it)
        if (*it < rows.size()) {
            rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(*it));
            removed = true;
        }
    return removed;
}

TEST(RowRemoval, AgreesWithRemovingOneRowAtATimeOnRandomSelections) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 500; ++round) {
        const std::size_t size = random() % 60;
        std::vector<std::size_t> positions(random() % 80);
        for (auto& p : positions)
            p = random() % (size + 10); // some past the end, some repeated
        std::vector<std::string> fast(size);
        for (std::size_t i = 0; i < size; ++i)
            fast[i] = "row " + std::to_string(i);
        std::vector<std::string> slow = fast;
        EXPECT_EQ(removeRows(fast, positions), removeOneByOne(slow, positions)) << round;
        EXPECT_EQ(fast, slow) << round;
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
