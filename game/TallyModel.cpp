// SPDX-License-Identifier: GPL-3.0-or-later
#include "TallyModel.h"

#include <algorithm>

namespace vorpin {

int TallyModel::AddCombination(const DicePattern& pattern, int points) {
    ComboRow& row = combos.emplace_back(pattern, points);
    list.SetEnabled(false);
    row.SetSelectable(1);
    currentRows.push_back(&row);
    const int total = RebuildRows();
    list.SetEnabled(true);
    list.RepaintNow();
    return total;
}

std::optional<TallyModel::TakenBack> TallyModel::TakeBackSelected() {
    const auto found = std::find_if(currentRows.begin(), currentRows.end(),
                                    [](const auto& row) { return row->IsSelected() == 1; });
    if (found == currentRows.end()) {
        return std::nullopt;
    }
    const DicePattern pattern = (*found)->Pattern();
    currentRows.erase(found);
    return TakenBack{pattern, RebuildRows()};
}

void TallyModel::CommitRoll() {
    if (currentRows.empty()) {
        return;
    }
    for (ComboRow* row : currentRows) {
        row->SetSelectable(0);
        earlierRows.push_back(row);
        earlierTotal += row->Points();
    }
    currentRows.clear();
    RebuildRows();
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
    std::size_t count = totalRow.Total() != 0 ? 1 : 0;
    for (const auto* rows : {&earlierRows, &currentRows}) {
        count += rows->empty() ? 0 : rows->size() + 1;
    }
    return static_cast<int>(count);
}

int TallyModel::Total() const {
    int sum = 0;
    for (const auto* rows : {&earlierRows, &currentRows}) {
        for (const auto& row : *rows) {
            sum += row->Points();
        }
    }
    return sum;
}

// The list gets its items after the model holds every row, so a list that asks for a
// new item's height at once finds the row. A rebuild leaves no item selected, so no
// current row is marked selected afterwards.
int TallyModel::RebuildRows() {
    int sum = earlierTotal;
    for (ComboRow* row : currentRows) {
        row->SetSelected(0);
        sum += row->Points();
    }
    totalRow.SetTotal(sum);
    list.ReplaceAllRows(DisplayRowCount());
    return sum;
}

}  // namespace vorpin
