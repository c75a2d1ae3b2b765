#pragma once
// What an Add or a Delete of a weighing or of a standard-oil run did: refused with a message
// (the cell unchanged), or done, with the points the cell holds afterwards and whether the
// notice that asks for more points is due.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

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

} // namespace rheo
