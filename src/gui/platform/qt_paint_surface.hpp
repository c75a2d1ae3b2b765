// SPDX-License-Identifier: MIT
#pragma once
// The drawing surface of the reports on a Qt paged device: a printer, a PDF writer or the
// printer of a print preview. Texts (Windows-1252 bytes) are drawn in black with their
// top-left corner at the given point; fonts are sized by their whole character cell.

#include "core/seams/drawing_surface.hpp"

#include <QColor>
#include <QFont>
#include <QPainter>

#include <functional>
#include <string>

class QPagedPaintDevice;

namespace rheo {

class QtPaintSurface : public DrawingSurface {
public:
    // `nameDocument` gives the job its name (a printer's document name, a PDF's title).
    QtPaintSurface(QPagedPaintDevice& device,
                   std::function<void(const QString&)> nameDocument = nullptr);
    ~QtPaintSurface() override;
    QtPaintSurface(const QtPaintSurface&) = delete;
    QtPaintSurface& operator=(const QtPaintSurface&) = delete;

    void beginDocument(const std::string& documentName) override;
    void endDocument() override;
    void beginPage() override;
    void endPage() override;
    int dotsPerInchX() const override;
    int dotsPerInchY() const override;
    PageSize printablePageSize() const override;
    void selectFont(const std::string& face, int heightPixels) override;
    int textWidth(const std::string& text) const override;
    void drawText(int x, int y, const std::string& text) override;
    void setTextBackground(Rgb colour) override;
    void fillRectangle(int left, int top, int right, int bottom, Rgb fill, Rgb pen,
                       int penWidth) override;

    // Ends the job if the drawing left it open. True when a job was started and every
    // page could be begun and the painter ended cleanly.
    bool finish();

    // The font a report face is drawn with: its family (the metric-compatible Liberation
    // faces stand in for "Times New Roman" and "Arial") sized so that ascent plus descent
    // is the given cell height on the device.
    static QFont cellHeightFont(const std::string& face, int heightPixels, QPaintDevice& device);

private:
    QPagedPaintDevice& device_;
    std::function<void(const QString&)> nameDocument_;
    QPainter painter_;
    QFont font_;
    QColor background_{Qt::white};
    bool started_ = false;
    bool failed_ = false;
    int pagesBegun_ = 0;
};

} // namespace rheo
