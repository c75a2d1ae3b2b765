// SPDX-License-Identifier: MIT
// The local clock of rheo-cli: every time it gives is a valid time of day, a leap second
// included.

#include "cli/clock.hpp"

#include <gtest/gtest.h>

namespace rheo::cli {
namespace {

TEST(LocalClock, ALeapSecondCountsAsSecond59AndTheTimeStaysValid) {
    std::tm local{};
    local.tm_year = 2016 - 1900;
    local.tm_mon = 11;
    local.tm_mday = 31;
    local.tm_hour = 23;
    local.tm_min = 59;
    for (const int second : {0, 59, 60}) {
        local.tm_sec = second;
        const LocalDateTime time = localDateTimeOf(local);
        EXPECT_EQ(time, makeLocalDateTime(2016, 12, 31, 23, 59, second == 60 ? 59 : second));
        EXPECT_TRUE(time.valid) << second;
    }
    // What the clamp keeps away: a second of 60 is no time of day.
    EXPECT_FALSE(makeLocalDateTime(2016, 12, 31, 23, 59, 60).valid);
}

} // namespace
} // namespace rheo::cli
