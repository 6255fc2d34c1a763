// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

namespace vorpin::layout {

// The board's client area and where everything stands in it. Rectangles are
// (left, top, width, height) in board pixels.
inline constexpr int kWidth = 500;
inline constexpr int kHeight = 402;

inline constexpr int kDieLeft = 8;
inline constexpr int kDieTop = 8;
inline constexpr int kDieSize = 39;
inline constexpr int kDieStep = 47;

inline constexpr QRect kRollButton{298, 16, 80, 32};
inline constexpr QRect kEndTurnButton{392, 16, 80, 32};
inline constexpr QRect kOptionsList{8, 55, 200, kHeight - 50 - 55};
inline constexpr QRect kTakeArrow{216, 115, 30, 20};
inline constexpr QRect kTakeBackArrow{216, 143, 30, 20};
inline constexpr QRect kTallyList{254, 55, 200, kHeight - 50 - 55};
inline constexpr QRect kStatusBand{1, kHeight - 49, kWidth - 2, 48};
inline constexpr int kTurnTextLeft = 8;
inline constexpr int kScoreTextLeft = 254;

inline constexpr QRect kDiceRow{kDieLeft, kDieTop, 5 * kDieStep + kDieSize, kDieSize};

// The cell of die `slot`, 0 to 5.
constexpr QRect DieCell(int slot) {
    return {kDieLeft + kDieStep * slot, kDieTop, kDieSize, kDieSize};
}

// The title screen: the logo's corner, the first line's top, and the band the lines
// are centred in (x 0 to 510, so centred on 255).
inline constexpr int kLogoLeft = 105;
inline constexpr int kLogoTop = 25;
inline constexpr int kTitleTop = 100;
inline constexpr int kTitleRight = 510;

}  // namespace vorpin::layout
