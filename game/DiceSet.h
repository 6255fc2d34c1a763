// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace vorpin {

// Six one-byte die values, slot 0 the leftmost die on the board.
// 0: set aside for the rest of the turn; 1 to 6: a face in play; 7: fresh, not yet rolled.
using DiceSet = std::array<std::uint8_t, 6>;

// Per die slot, the face a combination uses there, or 0 where it uses no die.
using DicePattern = std::array<std::uint8_t, 6>;

inline constexpr int kDiceCount = 6;
inline constexpr std::uint8_t kSetAside = 0;
inline constexpr std::uint8_t kFresh = 7;

// One scoring combination: its points and the dice it consumes.
struct ScoringOption {
    std::uint16_t points = 0;
    DicePattern pattern{};

    friend bool operator==(const ScoringOption&, const ScoringOption&) = default;
};

}  // namespace vorpin
