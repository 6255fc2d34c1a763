// SPDX-License-Identifier: GPL-3.0-or-later
#include "TakePlanner.h"

#include <stdexcept>

#include "FaceCounts.h"

namespace vorpin::strategy {
namespace {

// The first row whose take still leaves `points` within reach.
int NextRow(const TakeReach& reach, const DiceSet& dice, int diceLeft, int points,
            ScoringOption& taken) {
    const FaceCounts faces = FaceCounts::OfDiceInPlay(dice);
    const std::vector<ScoringOption> options = OptionsFor(dice);
    for (std::size_t row = 0; row < options.size(); ++row) {
        const int after =
            reach.Of(faces.Without(options[row].pattern))[static_cast<std::size_t>(diceLeft)];
        if (after != TakeReach::kUnreachable && options[row].points + after == points) {
            taken = options[row];
            return static_cast<int>(row);
        }
    }
    throw std::invalid_argument("no take sequence sets those points aside");
}

}  // namespace

std::vector<int> PlanTakes(const TakeReach& reach, const DiceSet& dice, int diceLeft, int points) {
    if (diceLeft < 0 || diceLeft > kDiceCount) {
        throw std::invalid_argument("no take sequence leaves that many dice");
    }
    std::vector<int> rows;
    DiceSet left = dice;
    while (CountDiceInPlay(left) != diceLeft || points != 0) {
        if (CountDiceInPlay(left) <= diceLeft) {
            throw std::invalid_argument("no take sequence sets those points aside");
        }
        ScoringOption taken;
        rows.push_back(NextRow(reach, left, diceLeft, points, taken));
        points -= taken.points;
        for (std::size_t slot = 0; slot < left.size(); ++slot) {
            if (taken.pattern[slot] != 0) {
                left[slot] = kSetAside;
            }
        }
    }
    return rows;
}

}  // namespace vorpin::strategy
