#pragma once
// Removing the selected rows of a list shown row for row: the positions are the row
// numbers before the removal, in any order. Equal to removing the lowest selected row
// one at a time while the rows below move up.

#include <algorithm>
#include <cstddef>
#include <vector>

namespace rheo {

// Removes the elements at `positions`; duplicates and positions past the end are
// ignored. True when at least one element was removed.
template <typename T> bool removeRows(std::vector<T>& rows, std::vector<std::size_t> positions) {
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    bool removed = false;
    // From the highest row down, so the lower rows keep their numbers.
    for (auto it = positions.rbegin(); it != positions.rend(); ++it) {
        if (*it >= rows.size())
            continue;
        rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(*it));
        removed = true;
    }
    return removed;
}

} // namespace rheo
