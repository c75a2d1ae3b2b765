// SPDX-License-Identifier: MIT
#pragma once
// Where the printed reports draw. The reports place every text and band in device pixels
// of this surface; a printer, a PDF file, a print preview or a recording for tests and
// traces stands behind it. Texts are the program's own bytes (Windows-1252).

#include <string>

namespace rheo {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};

// The printable area of a page, in device pixels.
struct PageSize {
    int width = 0;
    int height = 0;

    bool operator==(const PageSize&) const = default;
};

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // One print job; the name is what a print queue shows.
    virtual void beginDocument(const std::string& documentName) = 0;
    virtual void endDocument() = 0;
    virtual void beginPage() = 0;
    virtual void endPage() = 0;

    // Device pixels per inch, across and down.
    virtual int dotsPerInchX() const = 0;
    virtual int dotsPerInchY() const = 0;
    // The printable area, measured from its own top-left corner.
    virtual PageSize printablePageSize() const = 0;

    // Selects a font by face name; the height is that of the character cell in pixels.
    virtual void selectFont(const std::string& face, int heightPixels) = 0;
    // Width of a text in the selected font, in device pixels.
    virtual int textWidth(const std::string& text) const = 0;
    // Draws a text in black with its top-left corner at (x, y), on the background colour.
    virtual void drawText(int x, int y, const std::string& text) = 0;
    // The colour filled behind the texts drawn from now on.
    virtual void setTextBackground(Rgb colour) = 0;
    // A rectangle from (left, top) to (right, bottom), filled and outlined by a pen.
    virtual void fillRectangle(int left, int top, int right, int bottom, Rgb fill, Rgb pen,
                               int penWidth) = 0;
};

} // namespace rheo
