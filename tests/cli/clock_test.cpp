// The local clock of rheo-cli: every time it gives is a valid time of day, a leap second
// included, and "--at" takes real dates and times only.

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

TEST(LocalClock, AtTakesADateAndTimeOfDayInItsOneSpelling) {
    EXPECT_EQ(parseAtTime("2024-02-29 23:59"), makeLocalDateTime(2024, 2, 29, 23, 59, 0));
    for (const char* refused : {"2023-02-29 10:00", "2024-01-01 24:00", "2024-01-01 10:60",
                                "2024-1-01 10:00", "2024-01-01T10:00", "2024-01-01 10:00:00"})
        EXPECT_EQ(parseAtTime(refused), std::nullopt) << refused;
}

} // namespace
} // namespace rheo::cli
