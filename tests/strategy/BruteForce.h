// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <vector>

#include "DiceSet.h"
#include "GameRules.h"
#include "RollOutcomes.h"

namespace vorpin::strategy::testing {

// The most points each number of dice left can carry, found by trying every take
// sequence on the slots themselves; kUnreachable elsewhere. No take: all dice in play.
std::array<int, kDiceCount + 1> BestBySlots(const DiceSet& dice);

// The throws of `dice` dice that leave the same choices, with the share of all ordered
// throws that show them.
struct ThrowKind {
    double probability = 0;
    std::vector<TakeChoice> choices;
};
std::vector<ThrowKind> ThrowKinds(int dice);

// The chance of gathering `goal` points or more in one turn, playing for just that.
double ChanceToGather(int goal);

// E(B) for every banked score below the target, by plain value iteration.
std::vector<double> TurnsByValueIteration(const GameRules& rules);

}  // namespace vorpin::strategy::testing
