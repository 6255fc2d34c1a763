// SPDX-License-Identifier: GPL-3.0-or-later
// Advice on positions: every alternative, best first, and the best one the same move the
// solved play makes.
#include <gtest/gtest.h>

#include <random>

#include "Advisor.h"

namespace vorpin::strategy {
namespace {

const OptimalStrategy& Solved() {
    static const OptimalStrategy solved;
    return solved;
}

Position RandomRolledPosition(std::mt19937& engine) {
    Position position;
    position.banked = static_cast<int>(engine() % 100) * kPointStep;
    position.turnTotal = static_cast<int>(engine() % 60) * kPointStep;
    do {
        const auto setAside = engine() % 6;
        for (std::size_t slot = 0; slot < position.dice.size(); ++slot) {
            position.dice[slot] =
                static_cast<std::uint8_t>(slot < setAside ? kSetAside : 1 + engine() % 6);
        }
    } while (!BestTake(Solved(), position));
    return position;
}

TEST(Advise, BestFirstAndTheSameMoveAsTheSolvedPlay) {
    std::mt19937 engine(5);
    for (int i = 0; i < 2000; ++i) {
        const Position position = RandomRolledPosition(engine);
        const auto alternatives = Alternatives(Solved(), position);
        const TakeChoice best = *BestTake(Solved(), position);
        const int total = position.turnTotal + best.points;
        ASSERT_EQ(alternatives.front().points, best.points);
        ASSERT_EQ(alternatives.front().bank,
                  Solved().Banks(position.banked, total, best.diceToRoll));
        ASSERT_NEAR(alternatives.front().turns,
                    1 + Solved().AfterTakeValue(position.banked, total, best.diceToRoll), 1e-12);
        for (std::size_t k = 0; k < alternatives.size(); ++k) {
            const auto& alternative = alternatives[k];
            ASSERT_FALSE(alternative.rows.empty());
            ASSERT_TRUE(!alternative.bank || position.turnTotal + alternative.points >=
                                                 Solved().Rules().MinimumToBank(position.banked));
            ASSERT_TRUE(k == 0 || alternatives[k - 1].turns <= alternative.turns);
        }
    }
}

TEST(Advise, FreshDiceLeaveOnlyBankOrRoll) {
    const Position start{1000, 0, {7, 7, 7, 7, 7, 7}};
    const auto atStart = Alternatives(Solved(), start);
    ASSERT_EQ(atStart.size(), 1u);
    EXPECT_FALSE(atStart[0].bank);
    EXPECT_EQ(atStart[0].diceToRoll, 6);
    EXPECT_DOUBLE_EQ(atStart[0].turns, Solved().TurnsFromStart(1000));

    const Position afterAllSetAside{4000, 1000, {7, 7, 7, 7, 7, 7}};
    const auto finishing = Alternatives(Solved(), afterAllSetAside);
    ASSERT_EQ(finishing.size(), 2u);
    EXPECT_TRUE(finishing[0].bank);
    EXPECT_DOUBLE_EQ(finishing[0].turns, 1);
    EXPECT_TRUE(finishing[0].rows.empty());
}

TEST(Advise, NothingToTakeIsNoPosition) {
    const Position position{0, 0, {2, 3, 4, 6, 2, 3}};
    EXPECT_EQ(BestTake(Solved(), position), std::nullopt);
    EXPECT_THROW(Alternatives(Solved(), position), std::invalid_argument);
}

}  // namespace
}  // namespace vorpin::strategy
