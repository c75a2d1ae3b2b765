// SPDX-License-Identifier: MIT
#include "gui/platform/qt_paint_surface.hpp"

#include "core/text/windows1252.hpp"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <utility>

namespace rheo {
namespace {

QString toQString(const std::string& bytes) {
    return QString::fromStdString(windows1252ToUtf8(bytes));
}

QColor toQColor(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

// The reports name the faces of the old printer fonts; Linux has metric twins of them.
void registerFontTwins() {
    static const bool registered = [] {
        QFont::insertSubstitution("Times New Roman", "Liberation Serif");
        QFont::insertSubstitution("Arial", "Liberation Sans");
        return true;
    }();
    (void)registered;
}

} // namespace

QtPaintSurface::QtPaintSurface(QPagedPaintDevice& device,
                               std::function<void(const QString&)> nameDocument)
    : device_(device), nameDocument_(std::move(nameDocument)) {
    registerFontTwins();
}

QtPaintSurface::~QtPaintSurface() {
    finish();
}

void QtPaintSurface::beginDocument(const std::string& documentName) {
    if (started_)
        return;
    started_ = true;
    if (nameDocument_)
        nameDocument_(toQString(documentName));
    if (!painter_.begin(&device_))
        failed_ = true;
}

void QtPaintSurface::endDocument() {
    if (painter_.isActive() && !painter_.end())
        failed_ = true;
}

void QtPaintSurface::beginPage() {
    // The painter's start opens the first page; each later one is asked for.
    if (pagesBegun_++ > 0 && painter_.isActive() && !device_.newPage())
        failed_ = true;
}

void QtPaintSurface::endPage() {}

int QtPaintSurface::dotsPerInchX() const {
    return device_.logicalDpiX();
}

int QtPaintSurface::dotsPerInchY() const {
    return device_.logicalDpiY();
}

PageSize QtPaintSurface::printablePageSize() const {
    return {device_.width(), device_.height()};
}

QFont QtPaintSurface::cellHeightFont(const std::string& face, int heightPixels,
                                     QPaintDevice& device) {
    registerFontTwins();
    QFont font(toQString(face));
    font.setStyleHint(face == "Arial" ? QFont::SansSerif : QFont::Serif);
    font.setWeight(QFont::Normal);
    const int height = std::max(1, heightPixels);
    font.setPixelSize(height);
    // A positive printer font height is the whole character cell, ascent plus descent,
    // while Qt's pixel size is the em: scale the em down to the cell.
    const double cell = QFontMetricsF(font, &device).height();
    if (cell > 0.0)
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(height * height / cell))));
    return font;
}

void QtPaintSurface::selectFont(const std::string& face, int heightPixels) {
    font_ = cellHeightFont(face, heightPixels, device_);
    if (painter_.isActive())
        painter_.setFont(font_);
}

int QtPaintSurface::textWidth(const std::string& text) const {
    const double width = QFontMetricsF(font_, &device_).horizontalAdvance(toQString(text));
    return std::isfinite(width) ? static_cast<int>(width) : 0;
}

void QtPaintSurface::drawText(int x, int y, const std::string& text) {
    if (!painter_.isActive())
        return;
    // The text's cell is filled with the background colour, as the old printer output did.
    painter_.setFont(font_);
    painter_.setPen(Qt::black);
    painter_.setBackgroundMode(Qt::OpaqueMode);
    painter_.setBackground(background_);
    const QFontMetricsF metrics(font_, &device_);
    painter_.drawText(QPointF(x, y + metrics.ascent()), toQString(text));
}

void QtPaintSurface::setTextBackground(Rgb colour) {
    background_ = toQColor(colour);
}

void QtPaintSurface::fillRectangle(int left, int top, int right, int bottom, Rgb fill, Rgb pen,
                                   int penWidth) {
    if (!painter_.isActive())
        return;
    painter_.setPen(QPen(toQColor(pen), std::max(1, penWidth)));
    painter_.setBrush(toQColor(fill));
    // Like the old rectangle call, the right and bottom edges lie just outside the shape.
    painter_.drawRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
    painter_.setBrush(Qt::NoBrush);
}

bool QtPaintSurface::finish() {
    endDocument();
    return started_ && !failed_;
}

} // namespace rheo
