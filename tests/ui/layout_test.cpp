// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "ui/layout.h"

namespace {

using ui::ElementKind;
using ui::layoutField;

QRect rectOf(const ui::FieldLayout& l, game::PictureId picture, int nth = 0) {
    for (const auto& e : l.elements) {
        if (e.kind == ElementKind::Frame && e.picture == picture && nth-- == 0) {
            return e.rect;
        }
    }
    return {};
}

const ui::Element& box(const ui::FieldLayout& l, int k) {
    return l.elements[static_cast<std::size_t>(l.firstBox + k - 1)];
}

TEST(Layout, BeginnerIs152By195WithCountersAndFaceApart) {
    const auto l = layoutField(8, 8, 16);
    EXPECT_EQ(l.clientSize, QSize(152, 195));
    EXPECT_EQ(rectOf(l, game::kCounterPanel, 0), QRect(16, 15, 41, 25));
    EXPECT_EQ(rectOf(l, game::kCounterPanel, 1), QRect(93, 15, 41, 25));
    EXPECT_EQ(l.elements[static_cast<std::size_t>(l.face)].rect, QRect(63, 15, 25, 25));
    EXPECT_EQ(rectOf(l, game::kHeaderLeft), QRect(0, 0, 12, 55));
    EXPECT_EQ(rectOf(l, game::kHeaderMiddle), QRect(12, 0, 128, 55));
    EXPECT_EQ(rectOf(l, game::kHeaderRight), QRect(140, 0, 12, 55));
    EXPECT_EQ(rectOf(l, game::kSideEdge, 0), QRect(0, 55, 12, 128));
    EXPECT_EQ(rectOf(l, game::kSideEdge, 1), QRect(140, 55, 12, 128));
    EXPECT_EQ(rectOf(l, game::kBottomLeft), QRect(0, 183, 12, 12));
    EXPECT_EQ(rectOf(l, game::kBottomEdge), QRect(12, 183, 128, 12));
    EXPECT_EQ(rectOf(l, game::kBottomRight), QRect(140, 183, 12, 12));
    EXPECT_EQ(box(l, 1).rect, QRect(12, 55, 16, 16));
    EXPECT_EQ(box(l, 8).rect, QRect(124, 55, 16, 16));
    EXPECT_EQ(box(l, 9).rect, QRect(12, 71, 16, 16));
    EXPECT_EQ(box(l, 64).rect, QRect(124, 167, 16, 16));
    // Digits stand two pixels inside their panels, 13 apart.
    const int lefts[] = {18, 31, 44, 95, 108, 121};
    for (int d = 0; d < 6; ++d) {
        EXPECT_EQ(box(l, 65 + d).rect, QRect(lefts[d], 17, 11, 21)) << d;
        EXPECT_FALSE(box(l, 65 + d).stretched);
    }
    EXPECT_TRUE(box(l, 1).stretched);
}

TEST(Layout, ExpertAndLargerTilesFollowTheFieldsRightEdge) {
    const auto expert = layoutField(30, 16, 16);
    EXPECT_EQ(expert.clientSize, QSize(504, 323));
    EXPECT_EQ(rectOf(expert, game::kCounterPanel, 1), QRect(445, 15, 41, 25));
    EXPECT_EQ(box(expert, 30 * 16 + 6).rect, QRect(473, 17, 11, 21));

    const auto large = layoutField(30, 16, 32);
    EXPECT_EQ(large.clientSize, QSize(984, 579));
    EXPECT_EQ(box(large, 31).rect, QRect(12, 87, 32, 32));
    EXPECT_EQ(rectOf(large, game::kHeaderRight), QRect(972, 0, 12, 55));
    EXPECT_EQ(large.elements[static_cast<std::size_t>(large.face)].rect, QRect(479, 15, 25, 25));
}

TEST(Layout, TheLargestFieldNumbersItsDigits721To726) {
    const auto l = layoutField(30, 24, 16);
    EXPECT_EQ(l.clientSize, QSize(504, 451));
    EXPECT_EQ(box(l, 720).index, 720);
    EXPECT_EQ(box(l, 720).rect, QRect(476, 423, 16, 16));
    EXPECT_EQ(box(l, 721).index, 721);
    EXPECT_EQ(box(l, 726).index, 726);
    EXPECT_EQ(static_cast<int>(l.elements.size()), l.firstBox + 726);
}

TEST(Layout, APointFindsTheTopmostElement) {
    const auto l = layoutField(8, 8, 16);
    const auto kind = [&l](QPoint p) {
        const int i = ui::elementAt(l, p);
        return i < 0 ? -1 : l.elements[static_cast<std::size_t>(i)].index;
    };
    EXPECT_EQ(kind({12, 55}), 1);
    EXPECT_EQ(kind({27, 70}), 1);
    EXPECT_EQ(kind({28, 70}), 2);
    EXPECT_EQ(kind({139, 182}), 64);
    EXPECT_EQ(kind({18, 17}), 65);  // a digit over its panel
    EXPECT_EQ(kind({17, 16}), 0);   // the panel's own frame
    EXPECT_EQ(ui::elementAt(l, {200, 10}), -1);
    const int face = ui::elementAt(l, {75, 27});
    EXPECT_EQ(l.elements[static_cast<std::size_t>(face)].kind, ElementKind::Face);
    EXPECT_EQ(l.elements[static_cast<std::size_t>(ui::elementAt(l, {5, 100}))].kind,
              ElementKind::Frame);
}

}  // namespace
