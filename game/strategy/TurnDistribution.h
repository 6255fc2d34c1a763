// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "OptimalStrategy.h"

namespace vorpin::strategy {

// The chance that the solved play ends the game within 1, 2, ... `mostTurns` turns, at
// [turns - 1]. Exact up to rounding: a forward pass over the solved policy gives each
// banked score's chances of where one turn leads, and those are chained turn by turn.
std::vector<double> FinishWithin(const OptimalStrategy& strategy, int mostTurns);

}  // namespace vorpin::strategy
