// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlainBoard.h"

#include <utility>

namespace vorpin {

void PlainList::RemoveAllRows() {
    rowCount = 0;
    selectedRow = -1;
}

void PlainList::ReplaceAllRows(int count) {
    rowCount = count;
    selectedRow = -1;
}

void PlainList::ReplaceRows(int, int removed, int inserted) {
    rowCount += inserted - removed;
    selectedRow = -1;
}

void PlainList::Select(int row) {
    selectedRow = row >= 0 && row < rowCount ? row : -1;
}

PlainBoard::PlainBoard(RandomSource random, BoardHooks& hooks)
    : controller(BoardControls{rollButton, endTurnButton, takeArrow, takeBackArrow, optionsList,
                               tallyList},
                 hooks, std::move(random)) {}

PlainBoard::PlainBoard(RandomSource random) : PlainBoard(std::move(random), ownHooks) {}

void PlainBoard::SelectOption(int row) {
    optionsList.Select(row);
    controller.OnOptionsSelChange();
}

void PlainBoard::DoubleClickOption(int row) {
    SelectOption(row);
    controller.OnOptionsDblClk();
}

void PlainBoard::SelectTallyRow(int row) {
    tallyList.Select(row);
    controller.OnTallySelChange();
}

void PlainBoard::DoubleClickTallyRow(int row) {
    SelectTallyRow(row);
    controller.OnTallyDblClk();
}

void PlainBoard::TakeOption(int row) {
    SelectOption(row);
    ClickTakeArrow();
}

}  // namespace vorpin
