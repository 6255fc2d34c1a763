// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include "PlayObserver.h"

namespace vorpin {

// What changed with one of the player's commands, as the board shows it.
struct MoveFacts {
    PlayState before;
    PlayState after;
    QString moved;        // the combination taken or given back: "three fives, 500"
    QStringList options;  // the options offered now, in list order
    int minimumToBank = 0;
};

// What a player who cannot see the board hears after a command that changed the game:
// the dice of a roll and the options it offers, what a take or a give-back moved and the
// turn total, the points of a bank, a lost turn and the end of the game.
QString NewsOf(PlayerCommand command, const MoveFacts& facts);

// The end of the game: the points banked last, the score and the turns played.
QString GameOverNews(const MoveFacts& facts);

}  // namespace vorpin
