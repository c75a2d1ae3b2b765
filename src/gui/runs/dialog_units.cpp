// SPDX-License-Identifier: MIT
#include "gui/runs/dialog_units.hpp"

#include <QFontMetrics>

#include <algorithm>

namespace rheo {
namespace {

// value * numerator / denominator, rounded half away from zero.
int scaled(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

} // namespace

DialogUnits DialogUnits::forFont(const QFontMetrics& metrics) {
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return DialogUnits((letters / 26 + 1) / 2, metrics.height());
}

DialogUnits::DialogUnits(int averageCharWidth, int charHeight)
    : averageCharWidth_(std::max(1, averageCharWidth)), charHeight_(std::max(1, charHeight)) {}

int DialogUnits::x(int units) const {
    return scaled(units, averageCharWidth_, 4);
}

int DialogUnits::y(int units) const {
    return scaled(units, charHeight_, 8);
}

QRect DialogUnits::rect(const QRect& units) const {
    // Both edges are converted, so that neighbouring controls stay neighbours.
    const int left = x(units.x());
    const int top = y(units.y());
    return QRect(QPoint(left, top),
                 QPoint(x(units.x() + units.width()) - 1, y(units.y() + units.height()) - 1));
}

} // namespace rheo
