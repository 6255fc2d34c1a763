// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vorpin {

// The command ids of the menu, the keys and the board's buttons.
enum Command : int {
    CmdNewGame = 40001,
    CmdExit = 40003,
    CmdHighScore = 40004,
    CmdHowToPlay = 40006,
    CmdDiceColor = 40009,
    CmdRoll = 40010,
    CmdEndTurn = 40011,
    CmdTakeOption = 40015,
    CmdTakeBack = 40016,
    CmdClearHighScore = 40023,
};

}  // namespace vorpin
