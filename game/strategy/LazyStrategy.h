// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "OptimalStrategy.h"

namespace vorpin::strategy {

// The solution, worked out the first time it is asked for, so that nobody pays for it
// before they need it.
class LazyStrategy {
public:
    const OptimalStrategy& Get() {
        if (!solved) {
            solved = std::make_unique<OptimalStrategy>();
        }
        return *solved;
    }
    bool Solved() const { return solved != nullptr; }

private:
    std::unique_ptr<OptimalStrategy> solved;
};

}  // namespace vorpin::strategy
