// SPDX-License-Identifier: GPL-3.0-or-later
#include "ThumbPolicy.h"

#include <algorithm>
#include <array>

#include "FaceCounts.h"
#include "TakePlanner.h"

namespace vorpin::sim {
namespace {

constexpr int kNever = 1'000'000;
// By dice left in play; 0: all set aside, six to throw.
constexpr std::array<int, kDiceCount> kWorthOfDiceLeft = {900, 400, 350, 450, 600, 800};
// By dice to throw.
constexpr std::array<int, kDiceCount + 1> kBankFrom = {0, 0, 0, 400, 1500, kNever, kNever};
// Needing this much or less, only a bank that ends the game will do.
constexpr int kPlayForTheEnd = 500;

int Worth(const strategy::TakeChoice& choice) {
    return choice.points + kWorthOfDiceLeft[static_cast<std::size_t>(strategy::DiceLeft(choice))];
}

int DiceToRoll(const DiceSet& dice) {
    return static_cast<int>(std::count_if(dice.begin(), dice.end(),
                                          [](std::uint8_t value) { return value != kSetAside; }));
}

}  // namespace

void ThumbPolicy::TakeCombinations(PlainBoard& board) const {
    const TurnController& game = board.controller;
    const DiceSet dice = game.Dice();
    const auto choices =
        strategy::ChoicesAfterRoll(*reach, strategy::FaceCounts::OfDiceInPlay(dice));
    if (choices.empty()) {
        return;
    }
    const auto& choice = Choose(choices, game.Score(), game.Tally().Total());
    for (int row : strategy::PlanTakes(*reach, dice, strategy::DiceLeft(choice), choice.points)) {
        board.TakeOption(row);
    }
}

bool ThumbPolicy::WantsToBank(const PlainBoard& board) const {
    const TurnController& game = board.controller;
    return Banks(game.Score(), game.Tally().Total(), DiceToRoll(game.Dice()));
}

bool ThumbPolicy::Banks(int banked, int turnTotal, int diceToRoll) const {
    const int needed = TurnController::kWinningScore - banked;
    if (turnTotal >= needed) {
        return true;
    }
    return needed > kPlayForTheEnd && turnTotal >= kBankFrom[static_cast<std::size_t>(diceToRoll)];
}

// Choices come with the fewest dice left, the most points, first.
const strategy::TakeChoice& ThumbPolicy::Choose(const std::vector<strategy::TakeChoice>& choices,
                                                int banked, int turnTotal) const {
    const strategy::TakeChoice& everything = choices.front();
    const int total = turnTotal + everything.points;
    const int minimum = banked == 0 ? TurnController::kFirstMinimum : TurnController::kLaterMinimum;
    if (total >= minimum && Banks(banked, total, everything.diceToRoll)) {
        return everything;
    }
    return *std::max_element(choices.begin(), choices.end(),
                             [](const auto& a, const auto& b) { return Worth(a) < Worth(b); });
}

}  // namespace vorpin::sim
