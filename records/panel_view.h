// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_RECORDS_PANEL_VIEW_H
#define FIELDCLEAR_RECORDS_PANEL_VIEW_H

#include <QImage>
#include <QWidget>

namespace records {

// A picture shown with each of its pixels on `factor` by `factor` screen pixels, from a whole
// screen pixel, so it stays sharp at a fractional desktop scale as the field does.
class PanelView final : public QWidget {
public:
    PanelView(const QImage& picture, QWidget* parent);

    // Each picture pixel on `factor` by `factor` device pixels of a screen of this ratio.
    void setScale(int factor, qreal ratio);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    QImage scaled_;  // in screen pixels
};

}  // namespace records

#endif
