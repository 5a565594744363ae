// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the gallery of tile sets: the real window, playing the same Intermediate game in every
// tile set the program has, grabbed and laid out on one PNG with each set's name above it.
//
//     gallery OUT.png
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "support/scripted_random.h"
#include "ui/main_window.h"

namespace {

// The Intermediate field (16 x 16, 40 mines, squares numbered from 1 row by row). The mines are
// laid by hand so that one opening and a few single clicks show every count from 1 to 8:
//   . . . . . . . . . . . . . . . .
//   . . . . . . . . . 1 1 1 . . . .
//   . . . . . . 1 1 1 1 F 1 . . . .
//   . . . . . . 1 F # ? # 1 . . . .
//   . . . . . . 1 1 2 # # 3 3 3 2 1
//   . . . . . . . . 2 # # # # # # #
//   . . . . . . . . 3 # 8 # 7 6 4 #   (8, 7, 6 and 4 clicked one by one)
//   . . . . . . . . 2 # # # # # # #
//   . . 1 1 1 . . . 1 # # # # # # #
//   . . 1 F 1 . . . 1 # # # # # # #
//   . . 1 1 2 2 2 1 1 F # # # # # #
//   . . . . 2 # # # # # # # # # # #
//   . . . . 3 # # # # # # # # # # #
//   . . . . 2 # # # # # # # # 5 # #   (5 clicked)
//   . . . . 1 2 3 2 2 # # # # # # #
//   . . . . . . . . 1 # # # # # # #
constexpr int kSquares = 16 * 16;
const std::vector<int> kMines = {43,  56,  90,  91,  92,  93,  94,  95,  106, 108,
                                 122, 123, 124, 125, 126, 127, 141, 148, 170, 175,
                                 182, 183, 190, 191, 198, 200, 205, 206, 214, 215,
                                 216, 220, 223, 235, 237, 239, 240, 250, 253, 255};
constexpr int kOpening = 1;
constexpr std::array kSingleClicks = {107, 109, 110, 111, 222};
constexpr std::array kFlags = {43, 56, 148, 170};
constexpr int kQuestionMark = 58;
constexpr int kSecondsPlayed = 42;

struct Shot {
    QString name;
    QImage image;
};

QAction* item(ui::MainWindow& window, const QString& name) {
    return window.findChild<QAction*>(name);
}

void click(ui::MainWindow& window, int k, Qt::MouseButton button = Qt::LeftButton) {
    const ui::FieldLayout& l = window.field()->fieldLayout();
    const QRect square = l.elements[static_cast<std::size_t>(l.firstBox + k - 1)].rect;
    QTest::mouseClick(window.field(), button, {}, square.center());
}

Shot playedGame(int gfxset) {
    game::Module1 settings;
    testing_support::ScriptedRandom random;
    random.scriptMines(kMines, kSquares);
    ui::MainWindow window(settings, random);
    window.show();
    QAction* set = item(window, QStringLiteral("mnuGFX%1").arg(gfxset));
    set->trigger();
    item(window, QStringLiteral("mnuIntermediate"))->trigger();  // builds the field in this set
    item(window, QStringLiteral("mnuMarks"))->trigger();
    click(window, kOpening);
    for (int k : kSingleClicks) {
        click(window, k);
    }
    for (int k : kFlags) {
        click(window, k, Qt::RightButton);
    }
    click(window, kQuestionMark, Qt::RightButton);  // a flag, then a question mark
    click(window, kQuestionMark, Qt::RightButton);
    window.findChild<QTimer*>()->stop();  // the clock shows a fixed time, not the run's
    for (int s = 1; s < kSecondsPlayed; ++s) {
        window.form().Second_Timer();
    }
    QImage shot = window.grab().toImage();
    shot.setDevicePixelRatio(1);  // at QT_SCALE_FACTOR=2, keep every device pixel
    return {set->text(), shot};
}

// Lays the shots out four to a row, each under its caption.
QImage compose(const std::vector<Shot>& shots) {
    constexpr std::size_t kAcross = 4;
    constexpr int kGap = 24;
    constexpr int kCaption = 28;
    QFont font = QApplication::font();
    font.setPixelSize(16);
    font.setBold(true);

    std::vector<QPoint> places;
    int x = kGap;
    int y = kGap;
    int rowHeight = 0;
    int width = 0;
    for (std::size_t i = 0; i < shots.size(); ++i) {
        const Shot& s = shots[i];
        if (i > 0 && i % kAcross == 0) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        places.emplace_back(x, y);
        x += s.image.width() + kGap;
        width = std::max(width, x);
        rowHeight = std::max(rowHeight, kCaption + s.image.height());
    }
    QImage sheet(width, y + rowHeight + kGap, QImage::Format_RGB32);
    sheet.fill(QColor(0xf0, 0xf0, 0xf0));
    QPainter painter(&sheet);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (std::size_t i = 0; i < shots.size(); ++i) {
        const QPoint at = places[i];
        painter.drawText(QRect(at.x(), at.y(), shots[i].image.width(), kCaption - 6),
                         Qt::AlignLeft | Qt::AlignBottom, shots[i].name);
        painter.drawImage(at + QPoint(0, kCaption), shots[i].image);
    }
    return sheet;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: gallery OUT.png\n");
        return 2;
    }
    std::vector<Shot> shots;
    for (int set = 0; set < game::kTileSets; ++set) {
        // A set whose pictures are not drawn yet is left out.
        if (ui::PictureStore::exists(game::tilePicture(set, game::Tile::Covered))) {
            shots.push_back(playedGame(set));
        }
    }
    if (!compose(shots).save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "gallery: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
