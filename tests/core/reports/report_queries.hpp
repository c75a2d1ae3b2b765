// SPDX-License-Identifier: MIT
#pragma once
// Questions the report tests ask of a recorded report: which texts stand on which row.

#include "core/model/model.hpp"
#include "core/reports/recording_surface.hpp"
#include "core/text/c_format.hpp"

#include <string>
#include <utility>

namespace rheo::testing {

inline const LocalDateTime kPrinted = makeLocalDateTime(2014, 3, 5, 9, 7);

// The row k of a device y at 600 dpi with rows of 17 units; -1 off the row grid.
inline int rowOf(int y) {
    const int row = (y / 6 - 125) / 17;
    return y == (125 + 17 * row) * 6 ? row : -1;
}

// The rows first to last of a page that hold texts, a line each: "row:text|text|...".
inline std::string rows(const RecordingSurface& surface, int page, int first, int last) {
    std::string out;
    int previous = -1;
    for (const RecordedCall& call : surface.texts()) {
        const int row = rowOf(call.y);
        if (call.page != page || row < first || row > last)
            continue;
        out += (row == previous ? "|" : cformat(out.empty() ? "%d:" : "\n%d:", row)) + call.text;
        previous = row;
    }
    return out.empty() ? out : out + "\n";
}

// The n-th drawing (from 0) of exactly this text; a call on page 0 when there is none.
inline RecordedCall findText(const RecordingSurface& surface, const std::string& text,
                             int occurrence = 0) {
    for (const RecordedCall& call : surface.texts()) {
        if (call.text == text && occurrence-- == 0)
            return call;
    }
    return {};
}

inline std::pair<int, int> pageAndRow(const RecordingSurface& surface, const std::string& text) {
    const RecordedCall call = findText(surface, text);
    return {call.page, rowOf(call.y)};
}

// The first `count` grey bands, "left top right bottom" in device pixels, a line each.
inline std::string bands(const RecordingSurface& surface, int count = 99) {
    std::string out;
    for (const RecordedCall& call : surface.calls()) {
        if (call.kind == RecordedCall::Kind::Rectangle && count-- > 0)
            out += cformat("%d %d %d %d\n", call.x, call.y, call.right, call.bottom);
    }
    return out;
}

// A 600 dpi surface whose printable page is only `height` pixels tall.
class ShortPageSurface : public RecordingSurface {
public:
    explicit ShortPageSurface(int height) : height_(height) {}
    PageSize printablePageSize() const override { return {4800, height_}; }

private:
    int height_;
};

} // namespace rheo::testing
