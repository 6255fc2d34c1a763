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
    displayRows.assign(earlierRows.begin(), earlierRows.end());
    displayRows.push_back(&separatorRow);
    RebuildRows();
    list.RepaintNow();
}

void TallyModel::ClearTally() {
    list.RemoveAllRows();
    earlierRows.clear();
    currentRows.clear();
    displayRows.clear();
    combos.clear();
    earlierTotal = 0;
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

// The rows of earlier rolls and their separator stay in displayRows as they are; the
// current roll's rows, their separator and the total follow them anew. Every row is in
// displayRows before the list gets its items, so a list that asks for a new item's
// height at once finds the row. A rebuild leaves no item selected, so no current row is
// marked selected afterwards.
int TallyModel::RebuildRows() {
    displayRows.resize(earlierRows.empty() ? 0 : earlierRows.size() + 1);
    int sum = earlierTotal;
    for (ComboRow* row : currentRows) {
        row->SetSelected(0);
        displayRows.push_back(row);
        sum += row->Points();
    }
    if (!currentRows.empty()) {
        displayRows.push_back(&separatorRow);
    }
    if (sum != 0) {
        totalRow.SetTotal(sum);
        displayRows.push_back(&totalRow);
    }
    list.ReplaceAllRows(DisplayRowCount());
    return sum;
}

}  // namespace vorpin
