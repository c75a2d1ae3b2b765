// SPDX-License-Identifier: MIT
#include "cli/clock.hpp"

#include <ctime>

namespace rheo::cli {
namespace {

// The digits at [from, from + count) as a number; false when any of them is no digit.
bool digitsAt(std::string_view text, size_t from, size_t count, int& value) {
    value = 0;
    for (size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

} // namespace

std::optional<LocalDateTime> parseAtTime(std::string_view text) {
    // 0123456789012345
    // YYYY-MM-DD HH:MM
    if (text.size() != 16 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':')
        return std::nullopt;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    if (!digitsAt(text, 0, 4, year) || !digitsAt(text, 5, 2, month) || !digitsAt(text, 8, 2, day) ||
        !digitsAt(text, 11, 2, hour) || !digitsAt(text, 14, 2, minute))
        return std::nullopt;
    const LocalDateTime at = makeLocalDateTime(year, month, day, hour, minute, 0);
    if (!at.valid)
        return std::nullopt;
    return at;
}

LocalDateTime localDateTimeOf(const std::tm& local) {
    // A leap second (60) would make the time invalid: it counts as the second before it.
    return makeLocalDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                             local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec);
}

LocalDateTime readLocalClock() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr)
        return makeLocalDateTime(1970, 1, 1, 0, 0, 0);
    return localDateTimeOf(local);
}

} // namespace rheo::cli
