// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "FaceCounts.h"

namespace vorpin::strategy {

// For every multiset of up to six dice in play: the most points a sequence of takes can
// set aside, for each number of dice it leaves in play. Built from the engine's finder
// alone: after each take the finder runs again on the dice left, as on the board.
//
// Giving back a combination of the current roll reaches nothing new: it leaves the other
// combinations taken and puts its dice back in play, and those other combinations can be
// taken without it (a triple or a single stays on offer while its dice are in play; a
// six-dice combination is always the only one taken). So take sequences alone give every
// reachable (points, dice left).
class TakeReach {
public:
    static constexpr int kUnreachable = -1;
    // Indexed by dice left in play; 0 means all set aside. The entry for the dice count
    // itself is 0 points: no take at all.
    using Best = std::array<int, kDiceCount + 1>;

    TakeReach();

    const Best& Of(const FaceCounts& dice) const;

private:
    const Best& Build(const FaceCounts& dice);

    std::vector<std::int16_t> slotOfCode;
    std::vector<Best> bests;
};

}  // namespace vorpin::strategy
