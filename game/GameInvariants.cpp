// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameInvariants.h"

#include <algorithm>

namespace vorpin {
namespace {

std::string Text(int number) {
    return std::to_string(number);
}

std::optional<std::string> BrokenDiceRule(const DiceSet& dice) {
    for (std::size_t slot = 0; slot < dice.size(); ++slot) {
        if (dice[slot] > kFresh) {
            return "die " + Text(static_cast<int>(slot) + 1) + " holds " + Text(dice[slot]) +
                   ", not a value from 0 to 7";
        }
    }
    const auto fresh = std::count(dice.begin(), dice.end(), kFresh);
    if (fresh != 0 && fresh != kDiceCount) {
        return Text(static_cast<int>(fresh)) + " of the six dice are fresh: all six or none";
    }
    return std::nullopt;
}

std::optional<std::string> BrokenTallyRule(const PlainBoard& board, int& sum) {
    const TallyModel& tally = board.controller.Tally();
    sum = 0;
    for (int row = 0; row < tally.DisplayRowCount(); ++row) {
        if (const auto* combo = dynamic_cast<const ComboRow*>(tally.DisplayRow(row))) {
            sum += combo->Points();
        }
    }
    if (tally.Total() != sum) {
        return "the tally's total is " + Text(tally.Total()) + ", its combination rows add up to " +
               Text(sum);
    }
    const auto* last = dynamic_cast<const TotalRow*>(tally.DisplayRow(tally.DisplayRowCount() - 1));
    if ((last != nullptr ? last->Total() : 0) != sum) {
        return "the tally's last row shows " + Text(last != nullptr ? last->Total() : 0) +
               ", its combination rows add up to " + Text(sum);
    }
    if (board.tallyList.RowCount() != tally.DisplayRowCount()) {
        return "the tally list has " + Text(board.tallyList.RowCount()) + " rows, its model " +
               Text(tally.DisplayRowCount());
    }
    return std::nullopt;
}

std::optional<std::string> BrokenScoreRule(const TurnController& game, const Snapshot& before,
                                           ScoreCommand command) {
    int expected = before.score;
    const char* name = "a command other than End Turn";
    if (command == ScoreCommand::NewGame) {
        expected = 0;
        name = "New Game";
    } else if (command == ScoreCommand::EndTurn) {
        expected += before.endTurnEnabled ? before.turnTotal : 0;
        name = before.endTurnEnabled ? "End Turn" : "End Turn while disabled";
    }
    if (game.Score() != expected) {
        return "the score went from " + Text(before.score) + " to " + Text(game.Score()) +
               " after " + name + ", not to " + Text(expected);
    }
    return std::nullopt;
}

}  // namespace

Snapshot TakeSnapshot(const PlainBoard& board) {
    return Snapshot{board.controller.Score(), board.controller.TurnTotal(),
                    board.endTurnButton.IsEnabled()};
}

std::optional<std::string> BrokenRule(const PlainBoard& board, const Snapshot& before,
                                      ScoreCommand command) {
    const TurnController& game = board.controller;
    if (auto broken = BrokenDiceRule(game.Dice())) {
        return broken;
    }
    int sum = 0;
    if (auto broken = BrokenTallyRule(board, sum)) {
        return broken;
    }
    const int optionRows = game.NoPoints() ? 1 : game.Options().OptionCount();
    if (board.optionsList.RowCount() != optionRows) {
        return "the options list has " + Text(board.optionsList.RowCount()) + " rows, its model " +
               Text(optionRows);
    }
    if (board.endTurnButton.IsEnabled() &&
        (game.TurnTotal() < game.MinimumToBank() || game.TurnTotal() != sum)) {
        return "End Turn is enabled with a turn total of " + Text(game.TurnTotal()) + " (minimum " +
               Text(game.MinimumToBank()) + ", tally " + Text(sum) + ")";
    }
    return BrokenScoreRule(game, before, command);
}

}  // namespace vorpin
