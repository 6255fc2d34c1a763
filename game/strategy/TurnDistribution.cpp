// SPDX-License-Identifier: GPL-3.0-or-later
#include "TurnDistribution.h"

#include <algorithm>
#include <stdexcept>

#include "Advisor.h"

namespace vorpin::strategy {
namespace {

std::size_t Steps(int points) {
    return static_cast<std::size_t>(points / kPointStep);
}

// Follows one turn from a banked score through the solved policy, carrying the chance of
// each position forward; turn totals only grow, so one sweep upwards settles them all.
class TurnPass {
public:
    TurnPass(const OptimalStrategy& strategy, int banked)
        : strategy(strategy),
          banked(banked),
          top(strategy.Rules().WinningTurnTotal(banked)),
          chances(Steps(top) * kDiceCount, 0.0),
          leadsTo(Steps(strategy.Rules().target) + 1, 0.0) {}

    // By banked score after the turn; the last entry is the end of the game.
    std::vector<double> Run() {
        chances[kDiceCount - 1] = 1;
        for (int total = 0; total < top; total += kPointStep) {
            for (int dice = 1; dice <= kDiceCount; ++dice) {
                Throw(total, dice,
                      chances[Steps(total) * kDiceCount + static_cast<std::size_t>(dice - 1)]);
            }
        }
        return leadsTo;
    }

private:
    void Throw(int total, int dice, double chance) {
        if (chance == 0) {
            return;
        }
        leadsTo[Steps(banked)] += chance * strategy.Outcomes().LoseProbability(dice);
        for (const OutcomeGroup& group : strategy.Outcomes().Groups(dice)) {
            const TakeChoice& choice = BestChoice(strategy, banked, total, group.choices);
            Settle(total + choice.points, choice.diceToRoll, chance * group.probability);
        }
    }

    void Settle(int total, int diceToRoll, double chance) {
        if (strategy.Banks(banked, total, diceToRoll)) {
            leadsTo[Steps(std::min(banked + total, strategy.Rules().target))] += chance;
        } else if (total < top) {
            chances[Steps(total) * kDiceCount + static_cast<std::size_t>(diceToRoll - 1)] += chance;
        } else {
            throw std::logic_error("the solved play throws on past the winning total");
        }
    }

    const OptimalStrategy& strategy;
    const int banked;
    const int top;
    std::vector<double> chances;  // [turn total steps * kDiceCount + dice - 1]
    std::vector<double> leadsTo;
};

}  // namespace

std::vector<double> FinishWithin(const OptimalStrategy& strategy, int mostTurns) {
    const int target = strategy.Rules().target;
    std::vector<std::vector<double>> turns;
    for (int banked = 0; banked < target; banked += kPointStep) {
        turns.push_back(TurnPass(strategy, banked).Run());
    }
    std::vector<double> chances(Steps(target) + 1, 0.0);
    chances[0] = 1;
    std::vector<double> within;
    for (int turn = 1; turn <= mostTurns; ++turn) {
        std::vector<double> next(chances.size(), 0.0);
        next.back() = chances.back();
        for (std::size_t from = 0; from + 1 < chances.size(); ++from) {
            for (std::size_t to = 0; to < next.size(); ++to) {
                next[to] += chances[from] * turns[from][to];
            }
        }
        chances = std::move(next);
        within.push_back(chances.back());
    }
    return within;
}

}  // namespace vorpin::strategy
