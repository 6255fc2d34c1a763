#include "TurnController.h"

#include <gtest/gtest.h>

#include "Fakes.h"

namespace vorpin {
namespace {

using testing::ScriptedDice;

class RecordingHooks final : public BoardHooks {
public:
    void RedrawDice() override { calls.push_back("dice"); }
    void RedrawStatus() override { calls.push_back("status"); }
    void RepaintBoard() override { calls.push_back("board"); }
    bool OfferHighScore(int score, int turns) override {
        calls.push_back("offer " + std::to_string(score) + " " + std::to_string(turns));
        buttonsAtOffer = buttons();
        return true;
    }
    void ShowHighScores() override { calls.push_back("show"); }

    std::vector<std::string> calls;
    std::function<std::string()> buttons;
    std::string buttonsAtOffer;
};

class TurnControllerTest : public ::testing::Test {
protected:
    TurnControllerTest() {
        hooks.buttons = [this] { return Buttons(); };
    }

    // The faces for the dice in play, slot order.
    void Roll(const std::vector<int>& faces) {
        dice.Queue(faces);
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

    std::string Options() const {
        const auto& model = game.Options();
        std::string text;
        for (int row = 0; row < model.OptionCount(); ++row) {
            text += (row ? "; " : "") + testing::Describe(model.Option(row));
        }
        return text;
    }

    // A game at 3000 after one turn: six ones, then the bank.
    void BankThreeThousand() {
        board.NewGame();
        Roll({1, 1, 1, 1, 1, 1});
        board.TakeOption(0);
        board.EndTurn();
        ASSERT_EQ(game.Score(), 3000);
    }

    ScriptedDice dice;
    RecordingHooks hooks;
    PlainBoard board{dice.Source(), hooks};
    const TurnController& game = board.controller;
};

TEST_F(TurnControllerTest, NothingRollsOrBanksBeforeTheFirstNewGame) {
    board.Roll();
    board.EndTurn();
    board.controller.DoAction(TurnController::ActionRoll);
    board.controller.DoAction(TurnController::ActionNextTurn);
    EXPECT_EQ(dice.drawn, 0);
    EXPECT_EQ(game.Dice(), (DiceSet{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(game.Turn(), 0);
    EXPECT_EQ(Buttons(), "0000");
}

TEST_F(TurnControllerTest, FirstNewGameShowsTheControlsAndRepaintsTheBoardOnce) {
    board.NewGame();
    board.NewGame();
    EXPECT_EQ(std::count(hooks.calls.begin(), hooks.calls.end(), "board"), 1);
    for (bool visible : {board.rollButton.IsVisible(), board.endTurnButton.IsVisible(),
                         board.takeArrow.IsVisible(), board.takeBackArrow.IsVisible(),
                         board.optionsList.IsVisible(), board.tallyList.IsVisible()}) {
        EXPECT_TRUE(visible);
    }
    EXPECT_EQ(Buttons(), "1000");
    EXPECT_EQ(game.Dice(), (DiceSet{7, 7, 7, 7, 7, 7}));
    EXPECT_EQ(game.Turn(), 1);
    EXPECT_EQ(game.Score(), 0);
    EXPECT_EQ(game.MinimumToBank(), 500);
}

TEST_F(TurnControllerTest, RollThrowsEachDieInPlayWithOneNumberInSlotOrder) {
    board.NewGame();
    Roll({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(dice.drawn, 6);
    EXPECT_EQ(game.Dice(), (DiceSet{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(Options(), "1500 1 2 3 4 5 6; 100 1 - - - - -; 50 - - - - 5 -");
    EXPECT_EQ(Buttons(), "0000") << "the player must take before rolling again";
    board.SelectOption(2);
    EXPECT_EQ(Buttons(), "0010");
    board.ClickTakeArrow();
    EXPECT_EQ(game.Dice(), (DiceSet{1, 2, 3, 4, 0, 6}));
    Roll({5, 1, 1, 1, 2});
    EXPECT_EQ(dice.drawn, 11);
    EXPECT_EQ(game.Dice(), (DiceSet{5, 1, 1, 1, 0, 2}));
}

TEST_F(TurnControllerTest, FirstBankNeedsFiveHundredLaterBanksThreeHundredFifty) {
    board.NewGame();
    Roll({4, 4, 4, 5, 2, 3});
    board.TakeOption(0);
    EXPECT_EQ(Options(), "50 - - - 5 - -");
    board.TakeOption(0);
    EXPECT_EQ(Buttons(), "1000") << "450 is not enough";
    EXPECT_EQ(game.TurnTotal(), 0);
    Roll({5, 3});
    board.TakeOption(0);
    EXPECT_EQ(Buttons(), "1100");
    EXPECT_EQ(game.TurnTotal(), 500);
    board.EndTurn();
    EXPECT_EQ(game.Score(), 500);
    EXPECT_EQ(game.Turn(), 2);
    EXPECT_EQ(game.MinimumToBank(), 350);
    EXPECT_EQ(Buttons(), "1000");
    EXPECT_EQ(game.Dice(), (DiceSet{7, 7, 7, 7, 7, 7}));
    EXPECT_EQ(board.tallyList.RowCount(), 0);

    Roll({3, 3, 3, 2, 4, 6});
    board.TakeOption(0);
    EXPECT_EQ(Buttons(), "1000") << "300 is not enough";
    Roll({5, 2, 2});
    board.TakeOption(0);
    EXPECT_EQ(Buttons(), "1100");
    board.EndTurn();
    EXPECT_EQ(game.Score(), 850);
}

TEST_F(TurnControllerTest, RollWithNothingToScoreLosesTheTurn) {
    board.NewGame();
    Roll({1, 2, 2, 3, 4, 6});
    board.TakeOption(0);
    Roll({2, 3, 4, 6, 2});
    EXPECT_TRUE(game.NoPoints());
    EXPECT_TRUE(game.Options().NoPointsRow());
    EXPECT_EQ(board.optionsList.RowCount(), 1);
    EXPECT_EQ(board.tallyList.RowCount(), 0);
    EXPECT_EQ(game.Dice(), (DiceSet{0, 2, 3, 4, 6, 2})) << "the losing roll stays in view";
    EXPECT_EQ(Buttons(), "1000");
    EXPECT_EQ(game.Score(), 0);

    board.DoubleClickOption(0);
    board.ClickTakeArrow();
    EXPECT_EQ(Buttons(), "1000") << "the no-points row offers nothing";
    EXPECT_EQ(board.tallyList.RowCount(), 0);

    hooks.calls.clear();
    Roll({1, 1, 1, 2, 3, 4});
    EXPECT_FALSE(game.NoPoints());
    EXPECT_EQ(game.Turn(), 2);
    EXPECT_EQ(hooks.calls[1], "status") << "the next turn's number is shown before the roll";
    EXPECT_EQ(game.Dice(), (DiceSet{1, 1, 1, 2, 3, 4}));
    EXPECT_EQ(game.MinimumToBank(), 500) << "a lost turn is not a bank";
    EXPECT_EQ(Buttons(), "0000");
}

TEST_F(TurnControllerTest, AllSixSetAsideMakesThemFreshAndTheTurnGoesOn) {
    board.NewGame();
    Roll({1, 2, 3, 4, 5, 6});
    board.TakeOption(0);
    EXPECT_EQ(game.Dice(), (DiceSet{7, 7, 7, 7, 7, 7}));
    EXPECT_EQ(game.Options().OptionCount(), 0);
    EXPECT_EQ(Buttons(), "1100");
    Roll({2, 2, 3, 3, 4, 4});
    EXPECT_EQ(dice.drawn, 12);
    EXPECT_EQ(game.Tally().DisplayRowCount(), 3);
    EXPECT_EQ(game.Tally().DisplayRow(0)->IsSelectable(), 0) << "now an earlier row";
    EXPECT_EQ(game.Tally().Total(), 1500);
}

TEST_F(TurnControllerTest, GivingBackAfterHotDiceReturnsOnlyThoseDice) {
    board.NewGame();
    Roll({1, 1, 1, 5, 5, 5});
    board.TakeOption(0);
    board.TakeOption(0);
    ASSERT_EQ(game.Dice(), (DiceSet{7, 7, 7, 7, 7, 7}));
    board.SelectTallyRow(1);
    EXPECT_EQ(Buttons(), "1101");
    board.ClickTakeBackArrow();
    EXPECT_EQ(game.Dice(), (DiceSet{0, 0, 0, 5, 5, 5}));
    EXPECT_EQ(Options(), "500 - - - 5 5 5; 50 - - - 5 - -; 50 - - - - 5 -; 50 - - - - - 5");
    EXPECT_EQ(game.TurnTotal(), 1000);
    EXPECT_EQ(Buttons(), "1100");
}

TEST_F(TurnControllerTest, GivingBackTheOnlyCombinationOffersItAgain) {
    board.NewGame();
    Roll({5, 2, 3, 4, 6, 2});
    board.TakeOption(0);
    board.DoubleClickTallyRow(0);
    EXPECT_EQ(game.Dice(), (DiceSet{5, 2, 3, 4, 6, 2}));
    EXPECT_EQ(Options(), "50 5 - - - - -");
    EXPECT_EQ(board.tallyList.RowCount(), 0);
    EXPECT_EQ(game.TurnTotal(), 0);
    EXPECT_EQ(Buttons(), "0000");
    board.TakeOption(0);
    EXPECT_EQ(Buttons(), "1000");
}

TEST_F(TurnControllerTest, EarlierRowsAloneCanStillBeBanked) {
    board.NewGame();
    Roll({1, 1, 1, 2, 3, 4});
    board.TakeOption(0);
    Roll({5, 2, 3});
    board.TakeOption(0);
    EXPECT_EQ(game.TurnTotal(), 1050);
    board.SelectTallyRow(2);
    board.ClickTakeBackArrow();
    EXPECT_EQ(game.TurnTotal(), 1000);
    EXPECT_EQ(Buttons(), "0100") << "End Turn stays, Roll needs a take from this roll";
    board.EndTurn();
    EXPECT_EQ(game.Score(), 1000);
    EXPECT_EQ(game.Turn(), 2);
    EXPECT_EQ(Buttons(), "1000");
}

TEST_F(TurnControllerTest, GiveBackArrowFollowsCurrentRowsOnly) {
    board.NewGame();
    Roll({1, 1, 1, 2, 3, 4});
    board.TakeOption(0);
    Roll({5, 1, 3});
    board.TakeOption(0);
    board.TakeOption(0);
    // combo 1000, separator, combo 100, combo 50, separator, total
    for (int row : {0, 1, 4, 5, 9}) {
        board.SelectTallyRow(row);
        EXPECT_FALSE(board.takeBackArrow.IsEnabled()) << "row " << row;
        board.ClickTakeBackArrow();
        EXPECT_EQ(game.Tally().Total(), 1150) << "row " << row;
    }
    board.SelectTallyRow(3);
    EXPECT_TRUE(board.takeBackArrow.IsEnabled());
    board.SelectTallyRow(2);
    board.ClickTakeBackArrow();
    EXPECT_EQ(game.Tally().Total(), 1050) << "the single one went back, not the five";
    EXPECT_EQ(game.Dice(), (DiceSet{0, 0, 0, 0, 1, 3}));
}

struct FinalBank {
    std::vector<int> thirdRoll;
    int score;
    bool over;
};

class GameEndTest : public TurnControllerTest, public ::testing::WithParamInterface<FinalBank> {};

TEST_P(GameEndTest, EndsWithTheBankThatReachesFiveThousand) {
    BankThreeThousand();
    Roll({1, 1, 1, 5, 5, 5});
    board.TakeOption(0);
    board.TakeOption(0);
    Roll(GetParam().thirdRoll);
    board.TakeOption(0);
    board.TakeOption(0);
    hooks.calls.clear();
    board.EndTurn();
    EXPECT_EQ(game.Score(), GetParam().score);
    if (!GetParam().over) {
        EXPECT_EQ(game.Turn(), 3);
        EXPECT_EQ(Buttons(), "1000");
        EXPECT_EQ(hooks.calls, (std::vector<std::string>{"dice", "status"}));
        return;
    }
    EXPECT_EQ(game.Turn(), 2) << "the final bank does not start a turn";
    EXPECT_EQ(Buttons(), "0000");
    EXPECT_EQ(hooks.buttonsAtOffer, "0000");
    const std::string offer = "offer " + std::to_string(GetParam().score) + " 2";
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"dice", "status", offer, "show"}));
    board.Roll();
    board.EndTurn();
    EXPECT_EQ(game.Score(), GetParam().score);
    EXPECT_EQ(game.Turn(), 2);
}

INSTANTIATE_TEST_SUITE_P(FinalBanks, GameEndTest,
                         ::testing::Values(FinalBank{{5, 5, 5, 2, 3, 5}, 5050, true},
                                           FinalBank{{5, 5, 5, 2, 3, 4}, 5000, true},
                                           FinalBank{{4, 4, 4, 5, 2, 3}, 4950, false}),
                         [](const auto& info) { return std::to_string(info.param.score); });

enum class Moment { MidTurn, LostTurn, GameOver };

class NewGameTest : public TurnControllerTest, public ::testing::WithParamInterface<Moment> {};

TEST_P(NewGameTest, RestartsAtTurnOneFromAnyState) {
    BankThreeThousand();
    Roll({1, 1, 1, 1, 1, 1});
    if (GetParam() == Moment::MidTurn) {
        board.TakeOption(1);
    } else if (GetParam() == Moment::LostTurn) {
        board.TakeOption(1);
        Roll({2, 3, 4});
        ASSERT_TRUE(game.NoPoints());
    } else {
        board.TakeOption(0);
        board.EndTurn();
        ASSERT_EQ(game.Score(), 6000);
    }
    board.NewGame();
    EXPECT_EQ(game.Turn(), 1);
    EXPECT_EQ(game.Score(), 0);
    EXPECT_EQ(game.MinimumToBank(), 500);
    EXPECT_FALSE(game.NoPoints());
    EXPECT_EQ(board.optionsList.RowCount(), 0);
    EXPECT_EQ(board.tallyList.RowCount(), 0);
    EXPECT_EQ(Buttons(), "1000");
    Roll({1, 2, 2, 3, 4, 6});
    EXPECT_EQ(game.Turn(), 1);
    EXPECT_EQ(Options(), "100 1 - - - - -");
}

INSTANTIATE_TEST_SUITE_P(Moments, NewGameTest,
                         ::testing::Values(Moment::MidTurn, Moment::LostTurn, Moment::GameOver));

TEST_F(TurnControllerTest, CommandsRefuseToActWhileTheirButtonIsDisabled) {
    board.NewGame();
    Roll({1, 2, 2, 3, 4, 6});
    const DiceSet shown = game.Dice();
    board.Roll();
    board.controller.DoAction(TurnController::ActionRoll);
    board.controller.DoAction(TurnController::ActionNextTurn);
    EXPECT_EQ(dice.drawn, 6);
    EXPECT_EQ(game.Dice(), shown);
    board.TakeOption(0);
    board.EndTurn();
    board.controller.DoAction(TurnController::ActionEndTurn);
    EXPECT_EQ(game.Score(), 0);
    EXPECT_EQ(game.Turn(), 1);
    for (int code : {3, 5, 6, 8, -1}) {
        board.controller.DoAction(code);
    }
    EXPECT_EQ(Buttons(), "1000");
    EXPECT_EQ(game.Tally().Total(), 100);
}

}  // namespace
}  // namespace vorpin
