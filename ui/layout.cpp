// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/layout.h"

#include "game/limits.h"

namespace ui {

namespace {

// The fixed measures of the border, in pixels.
constexpr int kEdge = 12;      // side strips and bottom band
constexpr int kHeader = 55;    // header band above the field
constexpr int kPanelTop = 15;  // counter panels and the face
constexpr int kPanelSize[] = {41, 25};
constexpr int kLeftPanel = 16;
constexpr int kRightPanelFromRight = 35;  // left edge of the clock panel, from w
constexpr int kFaceSize = 25;
constexpr int kDigitTop = 17;
constexpr int kDigitWidth = 11;
constexpr int kDigitHeight = 21;
constexpr int kDigitPitch = 13;
constexpr int kMineDigitLeft = 18;
constexpr int kClockDigitFromRight = 33;  // left edge of the clock's hundreds, from w

}  // namespace

FieldLayout layoutField(int across, int down, int tile) {
    const int w = tile * across;
    const int h = tile * down;
    FieldLayout layout;
    auto& e = layout.elements;
    e.reserve(static_cast<std::size_t>(across * down + 16));
    const auto frame = [&e](QRect r, game::PictureId picture, bool stretched) {
        e.push_back({r, picture, stretched, ElementKind::Frame, 0});
    };

    frame({0, 0, kEdge, kHeader}, game::kHeaderLeft, false);
    frame({kEdge, 0, w, kHeader}, game::kHeaderMiddle, true);
    frame({kEdge + w, 0, kEdge, kHeader}, game::kHeaderRight, false);
    frame({0, kHeader, kEdge, h}, game::kSideEdge, true);
    frame({kEdge + w, kHeader, kEdge, h}, game::kSideEdge, true);
    frame({0, kHeader + h, kEdge, kEdge}, game::kBottomLeft, false);
    frame({kEdge, kHeader + h, w, kEdge}, game::kBottomEdge, true);
    frame({kEdge + w, kHeader + h, kEdge, kEdge}, game::kBottomRight, false);
    frame({kLeftPanel, kPanelTop, kPanelSize[0], kPanelSize[1]}, game::kCounterPanel, false);
    frame({w - kRightPanelFromRight, kPanelTop, kPanelSize[0], kPanelSize[1]}, game::kCounterPanel,
          false);

    // The face is centred on the client width as if it were 26 pixels wide.
    layout.face = static_cast<int>(e.size());
    e.push_back({{w / 2 - 1, kPanelTop, kFaceSize, kFaceSize},
                 game::kFaceNormal,
                 false,
                 ElementKind::Face});

    layout.firstBox = static_cast<int>(e.size());
    const int n = across * down;
    for (int k = 1; k <= n; ++k) {
        const int c = (k - 1) % across;
        const int r = (k - 1) / across;
        e.push_back({{kEdge + tile * c, kHeader + tile * r, tile, tile},
                     game::tilePicture(0, game::Tile::Covered),
                     true,
                     ElementKind::Box,
                     k});
    }
    for (int d = 0; d < 2 * game::kCounterDigits; ++d) {
        const bool clock = d >= game::kCounterDigits;
        const int place = d % game::kCounterDigits;
        const int left = (clock ? w - kClockDigitFromRight : kMineDigitLeft) + kDigitPitch * place;
        e.push_back({{left, kDigitTop, kDigitWidth, kDigitHeight},
                     game::kDigitZero,
                     false,
                     ElementKind::Box,
                     n + 1 + d});
    }
    layout.across = across;
    layout.down = down;
    layout.tile = tile;
    layout.clientSize = clientSizeOf(across, down, tile);
    return layout;
}

QSize clientSizeOf(int across, int down, int tile) {
    return {tile * across + 2 * kEdge, tile * down + kHeader + kEdge};
}

int elementAt(const FieldLayout& layout, QPoint p) {
    const auto& e = layout.elements;
    // Front to back, so a digit wins over the panel beneath it.
    for (int i = static_cast<int>(e.size()) - 1; i >= 0; --i) {
        if (e[static_cast<std::size_t>(i)].rect.contains(p)) {
            return i;
        }
    }
    return -1;
}

}  // namespace ui
