// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptimalPolicy.h"

#include <algorithm>

#include "Advisor.h"
#include "TakePlanner.h"

namespace vorpin::sim {

// The tally's total, not TurnTotal(): the controller keeps that at 0 below the minimum.
void OptimalPolicy::TakeCombinations(PlainBoard& board) const {
    const TurnController& game = board.controller;
    const strategy::Position position{game.Score(), game.Tally().Total(), game.Dice()};
    const auto best = strategy::BestTake(*strategy, position);
    if (!best) {
        return;
    }
    for (int row : strategy::PlanTakes(strategy->Reach(), position.dice, strategy::DiceLeft(*best),
                                       best->points)) {
        board.TakeOption(row);
    }
}

bool OptimalPolicy::WantsToBank(const PlainBoard& board) const {
    const TurnController& game = board.controller;
    const DiceSet& dice = game.Dice();
    const auto diceToRoll = std::count_if(dice.begin(), dice.end(),
                                          [](std::uint8_t value) { return value != kSetAside; });
    return strategy->Banks(game.Score(), game.Tally().Total(), static_cast<int>(diceToRoll));
}

}  // namespace vorpin::sim
