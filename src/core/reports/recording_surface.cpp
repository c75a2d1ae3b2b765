// SPDX-License-Identifier: MIT
#include "core/reports/recording_surface.hpp"

#include "core/text/c_format.hpp"
#include "core/text/windows1252.hpp"

namespace rheo {
namespace {

// A text as it appears in the trace: UTF-8, and a line break inside it turned into a blank
// so that every call stays on its own line.
std::string oneLine(const std::string& bytes) {
    std::string text = windows1252ToUtf8(bytes);
    for (char& c : text) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    return text;
}

} // namespace

RecordingSurface::RecordingSurface(int dotsPerInchX, int dotsPerInchY)
    : dpiX_(dotsPerInchX), dpiY_(dotsPerInchY), page_{static_cast<int>(8.0 * dotsPerInchX),
                                                      static_cast<int>(10.5 * dotsPerInchY)} {}

void RecordingSurface::beginDocument(const std::string& documentName) {
    RecordedCall call;
    call.kind = RecordedCall::Kind::DocumentStart;
    call.text = documentName;
    calls_.push_back(call);
}

void RecordingSurface::endDocument() {
    RecordedCall call;
    call.kind = RecordedCall::Kind::DocumentEnd;
    call.page = pages_;
    calls_.push_back(call);
}

void RecordingSurface::beginPage() {
    ++pages_;
    RecordedCall call;
    call.kind = RecordedCall::Kind::PageStart;
    call.page = pages_;
    call.y = pages_;
    calls_.push_back(call);
}

void RecordingSurface::endPage() {
    RecordedCall call;
    call.kind = RecordedCall::Kind::PageEnd;
    call.page = pages_;
    calls_.push_back(call);
}

void RecordingSurface::selectFont(const std::string& face, int heightPixels) {
    fontHeight_ = heightPixels;
    RecordedCall call;
    call.kind = RecordedCall::Kind::Font;
    call.page = pages_;
    call.text = face;
    call.y = heightPixels;
    calls_.push_back(call);
}

int RecordingSurface::textWidth(const std::string& text) const {
    return static_cast<int>(0.55 * fontHeight_ * static_cast<double>(text.size()));
}

void RecordingSurface::drawText(int x, int y, const std::string& text) {
    RecordedCall call;
    call.kind = RecordedCall::Kind::Text;
    call.page = pages_;
    call.text = text;
    call.x = x;
    call.y = y;
    calls_.push_back(call);
}

void RecordingSurface::setTextBackground(Rgb colour) {
    RecordedCall call;
    call.kind = RecordedCall::Kind::Background;
    call.page = pages_;
    call.colour = colour;
    calls_.push_back(call);
}

void RecordingSurface::fillRectangle(int left, int top, int right, int bottom, Rgb fill, Rgb pen,
                                     int penWidth) {
    RecordedCall call;
    call.kind = RecordedCall::Kind::Rectangle;
    call.page = pages_;
    call.x = left;
    call.y = top;
    call.right = right;
    call.bottom = bottom;
    call.colour = fill;
    call.pen = pen;
    call.penWidth = penWidth;
    calls_.push_back(call);
}

std::vector<RecordedCall> RecordingSurface::texts() const {
    std::vector<RecordedCall> out;
    for (const RecordedCall& call : calls_) {
        if (call.kind == RecordedCall::Kind::Text)
            out.push_back(call);
    }
    return out;
}

std::string RecordingSurface::trace() const {
    std::string out;
    for (const RecordedCall& call : calls_) {
        switch (call.kind) {
        case RecordedCall::Kind::PageStart:
            out += cformat("page %d\n", call.y);
            break;
        case RecordedCall::Kind::Font:
            out += "font " + oneLine(call.text) + cformat(" %d\n", call.y);
            break;
        case RecordedCall::Kind::Background:
            out += cformat("bk %d %d %d\n", call.colour.red, call.colour.green, call.colour.blue);
            break;
        case RecordedCall::Kind::Rectangle:
            out += cformat("rect %d %d %d %d\n", call.x, call.y, call.right, call.bottom);
            break;
        case RecordedCall::Kind::Text:
            out += cformat("text %d %d ", call.x, call.y) + oneLine(call.text) + "\n";
            break;
        case RecordedCall::Kind::DocumentStart:
        case RecordedCall::Kind::DocumentEnd:
        case RecordedCall::Kind::PageEnd:
            break;
        }
    }
    return out;
}

} // namespace rheo
