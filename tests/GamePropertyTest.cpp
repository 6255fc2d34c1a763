// Plays many games with random commands, as an erratic player would, and checks the
// rules that must hold after every command.
#include <gtest/gtest.h>

#include <random>

#include "Fakes.h"

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

void CheckRules(const PlainBoard& board, int scoreBefore, int totalBefore, bool banked) {
    const TurnController& game = board.controller;
    const auto fresh = std::count(game.Dice().begin(), game.Dice().end(), kFresh);
    ASSERT_TRUE(fresh == 0 || fresh == 6) << "all six fresh or none";
    const TallyModel& tally = game.Tally();
    int sum = 0;
    for (int i = 0; i < tally.DisplayRowCount(); ++i) {
        if (auto* combo = dynamic_cast<ComboRow*>(tally.DisplayRow(i))) {
            sum += combo->Points();
        }
    }
    auto* total = dynamic_cast<TotalRow*>(tally.DisplayRow(tally.DisplayRowCount() - 1));
    ASSERT_EQ(total ? total->Total() : 0, sum) << "the last row shows the total";
    ASSERT_EQ(board.tallyList.RowCount(), tally.DisplayRowCount());
    if (board.endTurnButton.IsEnabled()) {
        ASSERT_GE(game.TurnTotal(), game.MinimumToBank());
        ASSERT_EQ(game.TurnTotal(), sum);
    }
    ASSERT_EQ(board.optionsList.RowCount(), game.NoPoints() ? 1 : game.Options().OptionCount());
    if (game.Score() != scoreBefore && game.Score() != 0) {
        ASSERT_TRUE(banked) << "the score changes only by a bank";
        ASSERT_EQ(game.Score(), scoreBefore + totalBefore);
    }
}

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
        const int scoreBefore = board.controller.Score();
        const int totalBefore = board.controller.TurnTotal();
        // Banking is favoured once it is allowed, so that games come to an end.
        const int row = pick(-1, 8);
        const bool restart = pick(0, 19999) == 0;
        const bool bank = !restart && board.endTurnButton.IsEnabled() && pick(0, 2) == 0;
        const int command = restart ? kNewGame : bank ? kEndTurn : pick(0, 9);
        kCommands[command](board, row);
        ASSERT_NO_FATAL_FAILURE(CheckRules(board, scoreBefore, totalBefore, command == kEndTurn))
            << "after command " << step;
        if (board.controller.Score() >= TurnController::kWinningScore) {
            ++finished;
            board.NewGame();
        }
    }
    EXPECT_EQ(finished, 2000) << "random play should finish games";
}

}  // namespace
}  // namespace vorpin
