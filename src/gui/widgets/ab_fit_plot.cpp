// SPDX-License-Identifier: MIT
#include "gui/widgets/ab_fit_plot.hpp"

#include <QFontMetricsF>
#include <QLineF>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <array>
#include <vector>

namespace rheo {
namespace {

constexpr double kTickLength = 4;
constexpr double kGap = 3;
constexpr double kPointRadius = 3.5;
// Below this the plot area would be too small to read; nothing is drawn in it.
constexpr double kSmallestArea = 24;

QFont plotFont(const QWidget& widget) {
    QFont font = widget.font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(std::max(7.0, font.pointSizeF() * 0.85));
    else
        font.setPixelSize(std::max(9, font.pixelSize() * 85 / 100));
    return font;
}

QString qtText(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Widget coordinates of plot values.
class PlotMapping {
public:
    PlotMapping(const QRectF& area, const PlotAxis& x, const PlotAxis& y)
        : area_(area), x_(x), y_(y) {}

    double xAt(double value) const {
        return area_.left() + (value - x_.minimum) / (x_.maximum - x_.minimum) * area_.width();
    }
    double yAt(double value) const {
        return area_.bottom() - (value - y_.minimum) / (y_.maximum - y_.minimum) * area_.height();
    }
    QPointF at(double x, double y) const { return {xAt(x), yAt(y)}; }

private:
    QRectF area_;
    const PlotAxis& x_;
    const PlotAxis& y_;
};

void paintNote(QPainter& painter, const QRectF& frame, const QString& note,
               const QPalette& palette) {
    painter.setPen(palette.color(QPalette::Mid));
    painter.setBrush(palette.color(QPalette::Base));
    painter.drawRect(frame);
    painter.setPen(palette.color(QPalette::PlaceholderText));
    painter.drawText(frame.adjusted(12, 8, -12, -8), Qt::AlignCenter | Qt::TextWordWrap, note);
}

void paintAxes(QPainter& painter, const QRectF& area, const FitPlotData& data,
               const PlotMapping& map, const QPalette& palette) {
    const QFontMetricsF metrics(painter.font());
    QColor grid = palette.color(QPalette::Mid);
    grid.setAlpha(70);
    const QColor ink = palette.color(QPalette::WindowText);

    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.color(QPalette::Base));
    painter.drawRect(area);

    for (std::size_t i = 0; i < data.xAxis.ticks.size(); ++i) {
        const double x = map.xAt(data.xAxis.ticks[i]);
        painter.setPen(QPen(grid, 1));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(QPen(ink, 1));
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + kTickLength));
        const QString label = qtText(data.xAxis.tickLabels[i]);
        const double width = metrics.horizontalAdvance(label);
        painter.drawText(QRectF(x - width / 2 - 1, area.bottom() + kTickLength + kGap, width + 2,
                                metrics.height()),
                         Qt::AlignCenter, label);
    }
    for (std::size_t i = 0; i < data.yAxis.ticks.size(); ++i) {
        const double y = map.yAt(data.yAxis.ticks[i]);
        painter.setPen(QPen(grid, 1));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(QPen(ink, 1));
        painter.drawLine(QPointF(area.left() - kTickLength, y), QPointF(area.left(), y));
        const double right = area.left() - kTickLength - kGap;
        painter.drawText(QRectF(0, y - metrics.height() / 2, right, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, qtText(data.yAxis.tickLabels[i]));
    }

    painter.setPen(QPen(palette.color(QPalette::Dark), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
}

void paintTitles(QPainter& painter, const QRectF& widgetRect, const QRectF& area,
                 const FitPlotData& data) {
    const QFontMetricsF metrics(painter.font());
    const QString xTitle =
        metrics.elidedText(qtText(data.xAxis.title), Qt::ElideRight, widgetRect.width());
    painter.drawText(QRectF(widgetRect.left(), widgetRect.bottom() - metrics.height(),
                            widgetRect.width(), metrics.height()),
                     Qt::AlignHCenter | Qt::AlignBottom, xTitle);

    const QString yTitle =
        metrics.elidedText(qtText(data.yAxis.title), Qt::ElideRight, widgetRect.height());
    painter.save();
    painter.translate(widgetRect.left(), area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-widgetRect.height() / 2, 0, widgetRect.height(), metrics.height()),
                     Qt::AlignHCenter | Qt::AlignTop, yTitle);
    painter.restore();
}

bool crosses(const QLineF& line, const QRectF& rect) {
    if (line.isNull())
        return false;
    constexpr int kSamples = 48;
    for (int i = 0; i <= kSamples; ++i) {
        if (rect.contains(line.pointAt(static_cast<double>(i) / kSamples)))
            return true;
    }
    return false;
}

// Places each % label beside its point: inside the plot area, clear of the axes, of the
// points, of the fitted line and of the labels placed before it where the room allows.
std::vector<QRectF> labelPlaces(const std::vector<QPointF>& points,
                                const std::vector<QSizeF>& sizes, const QRectF& area,
                                const QLineF& fit) {
    const QRectF room = area.adjusted(2, 2, -2, -2);
    std::vector<QRectF> taken;
    for (const QPointF& p : points)
        taken.emplace_back(p - QPointF(kPointRadius, kPointRadius),
                           QSizeF(2 * kPointRadius, 2 * kPointRadius));
    std::vector<QRectF> places;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const QPointF p = points[i];
        const double w = sizes[i].width();
        const double h = sizes[i].height();
        const double off = kPointRadius + 2;
        const std::array<QRectF, 8> candidates = {
            QRectF(p.x() + off, p.y() - h / 2, w, h),     // right
            QRectF(p.x() - off - w, p.y() - h / 2, w, h), // left
            QRectF(p.x() - w / 2, p.y() - off - h, w, h), // above
            QRectF(p.x() - w / 2, p.y() + off, w, h),     // below
            QRectF(p.x() + off - 2, p.y() - off - h + 2, w, h),
            QRectF(p.x() + off - 2, p.y() + off - 2, w, h),
            QRectF(p.x() - off - w + 2, p.y() - off - h + 2, w, h),
            QRectF(p.x() - off - w + 2, p.y() + off - 2, w, h)};
        const QRectF* chosen = nullptr;
        const QRectF* firstInside = nullptr;
        for (const QRectF& candidate : candidates) {
            if (!room.contains(candidate))
                continue;
            if (!firstInside)
                firstInside = &candidate;
            const bool clear = !crosses(fit, candidate) &&
                               std::none_of(taken.begin(), taken.end(), [&](const QRectF& t) {
                                   return t.intersects(candidate);
                               });
            if (clear) {
                chosen = &candidate;
                break;
            }
        }
        QRectF place = chosen ? *chosen : firstInside ? *firstInside : candidates[0];
        // Too little room anywhere: keep it inside the area all the same.
        place.moveLeft(
            std::clamp(place.left(), room.left(), std::max(room.left(), room.right() - w)));
        place.moveTop(std::clamp(place.top(), room.top(), std::max(room.top(), room.bottom() - h)));
        taken.push_back(place);
        places.push_back(place);
    }
    return places;
}

void paintData(QPainter& painter, const QRectF& area, const FitPlotData& data,
               const PlotMapping& map, const QPalette& palette) {
    painter.save();
    painter.setClipRect(area.adjusted(-kPointRadius, -kPointRadius, kPointRadius, kPointRadius));
    QLineF fit;
    if (data.fit) {
        fit = QLineF(map.at(data.fit->x1, data.fit->y1), map.at(data.fit->x2, data.fit->y2));
        painter.setPen(QPen(palette.color(QPalette::Highlight), 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(fit);
    }
    std::vector<QPointF> points;
    for (const PlotPoint& point : data.points)
        points.push_back(map.at(point.x, point.y));
    painter.setPen(QPen(palette.color(QPalette::Base), 1));
    painter.setBrush(palette.color(QPalette::Text));
    for (const QPointF& p : points)
        painter.drawEllipse(p, kPointRadius, kPointRadius);

    const QFontMetricsF metrics(painter.font());
    std::vector<QSizeF> sizes;
    for (const PlotPoint& point : data.points)
        sizes.emplace_back(metrics.horizontalAdvance(qtText(point.label)), metrics.height());
    const std::vector<QRectF> places = labelPlaces(points, sizes, area, fit);
    painter.setPen(palette.color(QPalette::Text));
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (!data.points[i].label.empty())
            painter.drawText(places[i], Qt::AlignCenter, qtText(data.points[i].label));
    }
    painter.restore();
}

} // namespace

AbFitPlot::AbFitPlot(QWidget* parent) : QWidget(parent), data_(abFitPlotData({})) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void AbFitPlot::showCell(const CellCalibration& cell) {
    data_ = abFitPlotData(cell);
    update();
}

QSize AbFitPlot::sizeHint() const {
    return {260, 200};
}

QSize AbFitPlot::minimumSizeHint() const {
    return {180, 140};
}

void AbFitPlot::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(plotFont(*this));
    const QPalette& colours = palette();
    const QRectF whole = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (data_.note) {
        paintNote(painter, whole, qtText(*data_.note), colours);
        return;
    }

    const QFontMetricsF metrics(painter.font());
    double yLabelWidth = 0;
    for (const std::string& label : data_.yAxis.tickLabels)
        yLabelWidth = std::max(yLabelWidth, metrics.horizontalAdvance(qtText(label)));
    const double lastXLabel =
        data_.xAxis.tickLabels.empty()
            ? 0
            : metrics.horizontalAdvance(qtText(data_.xAxis.tickLabels.back()));
    const double left = metrics.height() + kGap + yLabelWidth + kGap + kTickLength;
    const double bottom = kTickLength + kGap + metrics.height() + kGap + metrics.height();
    const double top = metrics.height() / 2 + 2;
    const double right = std::max(lastXLabel / 2, 6.0) + 2;
    const QRectF area(left, top, width() - left - right, height() - top - bottom);
    if (area.width() < kSmallestArea || area.height() < kSmallestArea)
        return;

    const PlotMapping map(area, data_.xAxis, data_.yAxis);
    painter.setPen(colours.color(QPalette::WindowText));
    paintTitles(painter, whole, area, data_);
    paintAxes(painter, area, data_, map, colours);
    paintData(painter, area, data_, map, colours);
}

} // namespace rheo
