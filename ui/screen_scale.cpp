// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/screen_scale.h"

#include <QtMath>
#include <algorithm>

namespace ui {

namespace {

// Ratios come from a float (1.3 arrives as 1.2999999523): compare with room for that.
constexpr qreal kSlack = 1e-3;

int nearestInProportion(qreal ratio) {
    // Between n and n + 1 the geometric mean is the point of equal proportion.
    int factor = std::max(1, qFloor(ratio));
    if (ratio * ratio >= factor * (factor + 1)) {
        ++factor;
    }
    return factor;
}

}  // namespace

ScreenScale::ScreenScale(qreal devicePixelRatio)
    : ScreenScale(devicePixelRatio, nearestInProportion(devicePixelRatio)) {}

ScreenScale::ScreenScale(qreal devicePixelRatio, int factor)
    : ratio_(devicePixelRatio),
      factor_(std::max(1, factor)),
      exact_(qAbs(devicePixelRatio - factor_) < kSlack) {}

QSize ScreenScale::logicalSize(QSize content) const {
    if (exact_) {
        return content;
    }
    const qreal k = factor_ / ratio_;
    return {qCeil(content.width() * k - kSlack), qCeil(content.height() * k - kSlack)};
}

QRect ScreenScale::toLogical(const QRect& content) const {
    if (exact_ || content.isEmpty()) {
        return content;
    }
    // One pixel more on each side for the rounding of the widget's origin on the screen.
    const qreal k = factor_ / ratio_;
    return QRect(QPoint(qFloor(content.left() * k) - 1, qFloor(content.top() * k) - 1),
                 QPoint(qCeil((content.right() + 1) * k), qCeil((content.bottom() + 1) * k)));
}

QRect ScreenScale::toContent(const QRect& logical) const {
    if (exact_ || logical.isEmpty()) {
        return logical;
    }
    const qreal k = ratio_ / factor_;
    return QRect(QPoint(qFloor(logical.left() * k) - 1, qFloor(logical.top() * k) - 1),
                 QPoint(qCeil((logical.right() + 1) * k), qCeil((logical.bottom() + 1) * k)));
}

QPoint ScreenScale::contentAt(QPointF logical) const {
    const qreal k = exact_ ? 1.0 : ratio_ / factor_;
    return {qFloor(logical.x() * k), qFloor(logical.y() * k)};
}

}  // namespace ui
