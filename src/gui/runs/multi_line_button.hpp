// SPDX-License-Identifier: MIT
#pragma once
// A push button whose caption wraps onto as many lines as its width needs, centred, like
// the form's two long buttons ("Calculate Viscosity, Shear Rate, and Reynolds Number").

#include <QPushButton>

namespace rheo {

class MultiLineButton : public QPushButton {
    Q_OBJECT

public:
    explicit MultiLineButton(const QString& text, QWidget* parent = nullptr);

    // The height the caption needs at `width`, with the button's frame and margins.
    int heightForWidth(int width) const override;
    bool hasHeightForWidth() const override { return true; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The room for the caption inside a button of the given size.
    QRect captionRect(const QRect& buttonRect) const;
};

} // namespace rheo
