// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string_view>

#include "PlainBoard.h"

namespace vorpin::sim {

// How a simulated player plays a turn. It acts only through the board's commands, as
// a player at the screen would.
class Policy {
public:
    virtual ~Policy() = default;
    // Called after a roll that offered combinations: takes some of them.
    virtual void TakeCombinations(PlainBoard& board) const = 0;
    // Whether to bank now rather than roll on, when End Turn allows it.
    virtual bool WantsToBank(const PlainBoard& board) const = 0;
};

// Takes the first row again and again until nothing is left to take; banks with at
// most two dice left to roll.
class GreedyPolicy final : public Policy {
public:
    void TakeCombinations(PlainBoard& board) const override;
    bool WantsToBank(const PlainBoard& board) const override;
};

// Takes the first row once and banks whenever it may.
class BankerPolicy final : public Policy {
public:
    void TakeCombinations(PlainBoard& board) const override;
    bool WantsToBank(const PlainBoard& board) const override;
};

// Takes the first and the last row, gives the first one back and takes the first row
// again; banks with at most three dice left to roll. Exercises the take-back path.
class FicklePolicy final : public Policy {
public:
    void TakeCombinations(PlainBoard& board) const override;
    bool WantsToBank(const PlainBoard& board) const override;
};

// Whether `name` is one of PolicyNames().
bool IsPolicyName(std::string_view name);

// The policy called `name`, or none when there is no such policy. The optimal policy
// solves the game first, which takes a moment.
std::unique_ptr<Policy> MakePolicy(std::string_view name);

// The known policy names, separated by ", ", for messages.
std::string_view PolicyNames();

}  // namespace vorpin::sim
