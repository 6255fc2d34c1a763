// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "DiceSet.h"
#include "TakeReach.h"

namespace vorpin::strategy {

// The option rows to take, in order, on the dice as the board holds them, so that the
// takes set aside `points` and leave `diceLeft` dice in play (0: all set aside). Rows
// count from 0 and refer to the options list as it stands before each take. Throws
// std::invalid_argument when no take sequence does that.
std::vector<int> PlanTakes(const TakeReach& reach, const DiceSet& dice, int diceLeft, int points);

}  // namespace vorpin::strategy
