// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_TESTS_SUPPORT_PSEUDO_LANGUAGE_H
#define FIELDCLEAR_TESTS_SUPPORT_PSEUDO_LANGUAGE_H

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>

namespace testing_support {

// Speaks the pseudo-language while it lives: every letter of the game's texts accented, so that
// an English word on screen is one that never went through a translation. Make it before the
// window, which takes its texts when it is built.
class PseudoLanguage {
public:
    PseudoLanguage() {
        EXPECT_TRUE(translator_.load(QStringLiteral(FIELDCLEAR_PSEUDO_QM)));
        QCoreApplication::installTranslator(&translator_);
    }
    ~PseudoLanguage() { QCoreApplication::removeTranslator(&translator_); }
    PseudoLanguage(const PseudoLanguage&) = delete;
    PseudoLanguage& operator=(const PseudoLanguage&) = delete;

    // The first English word of `text`, two plain letters or more; empty if there is none.
    static QString english(const QString& text) {
        static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
        return word.match(text).captured();
    }

private:
    QTranslator translator_;
};

}  // namespace testing_support

#endif
