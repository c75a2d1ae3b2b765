// SPDX-License-Identifier: MIT
#pragma once
// Row numbers of a list before and after some of its rows were removed. The lists announce
// a removal as runs of neighbouring rows and carry the selection and the current row over
// to the rows that stay.

#include <cstddef>
#include <optional>
#include <vector>

namespace rheo {

struct RowRange {
    std::size_t first = 0;
    std::size_t last = 0; // inclusive
};

// The runs of neighbouring rows in ascending, distinct `rows`.
std::vector<RowRange> contiguousRanges(const std::vector<std::size_t>& rows);

// The rows of `range` that stay after the ascending, distinct `removed` rows are gone, in
// the numbering after the removal; they are neighbours again. Nothing when none stays.
std::optional<RowRange> rangeAfterRemoval(RowRange range, const std::vector<std::size_t>& removed);

// Where the current row goes: a row that stays keeps its place among the others; a removed
// one hands over to the nearest row above it that stays, or, when there is none, to the
// first row. Nothing when no row is left.
std::optional<std::size_t> currentRowAfterRemoval(std::size_t row,
                                                  const std::vector<std::size_t>& removed,
                                                  std::size_t rowsLeft);

} // namespace rheo
