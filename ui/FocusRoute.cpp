// SPDX-License-Identifier: GPL-3.0-or-later
#include "FocusRoute.h"

#include <QApplication>
#include <algorithm>

#include "BoardButton.h"
#include "BoardList.h"

namespace vorpin {
namespace {

// The first row that the player can choose, or -1.
int FirstSelectableRow(const BoardList& list) {
    for (int row = 0; row < list.count(); ++row) {
        if (list.RowSelectable(row)) {
            return row;
        }
    }
    return -1;
}

}  // namespace

std::vector<QWidget*> FocusRoute::OpenStops() const {
    const auto acts = [](QWidget* stop) {
        const auto* button = qobject_cast<const BoardButton*>(stop);
        return button != nullptr ? button->Acts() : stop->isEnabled();
    };
    std::vector<QWidget*> open;
    for (QWidget* stop :
         {static_cast<QWidget*>(&stops.optionsList), static_cast<QWidget*>(&stops.takeArrow),
          static_cast<QWidget*>(&stops.takeBackArrow), static_cast<QWidget*>(&stops.tallyList),
          static_cast<QWidget*>(&stops.rollButton), static_cast<QWidget*>(&stops.endTurnButton)}) {
        if (stop->isVisibleTo(&board) && acts(stop)) {
            open.push_back(stop);
        }
    }
    return open;
}

bool FocusRoute::Step(bool forward) {
    const std::vector<QWidget*> open = OpenStops();
    if (open.empty()) {
        return false;
    }
    const auto size = static_cast<std::ptrdiff_t>(open.size());
    const auto found = std::find(open.begin(), open.end(), QApplication::focusWidget());
    std::ptrdiff_t next = forward ? 0 : size - 1;
    if (found != open.end()) {
        next = ((found - open.begin()) + (forward ? 1 : -1) + size) % size;
    }
    open[static_cast<std::size_t>(next)]->setFocus(forward ? Qt::TabFocusReason
                                                           : Qt::BacktabFocusReason);
    return true;
}

// After a roll the options list has the focus, its first row current and none selected;
// after a take the focus stays there while it has rows; after a take-back it stays in
// the tally; a bank hands it to Roll, and the end of the game to the board.
void FocusRoute::After(PlayerCommand move) {
    switch (move) {
        case PlayerCommand::NewGame:
        case PlayerCommand::EndTurn:
            if (stops.rollButton.isEnabled()) {
                stops.rollButton.setFocus(Qt::OtherFocusReason);
            } else {
                board.setFocus(Qt::OtherFocusReason);
            }
            break;
        case PlayerCommand::Roll:
            stops.optionsList.FocusRow(0);
            break;
        case PlayerCommand::Take:
            if (stops.optionsList.count() == 0 && stops.rollButton.isEnabled()) {
                stops.rollButton.setFocus(Qt::OtherFocusReason);
            } else {
                stops.optionsList.FocusRow(0);
            }
            break;
        case PlayerCommand::GiveBack:
            stops.tallyList.FocusRow(FirstSelectableRow(stops.tallyList));
            break;
    }
}

}  // namespace vorpin
