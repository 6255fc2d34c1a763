// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptimalStrategy.h"

#include <stdexcept>
#include <string>

#include "ScoreSolver.h"

namespace vorpin::strategy {

OptimalStrategy::OptimalStrategy(const GameRules& rules)
    : rules(rules),
      outcomes(reach),
      startValues(static_cast<std::size_t>(rules.target / kPointStep), 0.0),
      rollValues(startValues.size()) {
    ScoreSolver solver(rules, outcomes);
    double guess = 1;
    for (int banked = rules.target - kPointStep; banked >= 0; banked -= kPointStep) {
        SolvedScore solved = solver.Solve(banked, startValues, guess);
        guess = solved.turnsFromStart;
        startValues[ScoreIndex(banked)] = solved.turnsFromStart;
        rollValues[ScoreIndex(banked)] = std::move(solved.rollValues);
    }
}

double OptimalStrategy::TurnsFromStart(int banked) const {
    return banked >= rules.target ? 0 : startValues[ScoreIndex(banked)];
}

double OptimalStrategy::RollValue(int banked, int turnTotal, int dice) const {
    if (turnTotal < 0 || turnTotal % kPointStep != 0 || dice < 1 || dice > kDiceCount) {
        throw std::out_of_range("no such position");
    }
    const std::vector<double>& values = rollValues[ScoreIndex(banked)];
    const auto at = static_cast<std::size_t>(turnTotal / kPointStep * kDiceCount + dice - 1);
    if (at < values.size()) {
        return values[at];
    }
    // At the winning turn total any take lets the next bank end the game: only a throw
    // with nothing to take costs more turns.
    return outcomes.LoseProbability(dice) * TurnsFromStart(banked);
}

std::optional<double> OptimalStrategy::BankValue(int banked, int turnTotal) const {
    ScoreIndex(banked);
    if (turnTotal < rules.MinimumToBank(banked)) {
        return std::nullopt;
    }
    return TurnsFromStart(banked + turnTotal);
}

double OptimalStrategy::AfterTakeValue(int banked, int turnTotal, int diceToRoll) const {
    const double roll = RollValue(banked, turnTotal, diceToRoll);
    const auto bank = BankValue(banked, turnTotal);
    return bank && *bank <= roll ? *bank : roll;
}

bool OptimalStrategy::Banks(int banked, int turnTotal, int diceToRoll) const {
    const auto bank = BankValue(banked, turnTotal);
    return bank && *bank <= RollValue(banked, turnTotal, diceToRoll);
}

std::size_t OptimalStrategy::ScoreIndex(int banked) const {
    if (banked < 0 || banked >= rules.target || banked % kPointStep != 0) {
        throw std::out_of_range("no such banked score: " + std::to_string(banked));
    }
    return static_cast<std::size_t>(banked / kPointStep);
}

std::optional<int> SmallestBankingTotal(const OptimalStrategy& strategy, int banked, int dice) {
    const GameRules& rules = strategy.Rules();
    for (int total = rules.MinimumToBank(banked); total <= rules.WinningTurnTotal(banked);
         total += kPointStep) {
        if (*strategy.BankValue(banked, total) < strategy.RollValue(banked, total, dice)) {
            return total;
        }
    }
    return std::nullopt;
}

}  // namespace vorpin::strategy
