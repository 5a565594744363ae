// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELDCLEAR_GAME_LIMITS_H
#define FIELDCLEAR_GAME_LIMITS_H

namespace game {

// The largest field is 30 columns by 24 rows; tables are indexed by square number 1..720,
// entry 0 unused.
inline constexpr int kMaxAcross = 30;
inline constexpr int kMaxDown = 24;
inline constexpr int kMaxSquares = kMaxAcross * kMaxDown;
inline constexpr int kTableSize = kMaxSquares + 1;

// Six counter digits follow the squares in the Box numbering: three for the mine counter,
// three for the clock.
inline constexpr int kCounterDigits = 3;
inline constexpr int kClockLimit = 999;

}  // namespace game

#endif
