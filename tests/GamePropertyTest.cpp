// SPDX-License-Identifier: GPL-3.0-or-later
// Plays many games with random commands, as an erratic player would, and checks the
// rules that must hold after every command.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "Fakes.h"
#include "GameInvariants.h"

namespace vorpin {
namespace {

// The commands of an erratic player: Roll three times as likely as each of the next
// nine, New Game drawn apart and rarely.
using Command = void (*)(PlainBoard&, int row);
constexpr int kEndTurn = 3;
constexpr int kNewGame = 10;
constexpr Command kCommands[] = {
    [](PlainBoard& board, int) { board.Roll(); },
    [](PlainBoard& board, int) { board.Roll(); },
    [](PlainBoard& board, int) { board.Roll(); },
    [](PlainBoard& board, int) { board.EndTurn(); },
    [](PlainBoard& board, int row) { board.SelectOption(row); },
    [](PlainBoard& board, int row) { board.TakeOption(row); },
    [](PlainBoard& board, int row) { board.DoubleClickOption(row); },
    [](PlainBoard& board, int row) { board.SelectTallyRow(row); },
    [](PlainBoard& board, int row) { board.DoubleClickTallyRow(row); },
    [](PlainBoard& board, int) { board.ClickTakeBackArrow(); },
    [](PlainBoard& board, int) { board.NewGame(); },
};

TEST(GameProperties, HoldAfterEveryCommandOfRandomPlay) {
    std::mt19937 choices(20261206);
    std::mt19937 faces(20261207);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(choices);
    };
    PlainBoard board([&] { return static_cast<int>(faces() % 32768); });
    board.NewGame();
    int finished = 0;
    for (int step = 0; step < 8000000 && finished < 2000; ++step) {
        const Snapshot before = TakeSnapshot(board);
        // Banking is favoured once it is allowed, so that games come to an end.
        const int row = pick(-1, 8);
        const bool restart = pick(0, 19999) == 0;
        const bool bank = !restart && board.endTurnButton.IsEnabled() && pick(0, 2) == 0;
        const int command = restart ? kNewGame : bank ? kEndTurn : pick(0, 9);
        kCommands[command](board, row);
        const ScoreCommand given = command == kEndTurn   ? ScoreCommand::EndTurn
                                   : command == kNewGame ? ScoreCommand::NewGame
                                                         : ScoreCommand::Other;
        if (const auto broken = BrokenRule(board, before, given)) {
            FAIL() << *broken << ", after command " << step;
        }
        if (board.controller.Score() >= TurnController::kWinningScore) {
            ++finished;
            board.NewGame();
        }
    }
    EXPECT_EQ(finished, 2000) << "random play should finish games";
}

// The rules find each fault that can be made from outside the turn controller, and
// none on a sound board. Each case starts after a roll of 1 1 1 5 2 3 and taking the
// three ones, so End Turn stands enabled with 1000 points.
TEST(GameProperties, BrokenRuleNamesEachFault) {
    using Fault = std::function<void(PlainBoard&, Snapshot&, ScoreCommand&)>;
    const struct {
        const char* name;
        Fault fault;
        const char* found;  // part of the sentence, or nullptr for none
    } cases[] = {
        {"sound", [](PlainBoard&, Snapshot&, ScoreCommand&) {}, nullptr},
        {"bank",
         [](PlainBoard& b, Snapshot&, ScoreCommand& c) {
             b.EndTurn();
             c = ScoreCommand::EndTurn;
         },
         nullptr},
        {"score without a bank", [](PlainBoard& b, Snapshot&, ScoreCommand&) { b.EndTurn(); },
         "the score went from 0 to 1000 after a command other"},
        {"bank of another amount",
         [](PlainBoard& b, Snapshot& s, ScoreCommand& c) {
             s.turnTotal = 900;
             b.EndTurn();
             c = ScoreCommand::EndTurn;
         },
         "not to 900"},
        {"bank while disabled",
         [](PlainBoard& b, Snapshot& s, ScoreCommand& c) {
             s.endTurnEnabled = false;
             b.EndTurn();
             c = ScoreCommand::EndTurn;
         },
         "after End Turn while disabled"},
        {"score kept by New Game",
         [](PlainBoard& b, Snapshot& s, ScoreCommand& c) {
             b.EndTurn();
             s = TakeSnapshot(b);
             c = ScoreCommand::NewGame;
         },
         "after New Game, not to 0"},
        {"End Turn below the minimum",
         [](PlainBoard& b, Snapshot&, ScoreCommand&) {
             b.DoubleClickTallyRow(0);
             b.endTurnButton.SetEnabled(true);
         },
         "End Turn is enabled with a turn total of 0 (minimum 500, tally 0)"},
        {"turn total apart from the tally",
         [](PlainBoard& b, Snapshot&, ScoreCommand&) {
             b.controller.Tally().AddCombination(DicePattern{0, 0, 0, 5, 0, 0}, 50);
         },
         "turn total of 1000 (minimum 500, tally 1050)"},
        {"extra tally row", [](PlainBoard& b, Snapshot&, ScoreCommand&) { b.tallyList.AddRow(); },
         "the tally list has 4 rows, its model 3"},
        {"extra options row",
         [](PlainBoard& b, Snapshot&, ScoreCommand&) { b.optionsList.AddRow(); },
         "the options list has 2 rows, its model 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing::ScriptedDice dice{{1, 1, 1, 5, 2, 3}};
        PlainBoard board(dice.Source());
        board.NewGame();
        board.Roll();
        board.TakeOption(0);
        ASSERT_TRUE(board.endTurnButton.IsEnabled());
        Snapshot before = TakeSnapshot(board);
        ScoreCommand command = ScoreCommand::Other;
        c.fault(board, before, command);
        const std::string broken = BrokenRule(board, before, command).value_or("");
        if (c.found == nullptr) {
            EXPECT_EQ(broken, "");
        } else {
            EXPECT_NE(broken.find(c.found), std::string::npos) << broken;
        }
    }
}

}  // namespace
}  // namespace vorpin
