// SPDX-License-Identifier: MIT
#include "gui/runs/form_arrangement.hpp"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace rheo {
namespace {

// The space kept between a control and what it was moved clear of, in dialog units.
constexpr int kGap = 3;
// Room for a few rows of the list in the smallest form, in dialog units.
constexpr int kSmallestListHeight = 60;

// The countdown's widest text: every digit of its font is as wide as the others.
const QString kWidestTimerText = QStringLiteral("00:00.0");

QRect grownTo(const QRect& rect, const QSize& needed) {
    return QRect(rect.topLeft(), QSize(std::max(rect.width(), needed.width()),
                                       std::max(rect.height(), needed.height())));
}

QRect& at(std::array<QRect, kFormControlCount>& places, FormControl control) {
    return places[static_cast<std::size_t>(control)];
}

} // namespace

TimerTextPlace timerTextPlace(double dpiX, double dpiY) {
    const LayoutScale scale = LayoutScale::forDisplay(dpiX, dpiY);
    TimerTextPlace place;
    double fontHeight = 200.0; // tenths of a point
    if (scale.scales()) {
        const double fx = scale.factorX();
        const double fy = scale.factorY();
        place.position =
            QPoint(static_cast<int>(270 * fx * 0.97), static_cast<int>(72 * fy * 0.97));
        place.rect =
            QRect(QPoint(static_cast<int>(270 * fx), static_cast<int>(72 * fy)),
                  QPoint(static_cast<int>(350 * fx * 1.1) - 1, static_cast<int>(115 * fy) - 1));
        fontHeight *= fy;
    } else {
        place.position = QPoint(270, 72);
        place.rect = QRect(QPoint(270, 72), QPoint(349, 114));
    }
    place.font = QFont(QStringLiteral("Times New Roman"));
    place.font.setStyleHint(QFont::Serif);
    place.font.setWeight(QFont::Bold);
    // Points to whole pixels of the display, as a font of a given point size always was.
    place.font.setPixelSize(
        std::max(1, static_cast<int>(std::lround(fontHeight / 10 * dpiY / 72))));

    const QFontMetrics metrics(place.font);
    const QRect line(place.position,
                     QSize(metrics.horizontalAdvance(kWidestTimerText), metrics.height()));
    const QRect ink = metrics.boundingRect(kWidestTimerText)
                          .translated(place.position + QPoint(0, metrics.ascent()));
    place.text = line.united(ink);
    place.rect = place.rect.united(place.text);
    return place;
}

FormArrangement::FormArrangement(const DialogUnits& units, double dpiX, double dpiY,
                                 const std::array<QSize, kFormControlCount>& minimumSizes)
    : units_(units), largePicture_(CellPictureStyle::Large, LayoutScale::forDisplay(dpiX, dpiY)),
      smallPicture_(CellPictureStyle::Small, LayoutScale::forDisplay(dpiX, dpiY)),
      timer_(timerTextPlace(dpiX, dpiY)) {
    for (const TemplateControl& entry : formTemplate()) {
        QRect place = units.rect(entry.place);
        const QSize needed = minimumSizes[static_cast<std::size_t>(entry.control)];
        // A drop-down list's template height is that of its open list.
        if (entry.kind == ControlKind::DropDownList)
            place.setHeight(needed.height());
        places_[static_cast<std::size_t>(entry.control)] = grownTo(place, needed);
    }

    QRect& t0 = at(places_, FormControl::TargetEffluxTimeValue);
    t0.setLeft(at(places_, FormControl::TargetEffluxTimeLabel).left());
    for (const TemplateControl& text : formTemplate()) {
        if (text.kind != ControlKind::Text)
            continue;
        QRect& place = at(places_, text.control);
        for (const TemplateControl& other : formTemplate()) {
            const QRect beside = at(places_, other.control);
            if (other.control != text.control && beside.left() > place.left() &&
                beside.intersects(place))
                place.setRight(beside.left() - 1 - units.x(1));
        }
    }

    QRect& timerButton = at(places_, FormControl::TimerButton);
    timerButton.moveTop(std::max(timerButton.top(), timer_.text.bottom() + 1 + units.y(kGap)));
    // The countdown's repaints stay on the form's background: its rectangle gives way to a
    // control beside it, down to the text itself.
    const QRect& text = timer_.text;
    QRect& repainted = timer_.rect;
    for (const QRect& control : places_) {
        if (!control.intersects(repainted))
            continue;
        if (control.left() > text.right())
            repainted.setRight(control.left() - 1);
        else if (control.top() > text.bottom())
            repainted.setBottom(control.top() - 1);
        else if (control.right() < text.left())
            repainted.setLeft(control.right() + 1);
        else if (control.bottom() < text.top())
            repainted.setTop(control.bottom() + 1);
    }

    int lowest =
        std::max(largePicture_.pictureRect().bottom(), smallPicture_.pictureRect().bottom());
    int rightmost = 0;
    for (const TemplateControl& entry : formTemplate()) {
        if (entry.control == FormControl::ResultsList)
            continue;
        lowest = std::max(lowest, at(places_, entry.control).bottom());
        rightmost = std::max(rightmost, at(places_, entry.control).right());
    }
    QRect& list = at(places_, FormControl::ResultsList);
    list.moveTop(std::max(list.top(), lowest + 1 + units.y(kGap)));

    const QRect form = units.rect(QRect(QPoint(0, 0), kFormTemplateSize));
    minimumFormSize_ = QSize(std::max(form.width(), rightmost + 1 + listMargins().width()),
                             std::max(form.height(), list.top() + units.y(kSmallestListHeight) +
                                                         listMargins().height()));
    list = listRect(minimumFormSize_);
}

QSize FormArrangement::listMargins() const {
    // The template's margins to the right of and below the list.
    const QRect list = templateControl(FormControl::ResultsList).place;
    return {units_.x(kFormTemplateSize.width() - list.x() - list.width()),
            units_.y(kFormTemplateSize.height() - list.y() - list.height())};
}

QRect FormArrangement::place(FormControl control) const {
    return places_[static_cast<std::size_t>(control)];
}

QRect FormArrangement::listRect(QSize formSize) const {
    const QRect list = places_[static_cast<std::size_t>(FormControl::ResultsList)];
    const QSize margins = listMargins();
    return QRect(list.topLeft(),
                 QPoint(std::max(list.left(), formSize.width() - margins.width() - 1),
                        std::max(list.top(), formSize.height() - margins.height() - 1)));
}

} // namespace rheo
