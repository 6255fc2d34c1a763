// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "DiceSet.h"
#include "OptimalStrategy.h"

namespace vorpin::strategy {

// A position on the board: the banked score, the turn total before the takes of this
// roll, and the dice as the board holds them (all fresh, or 0 set aside and 1 to 6 in play).
struct Position {
    int banked = 0;
    int turnTotal = 0;
    DiceSet dice{};

    bool AllFresh() const;
};

// The choice with the least value after it; among equal values the first.
const TakeChoice& BestChoice(const OptimalStrategy& strategy, int banked, int turnTotal,
                             const std::vector<TakeChoice>& choices);

// The best take sequence for a roll, by the solved values; none when the roll offers
// nothing. Among equal values the first choice wins, as in the solution.
std::optional<TakeChoice> BestTake(const OptimalStrategy& strategy, const Position& position);

// One thing the player can do: takes (none when all dice are fresh), then bank or throw.
struct Alternative {
    std::vector<int> rows;  // option rows from 0, in the order to take them
    int points = 0;         // what the takes set aside
    bool bank = false;
    int diceToRoll = 0;  // when throwing on
    double turns = 0;    // expected turns left, the current one included
};

// Every alternative, best first: for each number of dice left the most points the takes
// can set aside (fewer points never do better), then each of bank and throw. Throws
// std::invalid_argument when rolled dice offer nothing to take.
std::vector<Alternative> Alternatives(const OptimalStrategy& strategy, const Position& position);

}  // namespace vorpin::strategy
