// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <utility>

#include "OptimalStrategy.h"
#include "Policies.h"

namespace vorpin::sim {

// Plays the exact solution: after each roll the takes that reach the best set-aside, then
// banks or throws on as the solved values say.
class OptimalPolicy final : public Policy {
public:
    explicit OptimalPolicy(std::shared_ptr<const strategy::OptimalStrategy> strategy)
        : strategy(std::move(strategy)) {}

    void TakeCombinations(PlainBoard& board) const override;
    bool WantsToBank(const PlainBoard& board) const override;

private:
    std::shared_ptr<const strategy::OptimalStrategy> strategy;
};

}  // namespace vorpin::sim
