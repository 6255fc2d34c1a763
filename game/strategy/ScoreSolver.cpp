// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScoreSolver.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace vorpin::strategy {
namespace {

constexpr int kMostNewtonSteps = 100;
constexpr double kFixedPointTolerance = 1e-12;
constexpr std::size_t kDice = kDiceCount;

}  // namespace

ScoreSolver::ScoreSolver(const GameRules& rules, const RollOutcomes& outcomes) : rules(rules) {
    for (int dice = 1; dice <= kDiceCount; ++dice) {
        const auto index = static_cast<std::size_t>(dice - 1);
        lose[index] = outcomes.LoseProbability(dice);
        for (const OutcomeGroup& group : outcomes.Groups(dice)) {
            const std::size_t begin = choices.size();
            for (const TakeChoice& choice : group.choices) {
                choices.push_back(Choice{choice.points / kPointStep, choice.diceToRoll - 1});
                mostSteps = std::max(mostSteps, choice.points / kPointStep);
            }
            groups[index].push_back(Group{group.probability, begin, choices.size()});
        }
    }
}

SolvedScore ScoreSolver::Solve(int bankedScore, std::span<const double> starts, double guess) {
    banked = bankedScore;
    top = rules.WinningTurnTotal(banked) / kPointStep;
    laterStarts = starts;
    rolls.assign(static_cast<std::size_t>(top) * kDice, Line{0, 0});
    afterTakes.assign(static_cast<std::size_t>(top + mostSteps + 1) * kDice, Line{0, 0});
    double turns = guess;
    for (int step = 0; step < kMostNewtonSteps; ++step) {
        const Line start = Evaluate(turns);
        if (std::abs(turns - 1 - start.value) < kFixedPointTolerance) {
            SolvedScore solved{turns, std::vector<double>(rolls.size())};
            std::transform(rolls.begin(), rolls.end(), solved.rollValues.begin(),
                           [](const Line& line) { return line.value; });
            return solved;
        }
        turns = (1 + start.value - start.slope * turns) / (1 - start.slope);
    }
    throw std::runtime_error("no fixed point found for banked score " + std::to_string(banked));
}

// Fills every position of the turn for E(B) = `turns`, from the highest turn total down:
// each take adds points, so it only leads to positions already filled.
ScoreSolver::Line ScoreSolver::Evaluate(double turns) {
    for (int t = top - 1; t >= 0; --t) {
        for (int dice = 1; dice <= kDiceCount; ++dice) {
            Line line = RollLine(t, dice);
            line.value += lose[static_cast<std::size_t>(dice - 1)] * turns;
            rolls[static_cast<std::size_t>(t) * kDice + static_cast<std::size_t>(dice - 1)] = line;
        }
        SetAfterTake(t);
    }
    return rolls[kDice - 1];
}

// The throw's expected value, leaving out the lost turn's E(B) term but not its slope.
ScoreSolver::Line ScoreSolver::RollLine(int t, int dice) const {
    const auto index = static_cast<std::size_t>(dice - 1);
    Line sum{0, lose[index]};
    const Line* from = afterTakes.data() + static_cast<std::size_t>(t) * kDice;
    for (const Group& group : groups[index]) {
        const Line* best = nullptr;
        for (std::size_t c = group.begin; c < group.end; ++c) {
            const Choice& choice = choices[c];
            const Line* candidate = from + static_cast<std::size_t>(choice.steps) * kDice +
                                    static_cast<std::size_t>(choice.diceIndex);
            if (best == nullptr || candidate->value < best->value) {
                best = candidate;
            }
        }
        sum.value += group.probability * best->value;
        sum.slope += group.probability * best->slope;
    }
    return sum;
}

// After a take: bank when allowed and no worse than throwing on.
void ScoreSolver::SetAfterTake(int t) {
    const int turnTotal = t * kPointStep;
    const bool mayBank = turnTotal >= rules.MinimumToBank(banked);
    const double bank =
        mayBank ? laterStarts[static_cast<std::size_t>((banked + turnTotal) / kPointStep)] : 0;
    for (std::size_t dice = 0; dice < kDice; ++dice) {
        const std::size_t at = static_cast<std::size_t>(t) * kDice + dice;
        const Line roll = rolls[at];
        afterTakes[at] = mayBank && bank <= roll.value ? Line{bank, 0} : roll;
    }
}

}  // namespace vorpin::strategy
