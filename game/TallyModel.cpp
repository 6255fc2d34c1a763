// SPDX-License-Identifier: GPL-3.0-or-later
#include "TallyModel.h"

#include <algorithm>

namespace vorpin {

int TallyModel::AddCombination(const DicePattern& pattern, int points) {
    auto row = std::make_unique<ComboRow>(pattern, points);
    list.SetEnabled(false);
    row->SetSelectable(1);
    currentRows.push_back(std::move(row));
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
    for (auto& row : currentRows) {
        row->SetSelectable(0);
        earlierRows.push_back(std::move(row));
    }
    currentRows.clear();
    RebuildRows();
    list.RepaintNow();
}

void TallyModel::ClearTally() {
    list.RemoveAllRows();
    earlierRows.clear();
    currentRows.clear();
    displayRows.clear();
}

bool TallyModel::HasSelectedCurrent() const {
    return std::any_of(currentRows.begin(), currentRows.end(),
                       [](const auto& row) { return row->IsSelected() == 1; });
}

void TallyModel::SyncSelection() {
    const TallyRow* selected = DisplayRow(list.SelectedRow());
    for (auto& row : currentRows) {
        row->SetSelected(row.get() == selected ? 1 : 0);
    }
}

TallyRow* TallyModel::DisplayRow(int index) const {
    if (index < 0 || index >= DisplayRowCount()) {
        return nullptr;
    }
    return displayRows[static_cast<std::size_t>(index)];
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

// Each row goes into displayRows before its item goes into the list, so a list that
// asks for the new item's height at once finds the row. A rebuild leaves no item
// selected, so no current row is marked selected afterwards.
int TallyModel::RebuildRows() {
    displayRows.clear();
    list.RemoveAllRows();
    int sum = 0;
    for (const auto* rows : {&earlierRows, &currentRows}) {
        for (const auto& row : *rows) {
            if (row->IsSelectable()) {
                row->SetSelected(0);
            }
            AppendDisplayRow(*row);
            sum += row->Points();
        }
        if (!rows->empty()) {
            AppendDisplayRow(separatorRow);
        }
    }
    if (sum != 0) {
        totalRow.SetTotal(sum);
        AppendDisplayRow(totalRow);
    }
    return sum;
}

void TallyModel::AppendDisplayRow(TallyRow& row) {
    displayRows.push_back(&row);
    list.AddRow();
}

}  // namespace vorpin
