#include "core/text/words.hpp"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace rheo {
namespace {

using Fields = std::vector<std::string_view>;

TEST(Words, StrtokSplittingSkipsEmptyFields) {
    EXPECT_EQ(splitLikeStrtok("a,,b,", ","), (Fields{"a", "b"}));
    EXPECT_EQ(splitLikeStrtok(",,,", ","), Fields{});
    EXPECT_EQ(splitLikeStrtok("\"Oil A\", 12.5", "\", "), (Fields{"Oil", "A", "12.5"}));
    EXPECT_EQ(splitLikeStrtok("x,y\r\n", ","), (Fields{"x", "y\r\n"}));
}

TEST(Words, ScanfWordsStopAtTheLimit) {
    EXPECT_EQ(scanWords("  1.0 \t2.0  3.0\r\n", 10), (Fields{"1.0", "2.0", "3.0"}));
    EXPECT_EQ(scanWords("a b c d", 2), (Fields{"a", "b"}));
    EXPECT_EQ(firstWord("  CAL Oil 5"), "CAL");
    EXPECT_TRUE(startsWithKeyword("AB 1 2", "AB"));
    EXPECT_FALSE(startsWithKeyword(" AB 1 2", "AB"));
}

} // namespace
} // namespace rheo
