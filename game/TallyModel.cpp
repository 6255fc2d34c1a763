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

// The rows go into displayRows before their items go into the list, so a list that
// asks for a new item's height at once finds the row. A rebuild leaves no item
// selected, so no current row is marked selected afterwards.
int TallyModel::RebuildRows() {
    std::vector<TallyRow*> shown;
    shown.swap(displayRows);
    const int shownTotal = shown.empty() ? 0 : totalRow.Total();
    int sum = 0;
    for (const auto* rows : {&earlierRows, &currentRows}) {
        for (const auto& row : *rows) {
            if (row->IsSelectable()) {
                row->SetSelected(0);
            }
            displayRows.push_back(row.get());
            sum += row->Points();
        }
        if (!rows->empty()) {
            displayRows.push_back(&separatorRow);
        }
    }
    if (sum != 0) {
        totalRow.SetTotal(sum);
        displayRows.push_back(&totalRow);
    }
    UpdateListRows(shown, shownTotal);
    return sum;
}

// Rows are told apart by what they are: the rows both sequences start with and end
// with keep their items, the ones between are replaced. The total row ends both when
// both show one, and is repainted when its total changed.
void TallyModel::UpdateListRows(const std::vector<TallyRow*>& shown, int shownTotal) {
    const std::size_t before = shown.size();
    const std::size_t after = displayRows.size();
    std::size_t head = 0;
    while (head < before && head < after && shown[head] == displayRows[head]) {
        ++head;
    }
    std::size_t tail = 0;
    while (tail < before - head && tail < after - head &&
           shown[before - 1 - tail] == displayRows[after - 1 - tail]) {
        ++tail;
    }
    list.ReplaceRows(static_cast<int>(head), static_cast<int>(before - head - tail),
                     static_cast<int>(after - head - tail));
    if (tail > 0 && displayRows.back() == &totalRow && totalRow.Total() != shownTotal) {
        list.RowChanged(static_cast<int>(after - 1));
    }
}

}  // namespace vorpin
