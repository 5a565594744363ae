// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <optional>

#include "records/best_times_dialog.h"
#include "records/custom_field_dialog.h"
#include "records/dialog_look.h"
#include "support/modal_answer.h"
#include "support/scripted_random.h"
#include "ui/main_window.h"

namespace {

using testing_support::ModalAnswer;

// WCAG's relative luminance and contrast ratio.
double luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr double kAA = 4.5;

// A dark desktop theme's palette, in the colours such themes use.
QPalette darkPalette() {
    QPalette p(QColor(0x353535), QColor(0x2d2d2d));
    const std::pair<QPalette::ColorRole, QRgb> roles[] = {
        {QPalette::WindowText, 0xeeeeee}, {QPalette::Text, 0xeeeeee},
        {QPalette::ButtonText, 0xeeeeee}, {QPalette::Base, 0x1e1e1e},
        {QPalette::Highlight, 0x15539e},  {QPalette::HighlightedText, 0xffffff},
    };
    for (const auto& [role, rgb] : roles) {
        p.setColor(role, QColor(rgb));
    }
    return p;
}

// Every text a window shows stands out against the ground it is drawn on, in every state it
// can be seen in, and the window wears the game's own palette whole, whatever the desktop's.
void expectReadable(QWidget* window) {
    const QPalette game = records::dialogPalette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto r = static_cast<QPalette::ColorRole>(role);
            if (r != QPalette::NoRole) {
                EXPECT_EQ(window->palette().color(group, r).rgba(), game.color(group, r).rgba())
                    << window->objectName().toStdString() << " " << group << " " << role;
            }
        }
    }
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets << window;
    int texts = 0;
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(window)) {
            continue;
        }
        std::vector<std::pair<QPalette::ColorRole, QPalette::ColorRole>> pairs;
        if (auto* label = qobject_cast<QLabel*>(w); label != nullptr && !label->text().isEmpty()) {
            pairs = {{QPalette::WindowText, QPalette::Window}};
        } else if (qobject_cast<QAbstractButton*>(w) != nullptr) {
            pairs = {{QPalette::ButtonText, QPalette::Button}};
        } else if (qobject_cast<QLineEdit*>(w) != nullptr) {
            pairs = {{QPalette::Text, QPalette::Base},
                     {QPalette::HighlightedText, QPalette::Highlight}};
        }
        texts += pairs.empty() ? 0 : 1;
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            for (const auto& [text, ground] : pairs) {
                const QPalette& p = w->palette();
                EXPECT_GE(contrast(p.color(group, text), p.color(group, ground)), kAA)
                    << window->objectName().toStdString() << " " << w->objectName().toStdString()
                    << " " << p.color(group, text).name().toStdString() << " on "
                    << p.color(group, ground).name().toStdString();
            }
        }
    }
    EXPECT_GT(texts, 0) << window->objectName().toStdString();
}

// The palettes a desktop may give: its own, as the platform theme found it, a light and a
// dark one.
enum class Desk { Own, Light, Dark };

class Readable : public ::testing::TestWithParam<Desk> {
protected:
    Readable() {
        own_ = QApplication::palette();
        switch (GetParam()) {
            case Desk::Own:
                break;
            case Desk::Light:
                QApplication::setPalette(QApplication::style()->standardPalette());
                break;
            case Desk::Dark:
                QApplication::setPalette(darkPalette());
                break;
        }
        window.emplace(settings, random, dir.filePath(QStringLiteral("data/minebs.txt")));
        window->show();
    }
    ~Readable() override {
        window.reset();
        QApplication::setPalette(own_);
    }
    QAction* item(const char* name) {
        return window->findChild<QAction*>(QString::fromLatin1(name));
    }

    QPalette own_;
    QTemporaryDir dir;
    game::Module1 settings;
    testing_support::ScriptedRandom random;
    std::optional<ui::MainWindow> window;
};

TEST_P(Readable, BothDialogsTheRecordPromptAndTheMessageBoxesInTheGamesOwnPalette) {
    item("mnuCustom")->trigger();
    auto* custom = window->findChild<records::Form3*>();
    expectReadable(custom);
    custom->reject();

    item("mnuBest")->trigger();
    auto* best = window->findChild<records::Form2*>();
    expectReadable(best);
    ModalAnswer question("resetQuestion", [](QWidget* w) {
        expectReadable(w);
        static_cast<QMessageBox*>(w)->button(QMessageBox::Cancel)->click();
    });
    best->findChild<QPushButton*>(QStringLiteral("Reset"))->click();
    EXPECT_EQ(question.count, 1);
    best->accept();

    // A record whose save fails: the prompt, then the message.
    ModalAnswer prompt("recordPrompt", [](QWidget* w) {
        expectReadable(w);
        static_cast<QDialog*>(w)->accept();
    });
    ModalAnswer failed("saveFailed", [](QWidget* w) {
        expectReadable(w);
        static_cast<QDialog*>(w)->accept();
    });
    ModalAnswer* answers[] = {&prompt, &failed};
    QFile(dir.filePath(QStringLiteral("data"))).open(QIODevice::WriteOnly);  // no folder for it
    random.scriptMines({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 64);
    const auto& l = window->field()->fieldLayout();
    QTest::mouseClick(window->field(), Qt::LeftButton, {},
                      l.elements[static_cast<std::size_t>(l.firstBox + 63)].rect.center());
    for (const ModalAnswer* a : answers) {
        EXPECT_EQ(a->count, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Palettes, Readable, ::testing::Values(Desk::Own, Desk::Light, Desk::Dark),
                         [](const ::testing::TestParamInfo<Desk>& desk) {
                             return std::string(desk.param == Desk::Own     ? "TheDesktopsOwn"
                                                : desk.param == Desk::Light ? "Light"
                                                                            : "Dark");
                         });

// The dialogs' own palette: black texts, in white boxes, that turn faint once disabled and
// are still readable then.
TEST(DialogPalette, TextsAreBlackOnWhiteBoxesAndFaintButReadableWhenDisabled) {
    const QPalette p = records::dialogPalette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        EXPECT_EQ(p.color(group, QPalette::Text), QColor(Qt::black)) << group;
        EXPECT_EQ(p.color(group, QPalette::Base), QColor(Qt::white)) << group;
    }
    EXPECT_EQ(p.color(QPalette::Disabled, QPalette::Base), p.color(QPalette::Window));
    EXPECT_NE(p.color(QPalette::Disabled, QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(p.color(QPalette::PlaceholderText), p.color(QPalette::Disabled, QPalette::Text));
    const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
        {QPalette::WindowText, QPalette::Window},
        {QPalette::ButtonText, QPalette::Button},
        {QPalette::Text, QPalette::Base},
        {QPalette::HighlightedText, QPalette::Highlight},
        {QPalette::PlaceholderText, QPalette::Base},
        {QPalette::Link, QPalette::Window}};
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const auto& [text, ground] : pairs) {
            EXPECT_GE(contrast(p.color(group, text), p.color(group, ground)), kAA)
                << group << " " << text << " on " << ground;
        }
    }
}

}  // namespace
