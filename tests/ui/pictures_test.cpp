// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <vector>

#include "ui/language.h"
#include "ui/picture_store.h"

namespace {

using game::PictureId;

struct Expected {
    PictureId first;
    PictureId last;
    QSize size;
};

// Every fixed picture and every picture of every tile set, with its size.
std::vector<Expected> allPictures() {
    std::vector<Expected> pictures = {
        {101, 105, {25, 25}}, {200, 210, {11, 21}}, {500, 500, {41, 25}},
        {501, 502, {12, 55}}, {503, 503, {1, 55}},  {504, 505, {12, 12}},
        {506, 506, {1, 12}},  {507, 507, {12, 1}},  {600, 600, {303, 100}},
    };
    for (int set = 0; set < game::kTileSets; ++set) {
        const int side = set == game::kLargeTileSet ? 32 : 16;
        for (auto [first, last] : {std::pair{300, 308}, {400, 406}}) {
            pictures.push_back({static_cast<PictureId>(1000 * set + first),
                                static_cast<PictureId>(1000 * set + last),
                                {side, side}});
        }
    }
    return pictures;
}

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kLight = 0xFFC0C0C0;
constexpr QRgb kDark = 0xFF808080;
constexpr QRgb kBlack = 0xFF000000;

QImage load(PictureId id) {
    return ui::PictureStore::image(id).convertToFormat(QImage::Format_ARGB32);
}

std::vector<QRgb> profile(const QImage& image, bool across) {
    std::vector<QRgb> colours;
    const int length = across ? image.width() : image.height();
    for (int i = 0; i < length; ++i) {
        colours.push_back(across ? image.pixel(i, 0) : image.pixel(0, i));
    }
    return colours;
}

std::vector<QRgb> runs(std::initializer_list<std::pair<int, QRgb>> parts) {
    std::vector<QRgb> colours;
    for (const auto& [count, colour] : parts) {
        colours.insert(colours.end(), static_cast<std::size_t>(count), colour);
    }
    return colours;
}

TEST(Pictures, EachHasItsSizeAndOnlyTheSixteenColoursWrittenInHex) {
    const QSet<QRgb> vga = {0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080,
                            0xFF008080, 0xFFC0C0C0, 0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00,
                            0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
    const QRegularExpression colourLine(QStringLiteral("^\"[^\"]+\\bc (\\S+)\",?$"));
    for (const Expected& group : allPictures()) {
        for (PictureId id = group.first; id <= group.last; ++id) {
            SCOPED_TRACE(id);
            QFile file(QStringLiteral(FIELDCLEAR_PICTURES_DIR "/%1.xpm").arg(id));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            for (const QByteArray& line : file.readAll().split('\n')) {
                const auto match = colourLine.match(QString::fromLatin1(line.trimmed()));
                if (match.hasMatch()) {
                    EXPECT_TRUE(match.captured(1).startsWith(QLatin1Char('#')))
                        << line.toStdString();
                }
            }
            const QImage image = load(id);
            ASSERT_EQ(image.size(), group.size);
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    ASSERT_TRUE(vga.contains(image.pixel(x, y))) << x << "," << y;
                }
            }
        }
    }
}

TEST(Pictures, DigitsFacesAndTilesAreAllDifferent) {
    for (const Expected& group : allPictures()) {
        for (PictureId a = group.first; a <= group.last; ++a) {
            for (PictureId b = static_cast<PictureId>(a + 1); b <= group.last; ++b) {
                EXPECT_NE(load(a), load(b)) << a << " and " << b;
            }
        }
    }
}

TEST(Pictures, AWrongFlagIsTheSetsOwnFlagCrossedOut) {
    // After a loss a wrong flag must read as the flag the player put down, not as a mine: most
    // of the picture, and most of the flag's own pixels (where it differs from the covered
    // square), are the flag picture's; only the cross may take some.
    for (int set = 0; set < game::kTileSets; ++set) {
        SCOPED_TRACE(set);
        const QImage covered = load(game::tilePicture(set, game::Tile::Covered));
        const QImage flag = load(game::tilePicture(set, game::Tile::Flag));
        const QImage wrong = load(game::tilePicture(set, game::Tile::WrongFlag));
        ASSERT_EQ(wrong.size(), flag.size());
        int same = 0;
        int flagPixels = 0;
        int flagKept = 0;
        for (int y = 0; y < flag.height(); ++y) {
            for (int x = 0; x < flag.width(); ++x) {
                const bool kept = wrong.pixel(x, y) == flag.pixel(x, y);
                same += kept ? 1 : 0;
                if (flag.pixel(x, y) != covered.pixel(x, y)) {
                    ++flagPixels;
                    flagKept += kept ? 1 : 0;
                }
            }
        }
        EXPECT_GE(3 * same, 2 * flag.width() * flag.height());
        EXPECT_GT(2 * flagKept, flagPixels);
    }
}

TEST(Pictures, BorderSlicesHaveTheirProfiles) {
    EXPECT_EQ(profile(load(game::kSideEdge), true), runs({{3, kWhite}, {6, kLight}, {3, kDark}}));
    EXPECT_EQ(profile(load(game::kBottomEdge), false),
              runs({{3, kWhite}, {6, kLight}, {3, kDark}}));
    EXPECT_EQ(profile(load(game::kHeaderMiddle), false), runs({{3, kWhite},
                                                               {6, kLight},
                                                               {2, kDark},
                                                               {33, kLight},
                                                               {2, kWhite},
                                                               {6, kLight},
                                                               {3, kDark}}));
}

TEST(Pictures, TheCounterPanelIsBlackInASunkenFrame) {
    const QImage panel = load(game::kCounterPanel);
    EXPECT_EQ(panel.pixel(20, 0), kDark);
    EXPECT_EQ(panel.pixel(0, 12), kDark);
    EXPECT_EQ(panel.pixel(20, 24), kWhite);
    EXPECT_EQ(panel.pixel(40, 12), kWhite);
    for (int y = 1; y < 24; ++y) {
        for (int x = 1; x < 40; ++x) {
            ASSERT_EQ(panel.pixel(x, y), kBlack) << x << "," << y;
        }
    }
}

TEST(Pictures, EndPiecesJoinTheSlicesTheyClose) {
    // Along their inner edges the end pieces and corners continue the stretched slices; only
    // where a white and a dark line meet at a corner may the diagonal fall either way.
    const QImage left = load(game::kHeaderLeft);
    const QImage right = load(game::kHeaderRight);
    const QImage middle = load(game::kHeaderMiddle);
    const QImage side = load(game::kSideEdge);
    const QImage bottom = load(game::kBottomEdge);
    const QImage bottomLeft = load(game::kBottomLeft);
    const QImage bottomRight = load(game::kBottomRight);
    for (int y = 0; y < 55; ++y) {
        EXPECT_EQ(left.pixel(11, y), middle.pixel(0, y)) << y;
        if (y < 52) {
            EXPECT_EQ(right.pixel(0, y), middle.pixel(0, y)) << y;
        }
    }
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(left.pixel(i, 54), side.pixel(i, 0)) << i;
        EXPECT_EQ(bottomRight.pixel(i, 0), side.pixel(i, 0)) << i;
        EXPECT_EQ(bottomRight.pixel(0, i), bottom.pixel(0, i)) << i;
        if (i >= 3) {
            EXPECT_EQ(right.pixel(i, 54), side.pixel(i, 0)) << i;
            EXPECT_EQ(bottomLeft.pixel(11, i), bottom.pixel(0, i)) << i;
        }
        if (i < 9) {
            EXPECT_EQ(bottomLeft.pixel(i, 0), side.pixel(i, 0)) << i;
        }
    }
}

TEST(PictureStore, ScalesByWholeFactorsWithoutSmoothing) {
    ui::PictureStore store;
    const QImage original = load(403);
    const QPixmap& doubled = store.pixmap(403, 2);
    EXPECT_EQ(doubled.size(), QSize(32, 32));
    const QImage big = doubled.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            ASSERT_EQ(big.pixel(x, y), original.pixel(x / 2, y / 2)) << x << "," << y;
        }
    }
    EXPECT_EQ(store.pixmap(403, 1).size(), QSize(16, 16));
    EXPECT_TRUE(store.pixmap(9999, 1).isNull());
}

TEST(PictureStore, GivesTheBestTimesPanelOfEachLanguageAndTheEnglishOneOtherwise) {
    const auto drawn = [](const QString& name) {
        return QImage(QStringLiteral(FIELDCLEAR_PICTURES_DIR "/%1.xpm").arg(name));
    };
    const QImage english = drawn(QStringLiteral("600"));
    for (const QString& code : ui::gameLanguages()) {
        SCOPED_TRACE(code.toStdString());
        const QImage panel = ui::PictureStore::bestTimesPanel(code);
        EXPECT_EQ(panel, drawn(QStringLiteral("600_") + code));
        EXPECT_EQ(panel.size(), english.size());
        EXPECT_NE(panel, english);
    }
    EXPECT_EQ(ui::PictureStore::bestTimesPanel(QStringLiteral("de_AT")),
              drawn(QStringLiteral("600_de")));
    for (const char* other : {"pt", "pt_PT", "en", "xx_BR", ""}) {
        EXPECT_EQ(ui::PictureStore::bestTimesPanel(QString::fromLatin1(other)), english) << other;
    }
}

}  // namespace
