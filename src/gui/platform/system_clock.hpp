// SPDX-License-Identifier: MIT
#pragma once
// The window's clock: the local date and time of the machine.

#include "core/seams/clock.hpp"

namespace rheo {

class SystemClock : public Clock {
public:
    LocalDateTime now() const override;
};

} // namespace rheo
