// SPDX-License-Identifier: GPL-3.0-or-later
// The solution against answers found without it: games short enough to state the best
// play, and plain value iteration over the same rules.
#include <gtest/gtest.h>

#include "BruteForce.h"
#include "OptimalStrategy.h"
#include "TurnDistribution.h"

namespace vorpin::strategy {
namespace {

constexpr double kExact = 1e-9;

// When every bank ends the game, each turn plays for the points that end it: the
// expected turns are one over the chance of gathering them in a turn.
TEST(Solver, GamesEndedByOneBankNeedOneOverTheChanceOfIt) {
    const struct {
        int target;
        int banked;
        int needed;
    } cases[] = {
        {350, 0, 500}, {350, 50, 350},  {350, 300, 350},  //
        {500, 0, 500}, {500, 150, 350}, {500, 450, 350}, {1000, 650, 350}, {1000, 700, 350},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "target " << c.target << ", banked " << c.banked);
        const OptimalStrategy solved(GameRules{c.target, 500, 350});
        EXPECT_NEAR(solved.TurnsFromStart(c.banked), 1 / testing::ChanceToGather(c.needed), kExact);
    }
}

TEST(Solver, AgreesWithValueIterationWhereSeveralBanksCount) {
    for (const GameRules rules : {GameRules{1000, 500, 350}, GameRules{800, 400, 200}}) {
        SCOPED_TRACE(rules.target);
        const OptimalStrategy solved(rules);
        const auto turns = testing::TurnsByValueIteration(rules);
        for (int banked = 0; banked < rules.target; banked += kPointStep) {
            EXPECT_NEAR(solved.TurnsFromStart(banked),
                        turns[static_cast<std::size_t>(banked / kPointStep)], kExact)
                << "banked " << banked;
        }
    }
}

// More banked, or more in hand with the same dice, never needs more turns: whoever has
// more can play as if they had less and finish no later.
TEST(Solver, MorePointsNeverNeedMoreTurns) {
    const OptimalStrategy solved;
    for (int banked = 0; banked < 5000; banked += kPointStep) {
        ASSERT_LE(solved.TurnsFromStart(banked + kPointStep), solved.TurnsFromStart(banked));
        for (int dice = 1; dice <= kDiceCount; ++dice) {
            for (int total = 0; total < 5000; total += kPointStep) {
                ASSERT_LE(solved.RollValue(banked, total + kPointStep, dice),
                          solved.RollValue(banked, total, dice) + 1e-12)
                    << banked << " " << total << " " << dice;
            }
        }
    }
}

// The chance of having finished only grows, towards one, and its complement summed over
// the turns gives back the expected turns.
TEST(StrategyOdds, DistributionOfTurnsHasTheSolvedMean) {
    const OptimalStrategy solved;
    const auto within = FinishWithin(solved, 600);
    double mean = 1;
    for (std::size_t turns = 1; turns < within.size(); ++turns) {
        ASSERT_GE(within[turns], within[turns - 1]);
        mean += 1 - within[turns - 1];
    }
    EXPECT_NEAR(within.back(), 1, 1e-12);
    EXPECT_NEAR(mean, solved.TurnsFromStart(0), kExact);
}

}  // namespace
}  // namespace vorpin::strategy
