// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_RECORDS_BEST_TIMES_DIALOG_H
#define FIELDCLEAR_RECORDS_BEST_TIMES_DIALOG_H

#include <QDialog>
#include <QImage>
#include <array>

class QLabel;
class QPushButton;

namespace records {

class PanelView;
class RecordKeeper;

// "Best Times": the three records over their panel, and a reset. Made at its first opening,
// then hidden and shown again; its title keeps the line it was first opened with.
class Form2 final : public QDialog {
    Q_OBJECT

public:
    Form2(RecordKeeper& keeper, const QImage& panel, QWidget* parent);

    // Shows `panel` with each pixel on `factor` by `factor` screen pixels of a screen of this
    // device pixel ratio, and lays the whole dialog out to match it. The window asks for the
    // scale of its screen at every opening: a dialog opened on another screen fits that one.
    void setScale(int factor, qreal ratio);

    // Fills the labels from the current line and shows the dialog; the main window takes no
    // input until it is closed, whichever way.
    void open() override;

private:
    void fill();
    void Reset_Click();
    int at(int twips) const;

    RecordKeeper& keeper_;
    qreal unit_ = 1;  // logical pixels to a pixel of the panel
    PanelView* fram_;
    std::array<QLabel*, 6> best_{};  // the three times, then the three names
    QPushButton* reset_;
    QPushButton* ok_;
};

}  // namespace records

#endif
