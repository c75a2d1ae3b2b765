// SPDX-License-Identifier: MIT
// The artwork of the cell block. Everything is derived from the layout's rectangles, so the
// drawing follows the layout when it is scaled, and every cell sits centred in its number
// box: what the operator sees as the cell is what a click hits.

#include "gui/widgets/cell_picture.hpp"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace rheo {
namespace {

double cross(QPointF o, QPointF a, QPointF b) {
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
}

// Convex hull of the points (monotone chain), clockwise on the screen (y downwards).
std::vector<QPointF> convexHull(std::vector<QPointF> points) {
    std::sort(points.begin(), points.end(), [](QPointF a, QPointF b) {
        return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
    });
    if (points.size() < 3)
        return points;
    std::vector<QPointF> hull(2 * points.size());
    std::size_t k = 0;
    for (const QPointF& p : points) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], p) <= 0)
            --k;
        hull[k++] = p;
    }
    const std::size_t lowerSize = k + 1;
    for (auto it = points.rbegin() + 1; it != points.rend(); ++it) {
        while (k >= lowerSize && cross(hull[k - 2], hull[k - 1], *it) <= 0)
            --k;
        hull[k++] = *it;
    }
    hull.resize(k - 1);
    return hull;
}

// Angle of a screen direction as QPainterPath::arcTo counts it: degrees, counter-clockwise
// as seen, 0 at three o'clock.
double screenAngle(QPointF direction) {
    return std::atan2(-direction.y(), direction.x()) * 180 / std::numbers::pi;
}

// The outline of every point within `radius` of the convex hull of `centres`: the hull
// with its edges pushed out and its corners rounded, like a plate milled around the cells.
QPainterPath roundedHull(const std::vector<QPointF>& centres, double radius) {
    const std::vector<QPointF> hull = convexHull(centres);
    QPainterPath path;
    const std::size_t n = hull.size();
    if (n < 3)
        return path;
    QPointF middle;
    for (const QPointF& p : hull)
        middle += p / static_cast<double>(n);
    std::vector<QPointF> normals(n); // outward unit normal of the edge from vertex i to i+1
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF edge = hull[(i + 1) % n] - hull[i];
        QPointF normal(edge.y(), -edge.x());
        normal /= std::hypot(normal.x(), normal.y());
        const QPointF outward = (hull[i] + hull[(i + 1) % n]) / 2 - middle;
        if (QPointF::dotProduct(normal, outward) < 0)
            normal = -normal;
        normals[i] = normal;
    }
    path.moveTo(hull[0] + radius * normals[n - 1]);
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF& corner = hull[i];
        const QPointF& before = normals[(i + n - 1) % n];
        const double start = screenAngle(before);
        double sweep = screenAngle(normals[i]) - start;
        while (sweep > 180)
            sweep -= 360;
        while (sweep <= -180)
            sweep += 360;
        const QRectF around(corner - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
        path.arcTo(around, start, sweep);
        path.lineTo(hull[(i + 1) % n] + radius * normals[i]);
    }
    path.closeSubpath();
    return path;
}

QPointF centreOf(const QRect& box) {
    return QRectF(box).center();
}

std::vector<QPointF> cellCentres(const CellPictureLayout& layout) {
    std::vector<QPointF> centres;
    for (int cell = 0; cell < kPictureCellCount; ++cell)
        centres.push_back(centreOf(layout.numberBox(cell)));
    return centres;
}

QPointF meanOf(const std::vector<QPointF>& points) {
    QPointF sum;
    for (const QPointF& p : points)
        sum += p;
    return sum / static_cast<double>(points.size());
}

// The smaller side of a number box: the unit every part of a picture is measured in.
double boxUnit(const CellPictureLayout& layout) {
    const QRect box = layout.numberBox(0);
    return std::min(box.width(), box.height());
}

QFont numberFont(const QPainter& painter, double pixelSize, int weight) {
    QFont font = painter.font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QString cellNumberText(int cell) {
    return QString::number(cell + 1);
}

// A circle of the given radius around a point.
QRectF circle(QPointF centre, double radius) {
    return {centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)};
}

// A screw head with its slot, holding the block to the heater below.
void paintScrew(QPainter& painter, QPointF centre, double radius, double slotAngle) {
    QRadialGradient head(centre - QPointF(radius, radius) * 0.35, radius * 1.6);
    head.setColorAt(0, QColor(0xf4, 0xf6, 0xf8));
    head.setColorAt(1, QColor(0x8e, 0x96, 0x9e));
    painter.setPen(QPen(QColor(0x55, 0x5c, 0x63), radius * 0.18));
    painter.setBrush(head);
    painter.drawEllipse(circle(centre, radius));
    const QPointF along(std::cos(slotAngle) * radius * 0.7, std::sin(slotAngle) * radius * 0.7);
    painter.setPen(QPen(QColor(0x4a, 0x50, 0x57), radius * 0.28, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre - along, centre + along);
}

// One glass cell seen from above, standing in its bore in the block.
void paintGlassCell(QPainter& painter, const QRect& box, int cell, bool selected,
                    const QPalette& palette, double unit) {
    const QPointF centre = centreOf(box);
    const double bore = unit * 0.43;
    const double glass = unit * 0.345;

    // The bore: a dark ring cut into the metal, lit from the upper left.
    QLinearGradient boreShade(centre - QPointF(bore, bore), centre + QPointF(bore, bore));
    boreShade.setColorAt(0, QColor(0x3c, 0x42, 0x48));
    boreShade.setColorAt(1, QColor(0x8a, 0x92, 0x9a));
    painter.setPen(QPen(QColor(0x4b, 0x52, 0x59), unit * 0.03));
    painter.setBrush(boreShade);
    painter.drawEllipse(circle(centre, bore));

    // The glass: clear and slightly blue, or the accent colour for the working cell.
    const QColor accent = palette.color(QPalette::Active, QPalette::Highlight);
    QRadialGradient fill(centre - QPointF(glass, glass) * 0.3, glass * 1.3);
    if (selected) {
        fill.setColorAt(0, accent.lighter(135));
        fill.setColorAt(1, accent.darker(115));
    } else {
        fill.setColorAt(0, QColor(0xfc, 0xfe, 0xff));
        fill.setColorAt(1, QColor(0xc6, 0xd6, 0xe0));
    }
    painter.setPen(QPen(selected ? accent.darker(150) : QColor(0x7f, 0x93, 0xa1), unit * 0.035));
    painter.setBrush(fill);
    painter.drawEllipse(circle(centre, glass));

    // A reflection on the glass wall.
    painter.setPen(QPen(QColor(255, 255, 255, selected ? 110 : 200), unit * 0.045, Qt::SolidLine,
                        Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(circle(centre, glass * 0.78), 100 * 16, 70 * 16);

    if (selected) {
        painter.setPen(QPen(accent, unit * 0.06));
        painter.drawEllipse(circle(centre, bore + unit * 0.045));
    }

    const QColor ink = selected ? palette.color(QPalette::Active, QPalette::HighlightedText)
                                : QColor(0x26, 0x2d, 0x33);
    painter.setPen(ink);
    painter.setFont(numberFont(painter, unit * (selected ? 0.46 : 0.42),
                               selected ? QFont::Bold : QFont::DemiBold));
    painter.drawText(QRectF(box), Qt::AlignCenter, cellNumberText(cell));
}

void paintLargePicture(QPainter& painter, const CellPictureLayout& layout, int selectedCell,
                       const QPalette& palette) {
    const double unit = boxUnit(layout);
    const std::vector<QPointF> centres = cellCentres(layout);
    // The face reaches just short of the picture's top above cells 1 and 5.
    const double topCentre = std::min(centres[0].y(), centres[4].y());
    const double rim = std::min(unit * 0.525, topCentre - layout.pictureRect().top() - 1);
    const double depth = unit * 0.3;

    // The block as a solid: its face swept down by its height gives the visible side.
    std::vector<QPointF> swept = centres;
    for (const QPointF& c : centres)
        swept.push_back(c + QPointF(0, depth));
    const QPainterPath solid = roundedHull(swept, rim);
    const QPainterPath face = roundedHull(centres, rim);
    const QRectF bounds = solid.boundingRect();

    // A soft shadow on the bench.
    painter.setPen(Qt::NoPen);
    for (int step = 3; step >= 1; --step) {
        painter.setBrush(QColor(0, 0, 0, 22));
        painter.drawPath(solid.translated(unit * 0.03 * step, unit * 0.06 * step));
    }

    QLinearGradient side(bounds.topLeft(), bounds.bottomLeft());
    side.setColorAt(0, QColor(0x9a, 0xa2, 0xaa));
    side.setColorAt(1, QColor(0x5c, 0x63, 0x6a));
    painter.setPen(QPen(QColor(0x45, 0x4b, 0x51), unit * 0.03));
    painter.setBrush(side);
    painter.drawPath(solid);

    // The machined face, lit from the upper left.
    const QRectF faceBounds = face.boundingRect();
    QLinearGradient metal(faceBounds.topLeft(), faceBounds.bottomRight());
    metal.setColorAt(0, QColor(0xf3, 0xf5, 0xf7));
    metal.setColorAt(0.55, QColor(0xd3, 0xd8, 0xdd));
    metal.setColorAt(1, QColor(0xb4, 0xbb, 0xc2));
    painter.setPen(QPen(QColor(0x5a, 0x61, 0x68), unit * 0.035));
    painter.setBrush(metal);
    painter.drawPath(face);
    // The chamfer along the face's edge catches the light.
    painter.setPen(QPen(QColor(255, 255, 255, 150), unit * 0.03));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(roundedHull(centres, rim - unit * 0.06));

    // The thermometer well in the middle, and the screws holding the block down.
    const QPointF middle = meanOf(centres);
    QRadialGradient well(middle, unit * 0.2);
    well.setColorAt(0, QColor(0x22, 0x26, 0x2a));
    well.setColorAt(1, QColor(0x6d, 0x75, 0x7d));
    painter.setPen(QPen(QColor(0x4b, 0x52, 0x59), unit * 0.03));
    painter.setBrush(well);
    painter.drawEllipse(circle(middle, unit * 0.17));
    const double screw = unit * 0.12;
    paintScrew(painter, (centres[0] + centres[4]) / 2, screw, 0.6);
    paintScrew(painter, (centres[0] + centres[1]) / 2, screw, 2.1);
    paintScrew(painter, (centres[3] + centres[4]) / 2, screw, 1.0);

    for (int cell = 0; cell < kPictureCellCount; ++cell)
        paintGlassCell(painter, layout.numberBox(cell), cell, cell == selectedCell, palette, unit);
}

// An arrow from `from` to `to` with a filled head at `to`.
void paintArrow(QPainter& painter, QPointF from, QPointF to, double width, const QColor& colour) {
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    if (length < width * 4)
        return;
    const QPointF unitAlong = along / length;
    const QPointF across(-unitAlong.y(), unitAlong.x());
    const double headLength = width * 3.2;
    const QPointF headBase = to - unitAlong * headLength;
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, headBase + unitAlong * width * 0.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const QPointF head[] = {to, headBase + across * width * 1.6, headBase - across * width * 1.6};
    painter.drawPolygon(head, 3);
}

// The low-colour picture: flat colours only, which a 256-colour display shows cleanly.
void paintSmallPicture(QPainter& painter, const CellPictureLayout& layout, int selectedCell,
                       const QPalette& palette) {
    const QRectF picture(layout.pictureRect());
    const double unit = boxUnit(layout);
    const std::vector<QPointF> centres = cellCentres(layout);
    const QColor outline(Qt::black);
    const QColor accent = palette.color(QPalette::Active, QPalette::Highlight);
    const QColor accentText = palette.color(QPalette::Active, QPalette::HighlightedText);

    const double discRadius = std::min(picture.width(), picture.height()) / 2 - unit * 0.08;
    const QPointF discCentre = picture.center();
    painter.setPen(QPen(outline, unit * 0.06));
    painter.setBrush(QColor(0xc0, 0xc0, 0xc0));
    painter.drawEllipse(circle(discCentre, discRadius));
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), unit * 0.05));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(circle(discCentre, discRadius - unit * 0.22));

    const QPointF middle = meanOf(centres);
    const double holeRadius = unit * 0.45;
    for (int cell = 0; cell < kPictureCellCount; ++cell) {
        const bool selected = cell == selectedCell;
        const QRect box = layout.numberBox(cell);
        painter.setPen(QPen(outline, unit * 0.06));
        painter.setBrush(selected ? accent : QColor(Qt::white));
        painter.drawEllipse(circle(centreOf(box), holeRadius));
        painter.setPen(selected ? accentText : outline);
        painter.setFont(numberFont(painter, unit * 0.5, selected ? QFont::Bold : QFont::Normal));
        painter.drawText(QRectF(box), Qt::AlignCenter, cellNumberText(cell));
    }
    if (selectedCell < 0 || selectedCell >= kPictureCellCount)
        return;

    // The working cell's number in the middle, and an arrow from it to the cell's hole.
    const QFont bigFont = numberFont(painter, picture.height() * 0.17, QFont::Bold);
    const QString number = cellNumberText(selectedCell);
    const QRectF glyph = QFontMetricsF(bigFont).tightBoundingRect(number);
    painter.setPen(outline);
    painter.setFont(bigFont);
    painter.drawText(middle - glyph.center(), number); // the digit's ink centred on the middle

    const QPointF towards = centres[static_cast<std::size_t>(selectedCell)] - middle;
    const double distance = std::hypot(towards.x(), towards.y());
    if (distance <= 0)
        return;
    const QPointF direction = towards / distance;
    // Leave the number's box where the ray from the middle crosses it, with a small gap.
    const double gap = unit * 0.12;
    const double halfWidth = glyph.width() / 2 + gap;
    const double halfHeight = glyph.height() / 2 + gap;
    const double start = std::min(direction.x() != 0 ? halfWidth / std::abs(direction.x()) : 1e9,
                                  direction.y() != 0 ? halfHeight / std::abs(direction.y()) : 1e9);
    const double end = distance - holeRadius - gap;
    paintArrow(painter, middle + direction * start, middle + direction * end, unit * 0.09, outline);
}

} // namespace

void paintCellPicture(QPainter& painter, const CellPictureLayout& layout, int selectedCell,
                      const QPalette& palette) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setClipRect(layout.pictureRect(), Qt::IntersectClip);
    if (layout.style() == CellPictureStyle::Large)
        paintLargePicture(painter, layout, selectedCell, palette);
    else
        paintSmallPicture(painter, layout, selectedCell, palette);
    painter.restore();
}

} // namespace rheo
