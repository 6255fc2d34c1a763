// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "PlainBoard.h"

namespace vorpin {

// What the score rule compares with: the board as it was before a command.
struct Snapshot {
    int score = 0;
    int turnTotal = 0;
    bool endTurnEnabled = false;
};

Snapshot TakeSnapshot(const PlainBoard& board);

// The command given since the snapshot, as far as the score is concerned.
enum class ScoreCommand { Other, EndTurn, NewGame };

// The first rule of the game that `board` breaks after `command`, as a sentence; none
// while every rule holds. The rules: every die value is from 0 to 7; all six dice are
// fresh or none; the tally's total is the sum of its combination rows and its last row
// shows it; each list has as many rows as its model; End Turn is enabled only with a
// turn total at or above the minimum, equal to the tally's sum; the score changes only
// by an enabled End Turn, by exactly the turn total, and New Game sets it to 0.
std::optional<std::string> BrokenRule(const PlainBoard& board, const Snapshot& before,
                                      ScoreCommand command);

}  // namespace vorpin
