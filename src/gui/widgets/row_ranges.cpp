// SPDX-License-Identifier: MIT
#include "gui/widgets/row_ranges.hpp"

#include <algorithm>

namespace rheo {
namespace {

std::size_t removedBelow(const std::vector<std::size_t>& removed, std::size_t row) {
    return static_cast<std::size_t>(std::lower_bound(removed.begin(), removed.end(), row) -
                                    removed.begin());
}

} // namespace

std::vector<RowRange> contiguousRanges(const std::vector<std::size_t>& rows) {
    std::vector<RowRange> ranges;
    for (std::size_t row : rows) {
        if (!ranges.empty() && ranges.back().last + 1 == row)
            ranges.back().last = row;
        else
            ranges.push_back({row, row});
    }
    return ranges;
}

std::optional<RowRange> rangeAfterRemoval(RowRange range, const std::vector<std::size_t>& removed) {
    const std::size_t before = removedBelow(removed, range.first);
    const std::size_t inside = removedBelow(removed, range.last + 1) - before;
    const std::size_t length = range.last - range.first + 1;
    if (inside >= length)
        return std::nullopt;
    const std::size_t first = range.first - before;
    return RowRange{first, first + (length - inside) - 1};
}

std::optional<std::size_t> currentRowAfterRemoval(std::size_t row,
                                                  const std::vector<std::size_t>& removed,
                                                  std::size_t rowsLeft) {
    if (rowsLeft == 0)
        return std::nullopt;
    const std::size_t stayingAbove = row - removedBelow(removed, row);
    if (!std::binary_search(removed.begin(), removed.end(), row))
        return std::min(stayingAbove, rowsLeft - 1);
    return stayingAbove > 0 ? stayingAbove - 1 : 0;
}

} // namespace rheo
