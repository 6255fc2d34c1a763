// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "GameRules.h"
#include "RollOutcomes.h"
#include "TakeReach.h"

namespace vorpin::strategy {

// The exact solution of the game: play that minimises the expected number of turns until
// a bank reaches the target. Values count expected turns; scores and turn totals are
// multiples of kPointStep, dice to roll from 1 to 6.
class OptimalStrategy {
public:
    // Solves the whole game, from the highest banked score down.
    explicit OptimalStrategy(const GameRules& rules = {});

    const GameRules& Rules() const { return rules; }
    const TakeReach& Reach() const { return reach; }
    const RollOutcomes& Outcomes() const { return outcomes; }

    // Expected turns from the start of a turn, that turn included; 0 from the target on.
    double TurnsFromStart(int banked) const;
    // Expected turns after the current one when about to throw `dice` dice.
    double RollValue(int banked, int turnTotal, int dice) const;
    // Expected turns after the current one when banking now; none below the minimum.
    std::optional<double> BankValue(int banked, int turnTotal) const;
    // After the takes of a roll: the better of banking and throwing `diceToRoll` dice.
    double AfterTakeValue(int banked, int turnTotal, int diceToRoll) const;
    // Whether banking is allowed and no worse than throwing on.
    bool Banks(int banked, int turnTotal, int diceToRoll) const;

private:
    std::size_t ScoreIndex(int banked) const;

    GameRules rules;
    TakeReach reach;
    RollOutcomes outcomes;
    std::vector<double> startValues;              // by banked score
    std::vector<std::vector<double>> rollValues;  // by banked score; see SolvedScore
};

// The least turn total from which banking beats throwing `dice` dice, none if it never
// does.
std::optional<int> SmallestBankingTotal(const OptimalStrategy& strategy, int banked, int dice);

}  // namespace vorpin::strategy
