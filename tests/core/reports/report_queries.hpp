#pragma once
// Questions the report tests ask of a recorded report: which texts stand on a page, where.

#include "core/reports/recording_surface.hpp"

#include <optional>
#include <string>
#include <vector>

namespace rheo::testing {

// Device y at 600 dpi of row k of a report with rows of 17 units.
inline int rowY600(int row) {
    return (125 + 17 * row) * 6;
}

inline std::vector<RecordedCall> textsOnPage(const RecordingSurface& surface, int page) {
    std::vector<RecordedCall> out;
    for (const RecordedCall& call : surface.texts()) {
        if (call.page == page)
            out.push_back(call);
    }
    return out;
}

// The texts of one page at one device y, in drawing order.
inline std::vector<std::string> textsAt(const RecordingSurface& surface, int page, int y) {
    std::vector<std::string> out;
    for (const RecordedCall& call : textsOnPage(surface, page)) {
        if (call.y == y)
            out.push_back(call.text);
    }
    return out;
}

// The n-th drawing (from 0) of exactly this text.
inline std::optional<RecordedCall> findText(const RecordingSurface& surface,
                                            const std::string& text, int occurrence = 0) {
    for (const RecordedCall& call : surface.texts()) {
        if (call.text == text && occurrence-- == 0)
            return call;
    }
    return std::nullopt;
}

inline int countText(const RecordingSurface& surface, const std::string& text) {
    int count = 0;
    for (const RecordedCall& call : surface.texts())
        count += call.text == text ? 1 : 0;
    return count;
}

inline std::vector<RecordedCall> callsOfKind(const RecordingSurface& surface,
                                             RecordedCall::Kind kind) {
    std::vector<RecordedCall> out;
    for (const RecordedCall& call : surface.calls()) {
        if (call.kind == kind)
            out.push_back(call);
    }
    return out;
}

// A recording surface whose printable page is only `height` pixels tall, to make
// sections run past the bottom.
class ShortPageSurface : public RecordingSurface {
public:
    explicit ShortPageSurface(int height) : height_(height) {}
    PageSize printablePageSize() const override { return {4800, height_}; }

private:
    int height_;
};

} // namespace rheo::testing
