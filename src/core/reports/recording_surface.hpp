// SPDX-License-Identifier: MIT
#pragma once
// A drawing surface that keeps every call instead of drawing: the reports' tests read it,
// and rheo-cli writes it out as a trace. Its text measure depends on nothing but the
// bytes, so a trace is the same on every machine.

#include "core/seams/drawing_surface.hpp"

#include <string>
#include <vector>

namespace rheo {

struct RecordedCall {
    enum class Kind {
        DocumentStart,
        DocumentEnd,
        PageStart,
        PageEnd,
        Font,
        Background,
        Rectangle,
        Text
    };

    Kind kind = Kind::Text;
    int page = 0;     // the page open when the call was made (0 before the first page)
    std::string text; // the document name, the font face or the drawn text (raw bytes)
    int x = 0;        // text and rectangle: left
    int y = 0;        // text and rectangle: top; font: height in pixels; page: its number
    int right = 0;    // rectangle only
    int bottom = 0;   // rectangle only
    Rgb colour;       // background colour, or the rectangle's fill
    Rgb pen;          // rectangle only
    int penWidth = 0; // rectangle only

    bool operator==(const RecordedCall&) const = default;
};

class RecordingSurface : public DrawingSurface {
public:
    // The page is US Letter less 0.25 inch margins (8.0 x 10.5 inches) at the resolution.
    explicit RecordingSurface(int dotsPerInchX = 600, int dotsPerInchY = 600);

    void beginDocument(const std::string& documentName) override;
    void endDocument() override;
    void beginPage() override;
    void endPage() override;
    int dotsPerInchX() const override { return dpiX_; }
    int dotsPerInchY() const override { return dpiY_; }
    PageSize printablePageSize() const override { return page_; }
    void selectFont(const std::string& face, int heightPixels) override;
    // 0.55 x the font height per byte, truncated to a whole pixel.
    int textWidth(const std::string& text) const override;
    void drawText(int x, int y, const std::string& text) override;
    void setTextBackground(Rgb colour) override;
    void fillRectangle(int left, int top, int right, int bottom, Rgb fill, Rgb pen,
                       int penWidth) override;

    const std::vector<RecordedCall>& calls() const { return calls_; }
    // Only the texts, in drawing order.
    std::vector<RecordedCall> texts() const;
    int pageCount() const { return pages_; }

    // One line per call: "page N", "font FACE HEIGHT", "bk R G B", "rect L T R B",
    // "text X Y TEXT" (texts converted from Windows-1252 to UTF-8), each ended by "\n".
    std::string trace() const;

private:
    int dpiX_;
    int dpiY_;
    PageSize page_;
    int fontHeight_ = 0;
    int pages_ = 0;
    std::vector<RecordedCall> calls_;
};

} // namespace rheo
