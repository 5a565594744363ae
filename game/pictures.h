// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_GAME_PICTURES_H
#define FIELDCLEAR_GAME_PICTURES_H

#include <cstdint>

namespace game {

// Every picture the window shows is named by a 16-bit id.
using PictureId = std::int16_t;

inline constexpr PictureId kFaceNormal = 101;
inline constexpr PictureId kFaceHeld = 102;
inline constexpr PictureId kFaceSurprised = 103;
inline constexpr PictureId kFaceLost = 104;
inline constexpr PictureId kFaceWon = 105;

inline constexpr PictureId kDigitZero = 200;  // digits 0..9 are 200..209
inline constexpr PictureId kDigitMinus = 210;

inline constexpr PictureId kCounterPanel = 500;
inline constexpr PictureId kHeaderLeft = 501;
inline constexpr PictureId kHeaderRight = 502;
inline constexpr PictureId kHeaderMiddle = 503;
inline constexpr PictureId kBottomLeft = 504;
inline constexpr PictureId kBottomRight = 505;
inline constexpr PictureId kBottomEdge = 506;
inline constexpr PictureId kSideEdge = 507;

inline constexpr PictureId kBestTimesPanel = 600;

// Square roles: each tile set has one picture per role at kTileSetStride * set + role.
inline constexpr int kTileSetStride = 1000;
enum class Tile : std::int16_t {
    Open = 300,  // 300 + neighbour count, 0..8
    Covered = 400,
    Flag = 401,
    Mine = 402,
    Exploded = 403,
    WrongFlag = 404,
    Question = 405,
    QuestionPressed = 406,
};

inline constexpr int kTileSets = 8;
inline constexpr int kLargeTileSet = 7;  // the only set drawn at 32 pixels

constexpr PictureId tilePicture(int gfxset, Tile role) {
    return static_cast<PictureId>(kTileSetStride * gfxset + static_cast<int>(role));
}

// The role a square's picture plays, whatever its tile set: a Tile, or Open plus a count.
constexpr int tileRole(PictureId id) {
    return id % kTileSetStride;
}

constexpr PictureId openPicture(int gfxset, int count) {
    return static_cast<PictureId>(tilePicture(gfxset, Tile::Open) + count);
}

constexpr PictureId digitPicture(int digit) {
    return static_cast<PictureId>(kDigitZero + digit);
}

// Square size in pixels of a tile set.
constexpr int tileSize(int gfxset) {
    return gfxset < kLargeTileSet ? 16 : 32;
}

}  // namespace game

#endif
