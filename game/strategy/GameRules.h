// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TurnController.h"

namespace vorpin::strategy {

// Every score and turn total is a multiple of this.
inline constexpr int kPointStep = 50;

// The numbers the solution depends on; the engine's by default. Tests solve smaller games.
struct GameRules {
    int target = TurnController::kWinningScore;
    int firstMinimum = TurnController::kFirstMinimum;
    int laterMinimum = TurnController::kLaterMinimum;

    // The least turn total End Turn takes with `banked` points already banked.
    int MinimumToBank(int banked) const { return banked == 0 ? firstMinimum : laterMinimum; }
    // From this turn total on, banking ends the game.
    int WinningTurnTotal(int banked) const {
        const int needed = target - banked;
        const int minimum = MinimumToBank(banked);
        return needed > minimum ? needed : minimum;
    }
};

}  // namespace vorpin::strategy
