// SPDX-License-Identifier: GPL-3.0-or-later
#include "Policies.h"

#include <algorithm>

#include "OptimalPolicy.h"
#include "ThumbPolicy.h"

namespace vorpin::sim {
namespace {

int OptionRows(const PlainBoard& board) {
    return board.controller.Options().OptionCount();
}

// Dice still to be rolled this turn: those in play and fresh ones alike.
int DiceNotSetAside(const PlainBoard& board) {
    const DiceSet& dice = board.controller.Dice();
    return static_cast<int>(std::count_if(dice.begin(), dice.end(),
                                          [](std::uint8_t value) { return value != kSetAside; }));
}

// The tally row of the first combination taken from the current roll, or -1.
int FirstCurrentTallyRow(const PlainBoard& board) {
    const TallyModel& tally = board.controller.Tally();
    for (int row = 0; row < tally.DisplayRowCount(); ++row) {
        if (tally.DisplayRow(row)->IsSelectable() == 1) {
            return row;
        }
    }
    return -1;
}

void GiveBackFirstCurrent(PlainBoard& board) {
    const int row = FirstCurrentTallyRow(board);
    if (row >= 0) {
        board.SelectTallyRow(row);
        board.ClickTakeBackArrow();
    }
}

}  // namespace

// Every take sets at least one die aside, so six takes empty any roll.
void GreedyPolicy::TakeCombinations(PlainBoard& board) const {
    for (int take = 0; take < kDiceCount && OptionRows(board) > 0; ++take) {
        board.TakeOption(0);
    }
}

bool GreedyPolicy::WantsToBank(const PlainBoard& board) const {
    return DiceNotSetAside(board) <= 2;
}

void BankerPolicy::TakeCombinations(PlainBoard& board) const {
    board.TakeOption(0);
}

bool BankerPolicy::WantsToBank(const PlainBoard&) const {
    return true;
}

void FicklePolicy::TakeCombinations(PlainBoard& board) const {
    board.TakeOption(0);
    if (OptionRows(board) > 0) {
        board.TakeOption(OptionRows(board) - 1);
    }
    GiveBackFirstCurrent(board);
    if (OptionRows(board) > 0) {
        board.TakeOption(0);
    }
}

bool FicklePolicy::WantsToBank(const PlainBoard& board) const {
    return DiceNotSetAside(board) <= 3;
}

std::unique_ptr<Policy> MakePolicy(std::string_view name) {
    if (name == "greedy") {
        return std::make_unique<GreedyPolicy>();
    }
    if (name == "banker") {
        return std::make_unique<BankerPolicy>();
    }
    if (name == "fickle") {
        return std::make_unique<FicklePolicy>();
    }
    if (name == "thumb") {
        return std::make_unique<ThumbPolicy>();
    }
    if (name == "optimal") {
        return std::make_unique<OptimalPolicy>(std::make_shared<strategy::OptimalStrategy>());
    }
    return nullptr;
}

bool IsPolicyName(std::string_view name) {
    for (std::string_view known : {"greedy", "banker", "fickle", "thumb", "optimal"}) {
        if (name == known) {
            return true;
        }
    }
    return false;
}

std::string_view PolicyNames() {
    return "greedy, banker, fickle, thumb, optimal";
}

}  // namespace vorpin::sim
