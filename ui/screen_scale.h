// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_UI_SCREEN_SCALE_H
#define FIELDCLEAR_UI_SCREEN_SCALE_H

#include <QPointF>
#include <QRect>
#include <QSize>

namespace ui {

// How the field's picture pixels meet the screen. Every picture pixel covers the same whole
// number of device pixels, the factor nearest to the device pixel ratio in proportion
// (1.3 gives 1, 1.5 gives 2, 2.5 gives 3); any other choice would make squares uneven or
// blur them. Where the ratio is fractional the widget's own logical pixels no longer match
// picture pixels, and these helpers convert between the two.
class ScreenScale {
public:
    explicit ScreenScale(qreal devicePixelRatio);
    // A smaller factor than the nearest, for a field that would not fit its screen otherwise.
    ScreenScale(qreal devicePixelRatio, int factor);

    qreal ratio() const { return ratio_; }
    // Device pixels per picture pixel.
    int factor() const { return factor_; }
    // True when picture pixels and the widget's logical pixels coincide.
    bool exact() const { return exact_; }

    // The widget size, in logical pixels, that holds `content` picture pixels.
    QSize logicalSize(QSize content) const;
    // The logical rectangle that covers the picture pixels of `content`.
    QRect toLogical(const QRect& content) const;
    // The picture pixels that a logical rectangle touches.
    QRect toContent(const QRect& logical) const;
    // The picture pixel under a logical point.
    QPoint contentAt(QPointF logical) const;

private:
    qreal ratio_;
    int factor_;
    bool exact_;
};

}  // namespace ui

#endif
