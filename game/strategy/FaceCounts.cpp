// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaceCounts.h"

#include <numeric>

namespace vorpin::strategy {

FaceCounts FaceCounts::OfDiceInPlay(const DiceSet& dice) {
    FaceCounts faces;
    for (std::uint8_t value : dice) {
        if (value >= 1 && value <= 6) {
            faces.Add(value, 1);
        }
    }
    return faces;
}

void FaceCounts::Add(int face, int count) {
    auto& slot = counts[static_cast<std::size_t>(face - 1)];
    slot = static_cast<std::uint8_t>(slot + count);
}

int FaceCounts::Size() const {
    return std::accumulate(counts.begin(), counts.end(), 0);
}

int FaceCounts::Code() const {
    int code = 0;
    for (auto it = counts.rbegin(); it != counts.rend(); ++it) {
        code = code * 7 + *it;
    }
    return code;
}

DiceSet FaceCounts::AsDice() const {
    DiceSet dice{};
    std::size_t slot = 0;
    for (int face = 1; face <= 6; ++face) {
        for (int i = 0; i < Count(face); ++i) {
            dice[slot++] = static_cast<std::uint8_t>(face);
        }
    }
    return dice;
}

FaceCounts FaceCounts::Without(const DicePattern& pattern) const {
    FaceCounts rest = *this;
    for (std::uint8_t face : pattern) {
        if (face != 0) {
            rest.Add(face, -1);
        }
    }
    return rest;
}

std::vector<ScoringOption> OptionsFor(const DiceSet& dice) {
    OptionList list;
    FindScoringOptions(dice, list);
    return std::move(list.options);
}

}  // namespace vorpin::strategy
