// SPDX-License-Identifier: GPL-3.0-or-later
#include "TallyModel.h"

#include <algorithm>

namespace vorpin {

// The new row follows the current roll's others; the first of a roll brings its
// separator, and the first of the turn the total as well.
int TallyModel::AddCombination(const DicePattern& pattern, int points) {
    ComboRow& row = combos.emplace_back(pattern, points);
    list.SetEnabled(false);
    row.SetSelectable(1);
    currentRows.push_back(&row);
    const int total = SettleRows();
    const int first = EarlierBlockSize() + static_cast<int>(currentRows.size()) - 1;
    if (currentRows.size() > 1) {
        ShowReplacedRows(first, 0, 1);
    } else if (earlierRows.empty()) {
        list.ReplaceRows(0, 0, 3);
    } else {
        ShowReplacedRows(first, 0, 2);
    }
    list.SetEnabled(true);
    list.RepaintNow();
    return total;
}

// The last row of a roll takes its separator with it, and the last of the turn the
// total as well.
std::optional<TallyModel::TakenBack> TallyModel::TakeBackSelected() {
    const auto found = std::find_if(currentRows.begin(), currentRows.end(),
                                    [](const auto& row) { return row->IsSelected() == 1; });
    if (found == currentRows.end()) {
        return std::nullopt;
    }
    const DicePattern pattern = (*found)->Pattern();
    const int first = EarlierBlockSize() + static_cast<int>(found - currentRows.begin());
    currentRows.erase(found);
    const int total = SettleRows();
    if (!currentRows.empty()) {
        ShowReplacedRows(first, 1, 0);
    } else if (earlierRows.empty()) {
        list.ReplaceRows(0, 3, 0);
    } else {
        ShowReplacedRows(first, 2, 0);
    }
    return TakenBack{pattern, total};
}

// The current roll's rows join the earlier ones: the separator between the two blocks
// goes. With no earlier rows every row stays as it is.
void TallyModel::CommitRoll() {
    if (currentRows.empty()) {
        return;
    }
    const int earlierBefore = static_cast<int>(earlierRows.size());
    for (ComboRow* row : currentRows) {
        row->SetSelectable(0);
        earlierRows.push_back(row);
        earlierTotal += row->Points();
    }
    currentRows.clear();
    SettleRows();
    if (earlierBefore == 0) {
        list.ReplaceRows(DisplayRowCount(), 0, 0);
    } else {
        list.ReplaceRows(earlierBefore, 1, 0);
    }
    list.RepaintNow();
}

void TallyModel::ClearTally() {
    list.RemoveAllRows();
    earlierRows.clear();
    currentRows.clear();
    combos.clear();
    earlierTotal = 0;
    totalRow.SetTotal(0);
}

bool TallyModel::HasSelectedCurrent() const {
    return std::any_of(currentRows.begin(), currentRows.end(),
                       [](const auto& row) { return row->IsSelected() == 1; });
}

void TallyModel::SyncSelection() {
    const TallyRow* selected = DisplayRow(list.SelectedRow());
    for (auto& row : currentRows) {
        row->SetSelected(row == selected ? 1 : 0);
    }
}

// The rows follow from the blocks themselves: each non-empty block of combinations and
// its separator, then the total while it is not 0.
TallyRow* TallyModel::DisplayRow(int index) const {
    if (index < 0) {
        return nullptr;
    }
    auto rest = static_cast<std::size_t>(index);
    for (const auto* rows : {&earlierRows, &currentRows}) {
        if (rows->empty()) {
            continue;
        }
        if (rest < rows->size()) {
            return (*rows)[rest];
        }
        if (rest == rows->size()) {
            return &separatorRow;
        }
        rest -= rows->size() + 1;
    }
    return rest == 0 && totalRow.Total() != 0 ? &totalRow : nullptr;
}

int TallyModel::DisplayRowCount() const {
    const int current = currentRows.empty() ? 0 : static_cast<int>(currentRows.size()) + 1;
    return EarlierBlockSize() + current + (totalRow.Total() != 0 ? 1 : 0);
}

int TallyModel::Total() const {
    int sum = earlierTotal;
    for (const ComboRow* row : currentRows) {
        sum += row->Points();
    }
    return sum;
}

int TallyModel::SettleRows() {
    int sum = earlierTotal;
    for (ComboRow* row : currentRows) {
        row->SetSelected(0);
        sum += row->Points();
    }
    totalRow.SetTotal(sum);
    return sum;
}

int TallyModel::EarlierBlockSize() const {
    return earlierRows.empty() ? 0 : static_cast<int>(earlierRows.size()) + 1;
}

void TallyModel::ShowReplacedRows(int first, int removed, int inserted) {
    list.ReplaceRows(first, removed, inserted);
    list.RowChanged(DisplayRowCount() - 1);
}

}  // namespace vorpin
