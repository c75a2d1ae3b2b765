// SPDX-License-Identifier: MIT
#include "gui/widgets/history_plot.hpp"

#include "core/model/model.hpp"
#include "gui/widgets/ab_fit_plot_data.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace rheo {
namespace {

constexpr int kMostTimeTicks = 4;
constexpr int kMostValueTicks = 5;
constexpr double kPointRadius = 2.5;
constexpr QRgb kMarkColour = qRgb(204, 51, 51);

// Days from 1970-01-01 of a civil date (the proleptic Gregorian calendar).
long long daysFromCivil(int year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153LL * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

QString dateOfDay(double dayNumberValue) {
    long long z = static_cast<long long>(std::floor(dayNumberValue)) + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long dayOfEra = z - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    const long long day = dayOfYear - (153 * mp + 2) / 5 + 1;
    const long long month = mp + (mp < 10 ? 3 : -9);
    const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return QStringLiteral("%1-%2-%3")
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}

} // namespace

double dayNumber(const LocalDateTime& at) {
    return static_cast<double>(daysFromCivil(at.year, at.month, at.day)) +
           (at.hour * 3600 + at.minute * 60 + at.second) / 86400.0;
}

HistoryPlot::HistoryPlot(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void HistoryPlot::setSeries(HistorySeries series) {
    series_ = std::move(series);
    update();
}

void HistoryPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    paint(painter, QRectF(rect()).adjusted(2, 2, -2, -2), series_, font(), palette());
}

void HistoryPlot::paint(QPainter& painter, const QRectF& frame, const HistorySeries& series,
                        const QFont& font, const QPalette& palette) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Points and lines keep their size on a page of a higher resolution than the screen's.
    const double scale = std::max(1.0, painter.device()->logicalDpiX() / 96.0);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const QColor ink = palette.color(QPalette::WindowText);
    painter.setPen(ink);
    const QRectF titleRect(frame.left(), frame.top(), frame.width(), metrics.height());
    painter.drawText(titleRect, Qt::AlignHCenter | Qt::AlignTop,
                     QString::fromUtf8(series.title.c_str()));

    if (series.points.empty()) {
        painter.setPen(palette.color(QPalette::PlaceholderText));
        painter.drawText(frame.adjusted(0, metrics.height(), 0, 0), Qt::AlignCenter,
                         QStringLiteral("No records"));
        painter.restore();
        return;
    }

    const auto [firstDay, lastDay] =
        std::minmax_element(series.points.begin(), series.points.end(),
                            [](const auto& a, const auto& b) { return a.day < b.day; });
    const auto [lowest, highest] =
        std::minmax_element(series.points.begin(), series.points.end(),
                            [](const auto& a, const auto& b) { return a.value < b.value; });
    double low = lowest->value, high = highest->value;
    if (series.band) {
        low = std::min(low, -*series.band);
        high = std::max(high, *series.band);
    }
    const PlotAxis xAxis = niceAxis(firstDay->day, lastDay->day, kMostTimeTicks);
    const PlotAxis yAxis = niceAxis(low, high, kMostValueTicks);

    double labelWidth = 0;
    for (const std::string& label : yAxis.tickLabels)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(QString::fromStdString(label)));
    // Room above the dates for the lowest value's label, which stands half below its line.
    const QRectF area(frame.left() + labelWidth + 6 * scale, titleRect.bottom() + 4 * scale,
                      frame.width() - labelWidth - 6 * scale - metrics.averageCharWidth() * 5,
                      frame.height() - 2.5 * metrics.height() - 10 * scale);
    if (area.width() < 20 || area.height() < 20) {
        painter.restore();
        return;
    }
    const auto xAt = [&](double day) {
        return area.left() + (day - xAxis.minimum) / (xAxis.maximum - xAxis.minimum) * area.width();
    };
    const auto yAt = [&](double value) {
        return area.bottom() -
               (value - yAxis.minimum) / (yAxis.maximum - yAxis.minimum) * area.height();
    };

    painter.fillRect(area, palette.color(QPalette::Base));
    if (series.band) {
        QColor band = palette.color(QPalette::Highlight);
        band.setAlpha(45);
        painter.fillRect(QRectF(QPointF(area.left(), yAt(*series.band)),
                                QPointF(area.right(), yAt(-*series.band))),
                         band);
    }
    QColor grid = palette.color(QPalette::Mid);
    grid.setAlpha(70);
    for (std::size_t i = 0; i < yAxis.ticks.size(); ++i) {
        const double y = yAt(yAxis.ticks[i]);
        painter.setPen(QPen(grid, 0));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(ink);
        painter.drawText(
            QRectF(frame.left(), y - metrics.height() / 2, labelWidth, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(yAxis.tickLabels[i]));
    }
    for (std::size_t i = 0; i < xAxis.ticks.size(); ++i) {
        const double x = xAt(xAxis.ticks[i]);
        painter.setPen(QPen(grid, 0));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        // The first and last dates only: four dates would not fit a small plot.
        if (i != 0 && i + 1 != xAxis.ticks.size())
            continue;
        painter.setPen(ink);
        const QString date = dateOfDay(xAxis.ticks[i]);
        const double width = metrics.horizontalAdvance(date);
        const double left = i == 0 ? x - width / 4 : x - width * 3 / 4;
        painter.drawText(QRectF(left, area.bottom() + metrics.height() / 2 + 2 * scale, width + 2,
                                metrics.height()),
                         Qt::AlignLeft, date);
    }

    std::vector<HistorySeries::Point> ordered = series.points;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const auto& a, const auto& b) { return a.day < b.day; });
    QPainterPath line;
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        const QPointF p(xAt(ordered[i].day), yAt(ordered[i].value));
        i == 0 ? line.moveTo(p) : line.lineTo(p);
    }
    painter.setPen(QPen(palette.color(QPalette::Highlight), 1.5 * scale));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
    for (const auto& point : ordered) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(point.marked ? QColor(kMarkColour) : palette.color(QPalette::Text));
        painter.drawEllipse(QPointF(xAt(point.day), yAt(point.value)), kPointRadius * scale,
                            kPointRadius * scale);
    }
    painter.setPen(QPen(palette.color(QPalette::Dark), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    painter.restore();
}

} // namespace rheo
