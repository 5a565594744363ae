// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_UI_LANGUAGE_H
#define FIELDCLEAR_UI_LANGUAGE_H

#include <QLocale>
#include <QString>
#include <QStringList>

namespace ui {

// The languages the game speaks besides English, by the codes of their translations ("de",
// "pt_BR").
QStringList gameLanguages();

// Speaks the first of `locale`'s languages that the game speaks, or English: installs the
// game's texts and Qt's own in it, replacing any installed before, and makes it QLocale's
// default, from which the best-times file takes the code page of the names. Returns its code,
// "en" for English. Needs the application object.
QString useLanguage(const QLocale& locale = QLocale::system());

}  // namespace ui

#endif
