// SPDX-License-Identifier: MIT
#pragma once
// One plot of the History window: a value of a cell over time (A, B, RMS, T0, or the
// reference checks' deviations with the tolerance band around zero), drawn with QPainter as
// the A/B plot is, on the screen and on a PDF page alike.

#include <QWidget>

#include <optional>
#include <string>
#include <vector>

namespace rheo {

struct LocalDateTime;

struct HistorySeries {
    std::string title; // UTF-8
    struct Point {
        double day = 0.0; // days since 1970-01-01, with the time of day as a fraction
        double value = 0.0;
        bool marked = false; // drawn in the mark's colour: a check beyond the tolerance
    };
    std::vector<Point> points;
    // The tolerance band: from -band to +band, drawn behind the points.
    std::optional<double> band;
};

// The day number of a date and time, for the time axis.
double dayNumber(const LocalDateTime& at);

class HistoryPlot : public QWidget {
    Q_OBJECT
public:
    explicit HistoryPlot(QWidget* parent = nullptr);

    void setSeries(HistorySeries series);
    const HistorySeries& series() const { return series_; }

    // Draws `series` into `frame` with `font` and `palette`: axes with round values, the
    // dates of the first and last tick, the points joined in time order.
    static void paint(QPainter& painter, const QRectF& frame, const HistorySeries& series,
                      const QFont& font, const QPalette& palette);

    QSize sizeHint() const override { return {320, 180}; }
    QSize minimumSizeHint() const override { return {160, 110}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    HistorySeries series_;
};

} // namespace rheo
