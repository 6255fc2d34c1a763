// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Controls.h"
#include "DiceSet.h"
#include "TurnController.h"

namespace vorpin {

// The player's commands that can change the game.
enum class PlayerCommand { NewGame, Roll, EndTurn, Take, GiveBack };

// The game as the board shows it after a command: enough to follow play from outside
// the rules.
struct PlayState {
    bool hasGame = false;
    int turn = 0;
    int score = 0;
    int tallyTotal = 0;  // every combination kept in the turn
    DiceSet dice{};
    bool noPoints = false;
    bool canRoll = false;  // the Roll button is enabled
    bool canBank = false;  // the End Turn button is enabled

    friend bool operator==(const PlayState&, const PlayState&) = default;
};

inline PlayState StateOf(const TurnController& controller, const ButtonControl& rollButton,
                         const ButtonControl& endTurnButton) {
    return PlayState{controller.HasGame(),       controller.Turn(),        controller.Score(),
                     controller.Tally().Total(), controller.Dice(),        controller.NoPoints(),
                     rollButton.IsEnabled(),     endTurnButton.IsEnabled()};
}

// Told by the board after each of the player's commands has run to its end. Only
// watches: it never acts on the board.
class PlayObserver {
public:
    virtual ~PlayObserver() = default;
    virtual void PlayerActed(PlayerCommand command, const PlayState& after) = 0;
};

}  // namespace vorpin
