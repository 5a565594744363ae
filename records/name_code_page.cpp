// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/name_code_page.h"

#include <QLocale>

namespace records {

CodePage nameCodePage() {
    switch (QLocale().language()) {
        case QLocale::Czech:
        case QLocale::Polish:
            return CodePage::Windows1250;
        case QLocale::Russian:
        case QLocale::Ukrainian:
            return CodePage::Windows1251;
        case QLocale::Turkish:
            return CodePage::Windows1254;
        default:
            // English and the other Western languages, and any language not translated, which
            // reads every file as it always has.
            return CodePage::Windows1252;
    }
}

}  // namespace records
