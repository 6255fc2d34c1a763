// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlayObserver.h"

#include <QWidget>
#include <vector>

namespace vorpin {

class BoardButton;
class BoardList;

// Where the keyboard focus goes on the game screen. Tab and Shift+Tab cycle through
// the options list, the take arrow, the take-back arrow, the tally, Roll and End Turn,
// skipping what cannot act or would do nothing; each of the player's moves leaves the focus where
// the next move is made.
class FocusRoute {
public:
    struct Stops {
        BoardList& optionsList;
        BoardButton& takeArrow;
        BoardButton& takeBackArrow;
        BoardList& tallyList;
        BoardButton& rollButton;
        BoardButton& endTurnButton;
    };

    FocusRoute(QWidget& board, const Stops& stops) : board(board), stops(stops) {}

    // Moves the focus to the next stop, or the previous one; false when there is none.
    bool Step(bool forward);
    void After(PlayerCommand move);

private:
    std::vector<QWidget*> OpenStops() const;

    QWidget& board;
    Stops stops;
};

}  // namespace vorpin
