// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>
#include <vector>

#include "GameRules.h"
#include "RollOutcomes.h"

namespace vorpin::strategy {

// The expected turns from one banked score, with the values of every turn position.
struct SolvedScore {
    double turnsFromStart = 0;
    // Expected turns after the current one when about to throw d dice with turn total
    // t * kPointStep, at [t * kDiceCount + d - 1], for turn totals below the winning one.
    std::vector<double> rollValues;
};

// Solves one banked score B once every higher one is known. E(B) = 1 + g(E(B)): a lost
// turn starts over from B. g is the minimum over policies of functions linear in E(B)
// with slope below one (the chance of losing the turn), so concave; Newton's method with
// the slope carried along the chosen actions lands on the fixed point of the chosen
// policy, and stops when the policy no longer changes.
class ScoreSolver {
public:
    ScoreSolver(const GameRules& rules, const RollOutcomes& outcomes);

    // `laterStarts[i]` holds E(i * kPointStep) for every score above `banked`.
    SolvedScore Solve(int banked, std::span<const double> laterStarts, double guess);

private:
    struct Choice {
        int steps;
        int diceIndex;
    };
    struct Group {
        double probability;
        std::size_t begin;
        std::size_t end;
    };
    // A value with its slope in E(B).
    struct Line {
        double value;
        double slope;
    };

    Line Evaluate(double turns);
    Line RollLine(int t, int dice) const;
    void SetAfterTake(int t);

    GameRules rules;
    std::array<std::vector<Group>, kDiceCount> groups;
    std::vector<Choice> choices;
    std::array<double, kDiceCount> lose{};
    int mostSteps = 0;

    // Set for the score being solved.
    int banked = 0;
    int top = 0;  // the winning turn total in steps
    std::span<const double> laterStarts;
    std::vector<Line> rolls;       // [t * kDiceCount + dice - 1]
    std::vector<Line> afterTakes;  // the better of bank and roll, zero from `top` on
};

}  // namespace vorpin::strategy
