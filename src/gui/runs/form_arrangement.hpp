// SPDX-License-Identifier: MIT
#pragma once
// Where everything lies on the test-run form. The controls come from the template in
// dialog units of the form's font; the cell picture and the countdown have pixel places
// of a 96 DPI display, scaled on other displays. The two systems grow differently with
// the font and the display, so the arrangement keeps the template's order and makes it
// clean where they would meet:
// - a control whose text needs more room than the template gives it grows to the right
//   (labels, radio buttons) or downwards (fields, buttons);
// - the target efflux time reaches left under its label, so a long T0 is never cut;
// - a text ends where a control to its right begins;
// - the timer button starts below the countdown's text, and the countdown's repaints stay
//   off the controls;
// - the results list starts below the picture and every other control, and fills the
//   rest of the form.

#include "gui/runs/dialog_units.hpp"
#include "gui/runs/form_template.hpp"
#include "gui/widgets/cell_picture.hpp"

#include <QFont>
#include <QRect>
#include <QSize>

#include <array>

namespace rheo {

// The countdown: drawn with its top-left corner at `position`, in `font`; `rect` is what
// is repainted when the text changes; `text` is where the widest text lies.
struct TimerTextPlace {
    QPoint position;
    QRect rect;
    QFont font;
    QRect text;
};

// The countdown's place and font on a display of `dpiX` x `dpiY` pixels per inch: (270, 72)
// in bold "Times New Roman" of 20 points, in whole pixels; on a display that scales the
// layout, the position by the layout's factors and a further 0.97, the font's size by the
// vertical factor, the repainted rectangle (270, 72) to (350, 115) like the layout with its
// right edge by a further 1.1. The rectangle then takes in the widest countdown text
// wherever the text reaches past it. (The arrangement trims it off the controls.)
TimerTextPlace timerTextPlace(double dpiX, double dpiY);

class FormArrangement {
public:
    // The form on a display of `dpiX` x `dpiY` pixels per inch, with the dialog units of its
    // font there. `minimumSizes`: what each control needs to show its text whole
    // (minimumControlSizes).
    FormArrangement(const DialogUnits& units, double dpiX, double dpiY,
                    const std::array<QSize, kFormControlCount>& minimumSizes);

    // The place of a control; for the list, its place in a form of the template's size.
    QRect place(FormControl control) const;
    // The list in a form of `formSize`: the rest of the form below the other controls.
    QRect listRect(QSize formSize) const;
    // The smallest form that holds every control and a list of a few rows.
    QSize minimumFormSize() const { return minimumFormSize_; }

    const CellPictureLayout& picture(CellPictureStyle style) const {
        return style == CellPictureStyle::Large ? largePicture_ : smallPicture_;
    }
    const TimerTextPlace& timerText() const { return timer_; }

private:
    QSize listMargins() const;

    DialogUnits units_;
    CellPictureLayout largePicture_;
    CellPictureLayout smallPicture_;
    TimerTextPlace timer_;
    std::array<QRect, kFormControlCount> places_{};
    QSize minimumFormSize_;
};

} // namespace rheo
