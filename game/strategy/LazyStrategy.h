// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <memory>
#include <mutex>

#include "OptimalStrategy.h"

namespace vorpin::strategy {

// The solution, worked out the first time it is asked for, so that nobody pays for it
// before they need it. Any thread may ask: the solve is done once, and whoever asks while
// it is under way waits for it.
class LazyStrategy {
public:
    const OptimalStrategy& Get() {
        std::call_once(once, [this] {
            solved = std::make_unique<OptimalStrategy>();
            ready.store(true, std::memory_order_release);
        });
        return *solved;
    }
    bool Solved() const { return ready.load(std::memory_order_acquire); }

private:
    std::once_flag once;
    std::unique_ptr<OptimalStrategy> solved;
    std::atomic<bool> ready = false;
};

}  // namespace vorpin::strategy
