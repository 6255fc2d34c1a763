// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <vector>

#include "Policies.h"
#include "RollOutcomes.h"
#include "TakeReach.h"

namespace vorpin::sim {

// Rules of thumb a player can keep in mind, close to the solved play (see
// docs/strategy.md):
// - Dice left to throw are worth points: all six again 900, five 800, four 600, three
//   450, two 350, a lone die 400. Set aside what gives the most points plus that worth,
//   unless taking everything lets you bank by the next rule: then take everything.
// - Bank as soon as allowed with one or two dice left, from 400 with three, from 1500
//   with four, never with five or six; always when the bank ends the game. Needing 500
//   or less, bank only to end the game.
class ThumbPolicy final : public Policy {
public:
    ThumbPolicy() : reach(std::make_shared<strategy::TakeReach>()) {}

    void TakeCombinations(PlainBoard& board) const override;
    bool WantsToBank(const PlainBoard& board) const override;

private:
    bool Banks(int banked, int turnTotal, int diceToRoll) const;
    const strategy::TakeChoice& Choose(const std::vector<strategy::TakeChoice>& choices, int banked,
                                       int turnTotal) const;

    std::shared_ptr<const strategy::TakeReach> reach;
};

}  // namespace vorpin::sim
