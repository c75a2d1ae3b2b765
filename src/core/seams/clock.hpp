// SPDX-License-Identifier: MIT
#pragma once
// Where the time comes from. The core never reads a clock: the time of an accepted run and
// the date on a printed report are asked of a Clock that the program passes in (the window's
// and rheo-cli's local clock, "--at", or a fixed time in tests).

#include "core/model/model.hpp"

namespace rheo {

class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time now, to the second.
    virtual LocalDateTime now() const = 0;
};

// Always the same time: rheo-cli's "--at" and the tests.
class FixedClock : public Clock {
public:
    explicit FixedClock(LocalDateTime at) : at_(at) {}
    LocalDateTime now() const override { return at_; }
    void set(LocalDateTime at) { at_ = at; }

private:
    LocalDateTime at_;
};

} // namespace rheo
