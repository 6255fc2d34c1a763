// SPDX-License-Identifier: GPL-3.0-or-later
// The kinds of choice decisions are sorted into, their sentences, and practice answers
// judged by the solution.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "Habits.h"
#include "Practice.h"

namespace vorpin::strategy {
namespace {

using Kind = Habit::Kind;
using Stage = Habit::Stage;

const OptimalStrategy& Solved() {
    static const OptimalStrategy solved;
    return solved;
}

TEST(Habits, EachDecisionIsSortedByItsPositionAndTheBestMove) {
    struct Case {
        const char* name;
        Position position;
        Move best;
        Habit expected;
    };
    const Case cases[] = {
        {"a lone one after the first bank, then six fresh dice",
         {1000, 300, {0, 0, 1, 0, 0, 0}},
         {100, true, 0},
         {Kind::BankOrThrow, Stage::AfterFirstBank, 6, 1, true, false}},
        {"one scoring die of six before the first bank",
         {0, 0, {2, 3, 4, 6, 6, 1}},
         {100, false, 5},
         {Kind::ThrowOn, Stage::BeforeFirstBank, 5, 0, false, false}},
        {"a straight, or fewer dice to throw again",
         {0, 0, {1, 5, 2, 3, 4, 6}},
         {1500, false, 6},
         {Kind::Keep, Stage::BeforeFirstBank, 6, 0, false, true}},
        {"a one and a five, keeping only the one",
         {2000, 550, {1, 5, 0, 0, 3, 0}},
         {100, false, 2},
         {Kind::Keep, Stage::AfterFirstBank, 3, 2, false, false}},
        {"a bank that reaches the target",
         {4700, 300, {0, 0, 0, 0, 0, 1}},
         {100, true, 0},
         {Kind::WinningBank, Stage::BeforeFirstBank, 0, 0, true, false}},
        {"two dice left and 2000 in the turn",
         {1500, 1950, {0, 4, 0, 5, 0, 4}},
         {50, true, 0},
         {Kind::BankOrThrow, Stage::AfterFirstBank, 2, 6, true, false}},
    };
    const HabitSorter sorter;
    for (const Case& c : cases) {
        const Habit habit = sorter.HabitOf(Decision{1, c.position, c.best, c.best, 0});
        EXPECT_EQ(habit, c.expected) << c.name << ": code " << habit.Code();
        EXPECT_EQ(Habit::FromCode(habit.Code()), habit) << c.name;
    }
}

TEST(Habits, CodesReadBackAndStrayCodesReadAsThePlainestHabit) {
    std::set<int> codes;
    for (const Kind kind : {Kind::BankOrThrow, Kind::Keep, Kind::ThrowOn, Kind::WinningBank}) {
        for (int dice = 0; dice <= kDiceCount; ++dice) {
            for (int band = 0; band < static_cast<int>(Habit::kBandFloors.size()); ++band) {
                for (int flags = 0; flags < 8; ++flags) {
                    const Habit habit{kind,
                                      static_cast<Stage>(flags & 1),
                                      dice,
                                      band,
                                      (flags & 2) != 0,
                                      (flags & 4) != 0};
                    EXPECT_EQ(Habit::FromCode(habit.Code()), habit);
                    codes.insert(habit.Code());
                }
            }
        }
    }
    EXPECT_EQ(codes.size(), 4u * 7 * 7 * 8);  // no two habits share a code
    for (const int stray : {-1, 1 << 11, 7 << 3, 7 << 6}) {
        EXPECT_EQ(Habit::FromCode(stray), Habit{}) << stray;
    }
}

TEST(Habits, SlipsNameHowADecisionLeftTheBestMove) {
    const Position at{1000, 300, {1, 5, 0, 0, 3, 0}};
    const struct {
        Move done;
        Move best;
        double cost;
        Slip expected;
    } cases[] = {
        {{150, true, 0}, {150, true, 0}, 0, Slip::None},
        {{100, false, 2}, {150, true, 0}, 1e-12, Slip::None},  // as good as best
        {{150, false, 1}, {150, true, 0}, 0.3, Slip::ThrewOn},
        {{150, true, 0}, {100, false, 2}, 0.2, Slip::Banked},
        {{100, false, 2}, {150, false, 1}, 0.05, Slip::OtherTake},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HabitSorter::SlipOf(Decision{1, at, c.done, c.best, c.cost}), c.expected)
            << c.cost;
    }
}

TEST(Habits, SentencesCarryTheGroupsOwnFigures) {
    HabitFigures banks{{Kind::BankOrThrow, Stage::AfterFirstBank, 2, 1, true, false}, {}, {}};
    banks.Add(Slip::None, 3, 0);
    banks.Add(Slip::ThrewOn, 11, 1.8);
    HabitFigures keeps{{Kind::Keep, Stage::BeforeFirstBank, 6, 0, false, false}, {}, {}};
    keeps.Add(Slip::None, 20, 0);
    keeps.Add(Slip::OtherTake, 4, 0.5);
    keeps.Add(Slip::Banked, 1, 0.14);
    HabitFigures winning{{Kind::WinningBank, Stage::BeforeFirstBank, 0, 0, true, false}, {}, {}};
    winning.Add(Slip::None, 1, 0);
    HabitFigures forced{{Kind::ThrowOn, Stage::BeforeFirstBank, 1, 0, false, false}, {}, {}};
    forced.Add(Slip::OtherTake, 2, 0.0625);
    const struct {
        const HabitFigures& figures;
        const char* sentence;
    } cases[] = {
        {banks,
         "With 2 dice left to throw and 350 to 450 in the turn after your first bank, best "
         "play banks; you threw on 11 times out of 14, which cost 1.80 turns in all."},
        {keeps,
         "With 6 dice rolled and under 350 in the turn before your first bank, best play "
         "sets aside fewer scoring dice to throw more and throws on; you set aside other "
         "dice 4 times out of 25, which cost 0.50 turns in all, and banked 1 time, which "
         "cost 0.14 turns."},
        {winning,
         "When a bank can win the game, best play sets aside enough to reach 5000 and "
         "banks; you played it the best way that one time."},
        {forced,
         "With 1 die left to throw and under 350 in the turn before your first bank, no "
         "bank is allowed yet, and best play sets aside the most it can and throws on; you "
         "set aside other dice 2 times out of 2, which cost 0.06 turns in all."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HabitSentence(c.figures), c.sentence);
    }
    EXPECT_EQ(banks.Decisions(), 14);
    EXPECT_DOUBLE_EQ(banks.MeanCost(), 1.8 / 14);
    EXPECT_DOUBLE_EQ(keeps.BestShare(), 20.0 / 25);
    EXPECT_DOUBLE_EQ(keeps.TotalCost(), 0.64);
}

// A table of positions: every pick is judged by the solution's own values, the order
// gives nothing away, and the best pick is the solution's best move.
TEST(Practice, AnswersAreJudgedByTheSolution) {
    const OptimalStrategy& solved = Solved();
    const Position positions[] = {
        {0, 0, {1, 5, 2, 3, 4, 6}},      {0, 450, {1, 1, 5, 0, 0, 2}},
        {1000, 300, {0, 0, 1, 0, 0, 0}}, {4700, 300, {5, 0, 1, 0, 0, 3}},
        {2500, 0, {2, 2, 2, 5, 5, 3}},   {3000, 350, {1, 0, 0, 0, 0, 4}},
        {0, 550, {5, 5, 0, 0, 0, 0}},    {4950, 0, {1, 1, 1, 1, 2, 3}},
    };
    for (const Position& position : positions) {
        const auto choices = PracticeChoices(solved, position);
        const auto best = BestMoveFrom(solved, position);
        ASSERT_TRUE(best);
        ASSERT_EQ(choices.size(), Alternatives(solved, position).size());
        for (std::size_t i = 1; i < choices.size(); ++i) {
            EXPECT_GE(choices[i - 1].points, choices[i].points);
        }
        for (std::size_t pick = 0; pick < choices.size(); ++pick) {
            const PracticeAnswer answer = Judge(choices, pick);
            const double value = MoveValue(solved, position, MoveOf(choices[pick]));
            EXPECT_DOUBLE_EQ(choices[pick].turns, value);
            EXPECT_NEAR(answer.cost, value - best->turns, 1e-12);
            EXPECT_EQ(answer.PickedBest(), answer.cost <= 1e-9);
            EXPECT_NEAR(choices[answer.best].turns, best->turns, 1e-12);
        }
        EXPECT_THROW(Judge(choices, choices.size()), std::out_of_range);
    }
}

TEST(Practice, PositionsBestPlayReachesAreRollsWithSomethingToTake) {
    const OptimalStrategy& solved = Solved();
    std::mt19937 engine(7);
    std::set<int> banked;
    for (int i = 0; i < 200; ++i) {
        const Position position = PositionReachedByBestPlay(solved, engine);
        ASSERT_TRUE(BestMoveFrom(solved, position));
        ASSERT_LT(position.banked, 5000);
        ASSERT_EQ(position.banked % kPointStep, 0);
        banked.insert(position.banked);
    }
    EXPECT_GT(banked.size(), 20u);  // from all through the game, not one stage of it
}

}  // namespace
}  // namespace vorpin::strategy
