// SPDX-License-Identifier: GPL-3.0-or-later
#include "TurnController.h"

#include <gtest/gtest.h>

#include "Fakes.h"

namespace vorpin {
namespace {

// Writes down the hooks called, "dice status offer 5000 in 2 with 0000 show": the offer
// with the score, the turns and the enabled buttons at that moment.
class RecordingHooks final : public BoardHooks {
public:
    void RedrawDice() override { calls += "dice "; }
    void RedrawStatus() override { calls += "status "; }
    void RepaintBoard() override { calls += "board "; }
    bool OfferHighScore(int score, int turns) override {
        calls += "offer " + std::to_string(score) + " in " + std::to_string(turns) + " with " +
                 buttons() + " ";
        return true;
    }
    void ShowHighScores() override { calls += "show "; }

    std::string calls;
    std::function<std::string()> buttons;
};

class TurnControllerTest : public ::testing::Test {
protected:
    TurnControllerTest() {
        hooks.buttons = [this] { return Buttons(); };
    }

    // The faces for the dice in play, slot order.
    void Roll(const std::deque<int>& faces) {
        dice.faces = faces;
        board.Roll();
    }

    // Enabled buttons: Roll, End Turn, take arrow, take-back arrow.
    std::string Buttons() const {
        std::string text;
        for (const auto* button :
             {&board.rollButton, &board.endTurnButton, &board.takeArrow, &board.takeBackArrow}) {
            text += button->IsEnabled() ? '1' : '0';
        }
        return text;
    }

    // "turn 1 score 0 min 500 dice 777777 rows 0 0 buttons 1000": the rows of the options
    // and of the tally, then the buttons.
    std::string State() const {
        std::string text = "turn " + std::to_string(game.Turn()) + " score " +
                           std::to_string(game.Score()) + " min " +
                           std::to_string(game.MinimumToBank()) + " dice ";
        for (auto value : game.Dice()) {
            text += static_cast<char>('0' + value);
        }
        return text + " rows " + std::to_string(board.optionsList.RowCount()) + " " +
               std::to_string(board.tallyList.RowCount()) + " buttons " + Buttons();
    }

    // A new game at 3000 after one turn: six ones, then the bank.
    void BankThreeThousand() {
        board.NewGame();
        Roll({1, 1, 1, 1, 1, 1});
        board.TakeOption(0);
        board.EndTurn();
        ASSERT_EQ(game.Score(), 3000);
    }

    testing::ScriptedDice dice;
    RecordingHooks hooks;
    PlainBoard board{dice.Source(), hooks};
    const TurnController& game = board.controller;
};

TEST_F(TurnControllerTest, FirstNewGameShowsTheControlsAndRepaintsTheBoardOnce) {
    board.NewGame();
    board.NewGame();
    EXPECT_EQ(hooks.calls, "board dice status dice status ");
    EXPECT_TRUE(board.rollButton.IsVisible() && board.endTurnButton.IsVisible() &&
                board.takeArrow.IsVisible() && board.takeBackArrow.IsVisible() &&
                board.optionsList.IsVisible() && board.tallyList.IsVisible());
    EXPECT_EQ(State(), "turn 1 score 0 min 500 dice 777777 rows 0 0 buttons 1000");
}

TEST_F(TurnControllerTest, TurnThrowsTheDiceInPlayAndBanksFiveHundredFirstThenThreeFifty) {
    board.NewGame();
    Roll({4, 4, 4, 5, 2, 3});
    EXPECT_EQ(State(), "turn 1 score 0 min 500 dice 444523 rows 2 0 buttons 0000")
        << "the player must take before rolling again";
    board.SelectOption(1);
    EXPECT_EQ(Buttons(), "0010");
    board.ClickTakeArrow();
    board.TakeOption(0);
    EXPECT_EQ(State(), "turn 1 score 0 min 500 dice 000023 rows 0 4 buttons 1000") << "450 < 500";
    Roll({1, 5});
    EXPECT_EQ(dice.drawn, 8) << "one number for each die in play";
    board.TakeOption(1);
    EXPECT_EQ(State(), "turn 1 score 0 min 500 dice 000010 rows 1 6 buttons 1100");
    board.EndTurn();
    EXPECT_EQ(State(), "turn 2 score 500 min 350 dice 777777 rows 0 0 buttons 1000");

    Roll({3, 3, 3, 2, 4, 6});
    board.TakeOption(0);
    EXPECT_EQ(Buttons(), "1000") << "300 is not enough";
    Roll({5, 2, 2});
    board.TakeOption(0);
    board.EndTurn();
    EXPECT_EQ(game.Score(), 850);
}

TEST_F(TurnControllerTest, RollWithNothingToScoreLosesTheTurn) {
    board.NewGame();
    Roll({1, 2, 2, 3, 4, 6});
    board.TakeOption(0);
    Roll({2, 3, 4, 6, 2});
    board.DoubleClickOption(0);
    board.ClickTakeArrow();
    EXPECT_EQ(State(), "turn 1 score 0 min 500 dice 023462 rows 1 0 buttons 1000")
        << "the losing roll stays in view; its row offers nothing";

    hooks.calls.clear();
    Roll({1, 1, 1, 2, 3, 4});
    EXPECT_EQ(hooks.calls, "dice status dice ") << "the next turn's number shows before the roll";
    EXPECT_EQ(State(), "turn 2 score 0 min 500 dice 111234 rows 4 0 buttons 0000")
        << "a lost turn is not a bank";
}

TEST_F(TurnControllerTest, AllSixSetAsideComeBackFreshAndGivingBackReturnsOnlyThoseDice) {
    board.NewGame();
    Roll({1, 1, 1, 5, 5, 5});
    board.TakeOption(0);
    board.TakeOption(0);
    EXPECT_EQ(State(), "turn 1 score 0 min 500 dice 777777 rows 0 4 buttons 1100");
    board.SelectTallyRow(1);
    EXPECT_EQ(Buttons(), "1101");
    board.ClickTakeBackArrow();
    EXPECT_EQ(State(), "turn 1 score 0 min 500 dice 000555 rows 4 3 buttons 1100");
    EXPECT_EQ(game.TurnTotal(), 1000);
    board.TakeOption(0);
    Roll({2, 2, 3, 3, 4, 4});
    ASSERT_EQ(State(), "turn 1 score 0 min 500 dice 223344 rows 1 4 buttons 0000");
    EXPECT_EQ(game.Tally().DisplayRow(0)->IsSelectable(), 0) << "now an earlier row";
}

TEST_F(TurnControllerTest, OnlyThisRollsCombinationsGoBackAndEarlierOnesStillBank) {
    board.NewGame();
    Roll({1, 1, 1, 2, 3, 4});
    board.TakeOption(0);
    board.DoubleClickTallyRow(0);
    EXPECT_EQ(State(), "turn 1 score 0 min 500 dice 111234 rows 4 0 buttons 0000")
        << "all offered again, nothing taken from this roll";
    board.TakeOption(0);
    Roll({5, 1, 3});
    board.TakeOption(0);
    board.TakeOption(0);
    // Tally rows: 1000, separator, 100, 50, separator, total.
    for (int row : {0, 1, 4, 5, 9}) {
        board.DoubleClickTallyRow(row);
        EXPECT_FALSE(board.takeBackArrow.IsEnabled()) << "row " << row;
        board.ClickTakeBackArrow();
    }
    EXPECT_EQ(game.TurnTotal(), 1150);
    board.SelectTallyRow(3);
    EXPECT_TRUE(board.takeBackArrow.IsEnabled());
    board.SelectTallyRow(2);
    board.ClickTakeBackArrow();
    EXPECT_EQ(game.Dice(), (DiceSet{0, 0, 0, 0, 1, 3})) << "the one went back, not the five";
    board.DoubleClickTallyRow(2);
    EXPECT_EQ(State(), "turn 1 score 0 min 500 dice 000513 rows 2 3 buttons 0100")
        << "End Turn stays, Roll needs a take from this roll";
    board.EndTurn();
    EXPECT_EQ(game.Score(), 1000);
}

TEST_F(TurnControllerTest, GameEndsWithTheBankThatReachesFiveThousand) {
    const struct {
        std::deque<int> lastRoll;
        const char* state;
        const char* hooks;
    } cases[] = {
        {{4, 4, 4, 5, 2, 3},
         "turn 3 score 4950 min 350 dice 777777 rows 0 0 buttons 1000",
         "dice status "},
        {{5, 5, 5, 2, 3, 4},
         "turn 2 score 5000 min 350 dice 777777 rows 0 0 buttons 0000",
         "dice status offer 5000 in 2 with 0000 show "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        BankThreeThousand();
        Roll({1, 1, 1, 5, 5, 5});
        board.TakeOption(0);
        board.TakeOption(0);
        Roll(c.lastRoll);
        board.TakeOption(0);
        board.TakeOption(0);
        hooks.calls.clear();
        board.EndTurn();
        EXPECT_EQ(State(), c.state);
        EXPECT_EQ(hooks.calls, c.hooks);
    }
}

TEST_F(TurnControllerTest, NewGameRestartsAtTurnOneFromAnyState) {
    for (const std::string moment : {"mid-turn", "lost turn", "game over"}) {
        SCOPED_TRACE(moment);
        BankThreeThousand();
        Roll({1, 1, 1, 1, 1, 1});
        board.TakeOption(moment == "game over" ? 0 : 1);
        if (moment == "lost turn") {
            Roll({2, 3, 4});
            ASSERT_TRUE(game.NoPoints());
        } else if (moment == "game over") {
            board.EndTurn();
            ASSERT_EQ(game.Score(), 6000);
        }
        board.NewGame();
        EXPECT_EQ(State(), "turn 1 score 0 min 500 dice 777777 rows 0 0 buttons 1000");
        Roll({1, 2, 2, 3, 4, 6});
        EXPECT_EQ(State(), "turn 1 score 0 min 500 dice 122346 rows 1 0 buttons 0000");
    }
}

TEST_F(TurnControllerTest, CommandsRefuseToActWhileTheirButtonIsDisabled) {
    board.NewGame();
    Roll({1, 2, 2, 3, 4, 6});
    board.Roll();
    board.controller.DoAction(TurnController::ActionNextTurn);
    EXPECT_EQ(dice.drawn, 6);
    board.TakeOption(0);
    board.EndTurn();
    board.controller.DoAction(TurnController::ActionEndTurn);
    for (int code : {3, 5, 6, 8, -1}) {
        board.controller.DoAction(code);
    }
    EXPECT_EQ(State(), "turn 1 score 0 min 500 dice 022346 rows 0 3 buttons 1000");
}

}  // namespace
}  // namespace vorpin
