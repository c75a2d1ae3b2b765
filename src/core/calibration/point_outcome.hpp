// SPDX-License-Identifier: MIT
#pragma once
// What an Add or a Delete of a weighing or of a standard-oil run did: refused with a message
// (the cell unchanged), or done, with the points the cell holds afterwards and whether the
// notice that asks for more points is due; and the steps both lists take after a check.

#include "core/model/model.hpp"
#include "core/model/row_removal.hpp"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rheo {

struct PointOutcome {
    std::optional<std::string> rejection;
    std::size_t pointCount = 0;
    bool noticeDue = false; // shown after the dialog shows the change

    bool rejected() const { return rejection.has_value(); }

    static PointOutcome refused(std::string_view message) {
        return {std::string(message), 0, false};
    }
    // The notice is due while the cell holds fewer than `fewestWithoutNotice` points.
    static PointOutcome done(std::size_t pointCount, std::size_t fewestWithoutNotice) {
        return {std::nullopt, pointCount, pointCount < fewestWithoutNotice};
    }
};

// How a cell keeps one list of points: the list, what the cell computes from it, and the
// fewest points that make the notice unnecessary.
template <typename Point> struct PointList {
    std::vector<Point> CellCalibration::*points;
    void (*recompute)(CellCalibration&);
    std::size_t fewestWithoutNotice;

    // Appends a checked point and recomputes the cell.
    PointOutcome add(CellCalibration& cell, Point point) const {
        (cell.*points).push_back(std::move(point));
        recompute(cell);
        return PointOutcome::done((cell.*points).size(), fewestWithoutNotice);
    }
    // Removes the points at `positions` (as the list stands before) and recomputes the cell
    // when one went.
    PointOutcome remove(CellCalibration& cell, std::vector<std::size_t> positions) const {
        if (removeRows(cell.*points, std::move(positions)))
            recompute(cell);
        return PointOutcome::done((cell.*points).size(), fewestWithoutNotice);
    }
};

} // namespace rheo
