// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

#include "DiceSet.h"
#include "Output.h"

namespace vorpin::sim {

// A position to advise on: the banked score, the turn total before this roll's takes and
// the dice as the board holds them.
struct AdviseSettings {
    int score = 0;
    int turnTotal = 0;
    DiceSet dice{};
};

// `--score B --turn-total T --dice d0 d1 d2 d3 d4 d5`, each once, in any order. Throws
// BadInput for anything the game could not show: a score off the 50-point grid or not
// below 5000, a turn total off the grid, other than six dice, die values above 7, fresh
// dice (7) next to others, rolled dice with nothing to take.
AdviseSettings ParseAdviseFlags(std::span<const std::string_view> flags);

// `optimal_turns`, `value` per banked score and `bank_at` lines; see Usage().
void RunSolveCommand(OutputBuffer& out);
// `best` and `alt` lines; see Usage().
void RunAdviseCommand(const AdviseSettings& settings, OutputBuffer& out);
// `within` lines; see Usage().
void RunOddsCommand(OutputBuffer& out);

}  // namespace vorpin::sim
