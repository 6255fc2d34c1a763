// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Arguments.h"
#include "Output.h"

namespace vorpin::sim {

// Plays the games in a row with the numbers std::rand() gives after std::srand(seed) (see
// SeededRand), writing one line per game, the closing summary, and with tracing one line
// per roll.
// Throws StuckGame, naming the game, when one does not end.
void RunPlayCommand(const PlaySettings& settings, OutputBuffer& out);

}  // namespace vorpin::sim
