// SPDX-License-Identifier: MIT
#pragma once
// The local clock of rheo-cli. The core never reads the clock: the time of an accepted run
// and the date of a report header are passed in from here, or from "--at".

#include "core/model/model.hpp"
#include "core/seams/clock.hpp"

#include <ctime>
#include <optional>
#include <string_view>

namespace rheo::cli {

// "YYYY-MM-DD HH:MM", a real calendar date and time of day; nothing otherwise.
std::optional<LocalDateTime> parseAtTime(std::string_view text);

// The local date and time now, seconds included.
LocalDateTime readLocalClock();

// The machine's local clock, read each time the program asks for the time.
class LocalClock : public Clock {
public:
    LocalDateTime now() const override { return readLocalClock(); }
};

// A broken-down local time as the program holds it; a leap second is held as second 59.
LocalDateTime localDateTimeOf(const std::tm& local);

} // namespace rheo::cli
