// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace vorpin::art {

// The dice the board shows, drawn pixel by pixel. Pure green is the transparency key:
// the board treats it as see-through.
inline constexpr int kLargeDieSize = 39;
inline constexpr int kSmallDieSize = 21;

// A 39x39 die showing face 1 to 6: a raised grey-edged body with sunk black pips.
QImage LargeDieFace(int face);

// Blue where a large die covers the board, green around it.
QImage LargeDieMask();

// A large die's square with nothing on it, all transparency key.
QImage LargeDieBlank();

// A 21x21 white die showing face 1 to 6 with a black outline and square black pips.
QImage SmallDieFace(int face);

}  // namespace vorpin::art
