// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/dialog_look.h"

#include <QDialog>

namespace records {

namespace {

constexpr int kFontPixels = 11;

// The classic light-grey look of the game's pictures, complete in every role: a dialog that
// kept some of a dark desktop theme's roles would put near-white text on this grey.
constexpr QRgb kLightGrey = 0xC0C0C0;
constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kBlack = 0x000000;
constexpr QRgb kMidlight = 0xDFDFDF;
constexpr QRgb kMid = 0xA0A0A0;
constexpr QRgb kDarkGrey = 0x808080;
constexpr QRgb kNavy = 0x000080;
constexpr QRgb kBlue = 0x0000FF;
constexpr QRgb kPurple = 0x800080;
constexpr QRgb kToolTip = 0xFFFFE1;
// Dark enough to read on both the grey and white grounds (4.6 to 1 on the grey), still
// plainly fainter than black.
constexpr QRgb kFaintText = 0x4C4C4C;

}  // namespace

QPalette dialogPalette() {
    QPalette p;
    for (const QPalette::ColorGroup g :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool off = g == QPalette::Disabled;
        const QColor text(off ? kFaintText : kBlack);
        p.setColor(g, QPalette::Window, QColor(kLightGrey));
        p.setColor(g, QPalette::WindowText, text);
        p.setColor(g, QPalette::Button, QColor(kLightGrey));
        p.setColor(g, QPalette::ButtonText, text);
        p.setColor(g, QPalette::Base, QColor(off ? kLightGrey : kWhite));
        p.setColor(g, QPalette::AlternateBase, QColor(kMidlight));
        p.setColor(g, QPalette::Text, text);
        p.setColor(g, QPalette::PlaceholderText, QColor(kFaintText));
        p.setColor(g, QPalette::BrightText, QColor(kWhite));
        p.setColor(g, QPalette::Light, QColor(kWhite));
        p.setColor(g, QPalette::Midlight, QColor(kMidlight));
        p.setColor(g, QPalette::Mid, QColor(kMid));
        p.setColor(g, QPalette::Dark, QColor(kDarkGrey));
        p.setColor(g, QPalette::Shadow, QColor(kBlack));
        p.setColor(g, QPalette::Highlight, QColor(off ? kFaintText : kNavy));
        p.setColor(g, QPalette::HighlightedText, QColor(kWhite));
        p.setColor(g, QPalette::Link, QColor(kBlue));
        p.setColor(g, QPalette::LinkVisited, QColor(kPurple));
        p.setColor(g, QPalette::ToolTipBase, QColor(kToolTip));
        p.setColor(g, QPalette::ToolTipText, QColor(kBlack));
    }
    return p;
}

void applyDialogLook(QDialog& dialog, int width, int height, qreal unit) {
    dialog.setFixedSize(width, height);
    dialog.setPalette(dialogPalette());
    QFont font = dialog.font();
    font.setPixelSize(qMax(1, qRound(kFontPixels * unit)));
    dialog.setFont(font);
}

}  // namespace records
