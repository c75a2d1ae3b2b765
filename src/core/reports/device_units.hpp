// SPDX-License-Identifier: MIT
#pragma once
// Truncation toward zero of a page position, safe for any double a bad resolution or
// layout value could give: NaN becomes 0 and values beyond int are held at its limits.

#include <cmath>
#include <limits>

namespace rheo {

inline int truncateToInt(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

} // namespace rheo
