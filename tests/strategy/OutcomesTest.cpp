// SPDX-License-Identifier: GPL-3.0-or-later
// The roll outcomes and best takes the solution rests on, against counting and trying
// every take sequence on the dice themselves.
#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "BruteForce.h"
#include "FaceCounts.h"
#include "Fakes.h"
#include "TakePlanner.h"

namespace vorpin::strategy {
namespace {

TEST(StrategyOutcomes, ChancesAddUpToOneForEachDiceCount) {
    const TakeReach reach;
    const RollOutcomes outcomes(reach);
    for (int dice = 1; dice <= kDiceCount; ++dice) {
        SCOPED_TRACE(dice);
        const auto multisets = RollMultisets(dice);
        const double thrown =
            std::accumulate(multisets.begin(), multisets.end(), 0.0,
                            [](double sum, const auto& m) { return sum + m.probability; });
        EXPECT_NEAR(thrown, 1, 1e-12);
        double grouped = outcomes.LoseProbability(dice);
        for (const auto& group : outcomes.Groups(dice)) {
            grouped += group.probability;
        }
        EXPECT_NEAR(grouped, 1, 1e-12);
    }
}

// One die scores one time in three, two dice with a one or a five, three dice also with
// a triple of 2, 3, 4 or 6; six dice by counting every ordered throw.
TEST(StrategyOutcomes, ChanceOfNothingToTake) {
    const TakeReach reach;
    const RollOutcomes outcomes(reach);
    double sixDice = 0;
    for (const auto& kind : testing::ThrowKinds(kDiceCount)) {
        sixDice += kind.choices.empty() ? kind.probability : 0;
    }
    const struct {
        int dice;
        double chance;
    } cases[] = {{1, 4.0 / 6}, {2, 16.0 / 36}, {3, 60.0 / 216}, {6, sixDice}};
    for (const auto& c : cases) {
        EXPECT_NEAR(outcomes.LoseProbability(c.dice), c.chance, 1e-12) << c.dice << " dice";
    }
    EXPECT_NEAR(sixDice, 1080.0 / 46656, 1e-12);
}

// Points by dice left (index), -1 where no take sequence leaves that many.
TEST(StrategyReach, MostPointsForEachNumberOfDiceLeft) {
    const TakeReach reach;
    const struct {
        DiceSet dice;
        TakeReach::Best best;
    } cases[] = {
        {{1, 1, 1, 1, 1, 1}, {3000, 1200, 1100, 1000, 200, 100, 0}},
        {{6, 5, 4, 3, 2, 1}, {1500, -1, -1, -1, 150, 100, 0}},
        {{2, 2, 3, 3, 4, 4}, {750, -1, -1, -1, -1, -1, 0}},
        {{3, 3, 3, 4, 4, 4}, {700, -1, -1, 400, -1, -1, 0}},
        {{2, 2, 2, 2, 2, 2}, {3000, -1, -1, 200, -1, -1, 0}},
        {{5, 5, 1, 1, 0, 0}, {300, 250, 200, 100, 0, -1, -1}},
        {{0, 0, 0, 2, 3, 4}, {-1, -1, -1, 0, -1, -1, -1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(vorpin::testing::Describe(ScoringOption{0, c.dice}));
        EXPECT_EQ(reach.Of(FaceCounts::OfDiceInPlay(c.dice)), c.best);
    }
}

// Every throw of up to four dice, and many of six: the memo by multiset agrees with
// trying every take sequence on the slots.
TEST(StrategyReach, AgreesWithEveryTakeSequenceOnTheSlots) {
    const TakeReach reach;
    std::mt19937 engine(7);
    for (int index = 0; index < 1296 + 400; ++index) {
        DiceSet dice{};
        for (std::size_t slot = 0, rest = static_cast<std::size_t>(index); slot < 4;
             ++slot, rest /= 6) {
            dice[slot + 2] = static_cast<std::uint8_t>(index < 1296 ? 1 + rest % 6 : 0);
        }
        if (index >= 1296) {
            for (auto& value : dice) {
                value = static_cast<std::uint8_t>(1 + engine() % 6);
            }
        }
        ASSERT_EQ(reach.Of(FaceCounts::OfDiceInPlay(dice)), testing::BestBySlots(dice))
            << vorpin::testing::Describe(ScoringOption{0, dice});
    }
}

// On the board itself, the planned rows set aside exactly the points and dice asked for.
TEST(StrategyPlanner, RowsOnTheBoardReachEveryBestTake) {
    const TakeReach reach;
    std::mt19937 engine(11);
    for (int game = 0; game < 300; ++game) {
        DiceSet thrown{};
        for (auto& value : thrown) {
            value = static_cast<std::uint8_t>(1 + engine() % 6);
        }
        const auto best = reach.Of(FaceCounts::OfDiceInPlay(thrown));
        for (int left = 0; left < kDiceCount; ++left) {
            const int points = best[static_cast<std::size_t>(left)];
            if (points < 0) {
                continue;
            }
            vorpin::testing::ScriptedDice script{{thrown.begin(), thrown.end()}};
            PlainBoard board(script.Source());
            board.NewGame();
            board.Roll();
            for (int row : PlanTakes(reach, thrown, left, points)) {
                board.TakeOption(row);
            }
            const auto& dice = board.controller.Dice();
            const auto inPlay =
                std::count_if(dice.begin(), dice.end(), [](auto v) { return v != kSetAside; });
            EXPECT_EQ(board.controller.Tally().Total(), points);
            EXPECT_EQ(inPlay, left == 0 ? kDiceCount : left);
        }
    }
}

TEST(StrategyPlanner, RefusesWhatNoTakeReaches) {
    const TakeReach reach;
    const DiceSet dice{1, 5, 2, 3, 4, 4};
    EXPECT_THROW(PlanTakes(reach, dice, 0, 150), std::invalid_argument);
    EXPECT_THROW(PlanTakes(reach, dice, 4, 100), std::invalid_argument);
    EXPECT_EQ(PlanTakes(reach, dice, 4, 150), (std::vector<int>{0, 0}));
}

}  // namespace
}  // namespace vorpin::strategy
