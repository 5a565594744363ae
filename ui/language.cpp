// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ui {

namespace {

const QString kTranslations = QStringLiteral(":/i18n");
const QString kEnglish = QStringLiteral("en");
constexpr const char* kOwnTranslator = "fieldclearTranslator";

QString gameFile(const QString& code) {
    return kTranslations + QStringLiteral("/fieldclear_") + code + QStringLiteral(".qm");
}

// The first of the locale's languages with a translation, tried as given ("pt_BR") and then
// by its language alone, which also takes the language in another region ("pt", "pt_PT"). The
// system locale lists the languages of LANGUAGE, then the one of LC_ALL, LC_MESSAGES or LANG.
QString chooseLanguage(const QLocale& locale) {
    const QStringList spoken = gameLanguages();
    for (QString wanted : locale.uiLanguages()) {
        wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (wanted == QLatin1String("C") || wanted.startsWith(kEnglish)) {
            return kEnglish;  // English listed first wins over any later language
        }
        for (const QString& s : spoken) {
            if (s.compare(wanted, Qt::CaseInsensitive) == 0) {
                return s;
            }
        }
        const QString language = wanted.section(QLatin1Char('_'), 0, 0);
        for (const QString& s : spoken) {
            if (s.section(QLatin1Char('_'), 0, 0).compare(language, Qt::CaseInsensitive) == 0) {
                return s;
            }
        }
    }
    return kEnglish;
}

// Installs the translation in `file`; false if there is none.
bool install(const QString& file) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(QLatin1String(kOwnTranslator));
    if (!translator->load(file)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

}  // namespace

QStringList gameLanguages() {
    // Named by the build, which makes their translations: a look into the resources would cost
    // more than the rest of choosing a language.
    return QString::fromLatin1(FIELDCLEAR_LANGUAGES).split(QLatin1Char(','));
}

QString useLanguage(const QLocale& locale) {
    const auto installed =
        QCoreApplication::instance()->findChildren<QTranslator*>(QLatin1String(kOwnTranslator));
    for (QTranslator* t : installed) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    const QString code = chooseLanguage(locale);
    // English first: it gives the plural forms, and any text a language still lacks.
    install(gameFile(kEnglish));
    if (code != kEnglish) {
        install(gameFile(code));
        // Qt's buttons and a text box's menu. Where Qt has a language only in its older catalogue
        // of all of Qt, which lacks the texts of today's buttons (Swedish), ours fill the gap.
        const QString qt = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (!install(qt + QStringLiteral("/qtbase_") + code)) {
            install(qt + QStringLiteral("/qt_") + code);
            install(kTranslations + QStringLiteral("/qtbase_") + code + QStringLiteral(".qm"));
        }
    }
    QLocale::setDefault(QLocale(code));
    return code;
}

}  // namespace ui
