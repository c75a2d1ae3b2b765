// SPDX-License-Identifier: MIT
#pragma once
// Removing the selected rows of a list shown row for row: the positions are the row
// numbers before the removal, in any order. Equal to removing the lowest selected row
// one at a time while the rows below move up.

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace rheo {

// Removes the elements at `positions`; duplicates and positions past the end are
// ignored. True when at least one element was removed.
//
// One pass over the rows after the first removed one, so removing a thousand rows from a
// million costs about as much as removing one.
template <typename T> bool removeRows(std::vector<T>& rows, std::vector<std::size_t> positions) {
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    const auto pastEnd = std::lower_bound(positions.begin(), positions.end(), rows.size());
    positions.erase(pastEnd, positions.end());
    if (positions.empty())
        return false;

    // Every kept row moves down over the removed ones before it.
    std::size_t kept = positions.front();
    auto nextRemoved = positions.begin();
    for (std::size_t row = positions.front(); row < rows.size(); ++row) {
        if (nextRemoved != positions.end() && *nextRemoved == row) {
            ++nextRemoved;
            continue;
        }
        rows[kept++] = std::move(rows[row]);
    }
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(kept), rows.end());
    return true;
}

} // namespace rheo
