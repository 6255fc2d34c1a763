// Plays many games with random commands, as an erratic player would, and checks the
// rules that must hold after every command.
#include <gtest/gtest.h>

#include <random>

#include "Fakes.h"

namespace vorpin {
namespace {

class RandomPlayer {
public:
    explicit RandomPlayer(unsigned seed) : choices(seed), faces(seed + 1) {}

    RandomSource Dice() {
        return [this] { return static_cast<int>(faces() % 32768); };
    }

    // One command chosen at random; true if it was End Turn. Banking is favoured once
    // it is allowed, so that games come to an end.
    bool Act(PlainBoard& board) {
        const int row = Pick(-1, 8);
        if (Pick(0, 19999) == 0) {
            board.NewGame();
            return false;
        }
        if (board.endTurnButton.IsEnabled() && Pick(0, 2) == 0) {
            board.EndTurn();
            return true;
        }
        switch (Pick(0, 9)) {
            case 0:
            case 1:
            case 2:
                board.Roll();
                return false;
            case 3:
                board.EndTurn();
                return true;
            case 4:
                board.SelectOption(row);
                return false;
            case 5:
                board.TakeOption(row);
                return false;
            case 6:
                board.DoubleClickOption(row);
                return false;
            case 7:
                board.SelectTallyRow(row);
                return false;
            case 8:
                board.DoubleClickTallyRow(row);
                return false;
            default:
                board.ClickTakeBackArrow();
                return false;
        }
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(choices); }

    std::mt19937 choices;
    std::mt19937 faces;
};

void CheckRules(const PlainBoard& board, int scoreBefore, bool banked, int totalBefore) {
    const TurnController& game = board.controller;
    const DiceSet& dice = game.Dice();
    const auto fresh = std::count(dice.begin(), dice.end(), kFresh);
    ASSERT_TRUE(fresh == 0 || fresh == 6) << "all six fresh or none";
    for (auto value : dice) {
        ASSERT_LE(value, 7);
    }
    const TallyModel& tally = game.Tally();
    int sum = 0;
    TallyRow* last = tally.DisplayRow(tally.DisplayRowCount() - 1);
    for (int i = 0; i < tally.DisplayRowCount(); ++i) {
        if (auto* combo = dynamic_cast<ComboRow*>(tally.DisplayRow(i))) {
            sum += combo->Points();
        }
    }
    ASSERT_EQ(sum, tally.Total());
    if (sum != 0) {
        auto* total = dynamic_cast<TotalRow*>(last);
        ASSERT_NE(total, nullptr);
        ASSERT_EQ(total->Total(), sum);
    }
    ASSERT_EQ(board.tallyList.RowCount(), tally.DisplayRowCount());
    if (board.endTurnButton.IsEnabled()) {
        ASSERT_GE(game.TurnTotal(), game.MinimumToBank());
        ASSERT_EQ(game.TurnTotal(), sum);
    }
    const int expectedRows = game.NoPoints() ? 1 : game.Options().OptionCount();
    ASSERT_EQ(board.optionsList.RowCount(), expectedRows);
    if (game.Score() != scoreBefore && game.Score() != 0) {
        ASSERT_TRUE(banked) << "the score changes only by a bank";
        ASSERT_EQ(game.Score(), scoreBefore + totalBefore);
    }
}

TEST(GameProperties, HoldAfterEveryCommandOfRandomPlay) {
    RandomPlayer player(20261206);
    PlainBoard board(player.Dice());
    board.NewGame();
    int finished = 0;
    for (int command = 0; command < 8000000 && finished < 2000; ++command) {
        const int scoreBefore = board.controller.Score();
        const int totalBefore = board.controller.TurnTotal();
        const bool banked = player.Act(board);
        ASSERT_NO_FATAL_FAILURE(CheckRules(board, scoreBefore, banked, totalBefore))
            << "after command " << command;
        if (board.controller.Score() >= TurnController::kWinningScore) {
            ++finished;
            board.NewGame();
        }
    }
    EXPECT_EQ(finished, 2000) << "random play should finish games";
}

}  // namespace
}  // namespace vorpin
