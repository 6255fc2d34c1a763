// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace vorpin::art {

inline constexpr int kLogoWidth = 300;
inline constexpr int kLogoHeight = 64;

// The game's name in large red letters over a faint pattern of dice on white, drawn at
// `scale` times 300x64 pixels. Throws std::runtime_error when the lettering font is missing.
QImage Logo(int scale);

}  // namespace vorpin::art
