// SPDX-License-Identifier: MIT
#pragma once
// Dialog units, in which the form was drawn: a horizontal unit is a quarter of the form
// font's average character width, a vertical unit an eighth of its height. The average
// width is measured as it always was for dialogs: the width of the 52 letters "A" to "Z"
// and "a" to "z", divided by 26, plus one, halved, in whole pixels.

#include <QRect>

class QFontMetrics;

namespace rheo {

class DialogUnits {
public:
    // The base units of a font: its average character width and its height, in pixels.
    static DialogUnits forFont(const QFontMetrics& metrics);
    DialogUnits(int averageCharWidth, int charHeight);

    int averageCharWidth() const { return averageCharWidth_; }
    int charHeight() const { return charHeight_; }

    // Pixels for dialog units, rounded to the nearest pixel.
    int x(int units) const;
    int y(int units) const;
    QRect rect(const QRect& units) const;

private:
    int averageCharWidth_;
    int charHeight_;
};

} // namespace rheo
