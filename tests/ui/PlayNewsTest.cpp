// SPDX-License-Identifier: GPL-3.0-or-later
// What a player who cannot see the board hears after each kind of move.
#include <gtest/gtest.h>

#include "PlayNews.h"

namespace vorpin {
namespace {

PlayState Game(int turn, int score, int total, DiceSet dice, bool canRoll = true,
               bool canBank = false, bool noPoints = false) {
    return PlayState{true, turn, score, total, dice, noPoints, canRoll, canBank};
}

constexpr DiceSet kFreshDice{7, 7, 7, 7, 7, 7};

TEST(PlayNewsTest, EachMoveTellsWhatChanged) {
    const struct {
        const char* what;
        PlayerCommand command;
        MoveFacts facts;
        const char* heard;
    } cases[] = {
        {"a new game",
         PlayerCommand::NewGame,
         {{}, Game(1, 0, 0, kFreshDice), {}, {}, 500},
         "New game. Turn 1, score 0."},
        {"a roll, set-aside dice said as such",
         PlayerCommand::Roll,
         {Game(2, 700, 150, {0, 5, 0, 7, 7, 7}),
          Game(2, 700, 150, {0, 5, 0, 1, 4, 4}),
          {},
          {"single one, 100", "single five, 50"},
          350},
         "Rolled set aside, 5, set aside, 1, 4, 4. 2 options, first single one, 100."},
        {"a roll with one option",
         PlayerCommand::Roll,
         {Game(1, 0, 0, kFreshDice),
          Game(1, 0, 0, {3, 4, 4, 4, 6, 2}),
          {},
          {"three fours, 400"},
          500},
         "Rolled 3, 4, 4, 4, 6, 2. 1 option: three fours, 400."},
        {"a lost turn",
         PlayerCommand::Roll,
         {Game(4, 900, 0, kFreshDice),
          Game(4, 900, 0, {2, 3, 4, 6, 2, 3}, true, false, true),
          {},
          {},
          350},
         "Rolled 2, 3, 4, 6, 2, 3. VORPIN! NO POINTS: turn 4 is lost, Ctrl+R starts turn 5."},
        {"the roll after a lost turn",
         PlayerCommand::Roll,
         {Game(4, 900, 0, {2, 3, 4, 6, 2, 3}, true, false, true),
          Game(5, 900, 0, {1, 1, 1, 2, 3, 6}),
          {},
          {"three ones, 1000", "single one, 100"},
          350},
         "Turn 5, score 900. Rolled 1, 1, 1, 2, 3, 6. 2 options, first three ones, 1000."},
        {"a take that leaves options, too little to bank",
         PlayerCommand::Take,
         {Game(1, 0, 0, {1, 5, 2, 3, 4, 6}),
          Game(1, 0, 100, {0, 5, 2, 3, 4, 6}),
          "single one, 100",
          {"single five, 50"},
          500},
         "Took single one, 100. Turn total 100, End Turn needs 500. 1 option left: single "
         "five, 50."},
        {"a take that empties the list and may bank",
         PlayerCommand::Take,
         {Game(3, 600, 300, {0, 0, 0, 5, 4, 6}),
          Game(3, 600, 350, {0, 0, 0, 0, 4, 6}, true, true),
          "single five, 50",
          {},
          350},
         "Took single five, 50. Turn total 350, End Turn can bank. No options left."},
        {"a give-back",
         PlayerCommand::GiveBack,
         {Game(3, 600, 350, {0, 0, 0, 0, 4, 6}, true, true),
          Game(3, 600, 300, {0, 0, 0, 5, 4, 6}),
          "single five, 50",
          {"single five, 50"},
          350},
         "Gave back single five, 50. Turn total 300, End Turn needs 350."},
        {"a bank",
         PlayerCommand::EndTurn,
         {Game(3, 600, 350, {0, 0, 0, 0, 4, 6}, true, true),
          Game(4, 950, 0, kFreshDice),
          {},
          {},
          350},
         "Banked 350. Score 950. Turn 4, Ctrl+R rolls."},
        {"the bank that ends the game",
         PlayerCommand::EndTurn,
         {Game(14, 4750, 400, {0, 0, 0, 0, 4, 6}, true, true),
          Game(14, 5150, 0, kFreshDice, false),
          {},
          {},
          350},
         "Banked 400. Game over: 5150 points in 14 turns."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NewsOf(c.command, c.facts).toStdString(), c.heard) << c.what;
    }
}

}  // namespace
}  // namespace vorpin
