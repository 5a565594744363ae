// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/dialog_look.h"

#include <QDialog>

namespace records {

namespace {

constexpr int kFontPixels = 11;
constexpr QRgb kLightGrey = 0xC0C0C0;

}  // namespace

void applyDialogLook(QDialog& dialog, int width, int height, qreal unit) {
    dialog.setFixedSize(width, height);
    QPalette palette = dialog.palette();
    palette.setColor(QPalette::Window, QColor(kLightGrey));
    palette.setColor(QPalette::Button, QColor(kLightGrey));
    dialog.setPalette(palette);
    QFont font = dialog.font();
    font.setPixelSize(qMax(1, qRound(kFontPixels * unit)));
    dialog.setFont(font);
}

}  // namespace records
