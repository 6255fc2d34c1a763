// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionsModel.h"

#include <algorithm>
#include <cstddef>

namespace vorpin {

void OptionsModel::FindOptions(std::uint8_t d0, std::uint8_t d1, std::uint8_t d2, std::uint8_t d3,
                               std::uint8_t d4, std::uint8_t d5) {
    list.SetEnabled(false);
    const auto found = LookUpScoringOptions(DiceSet{d0, d1, d2, d3, d4, d5});
    optionCount = static_cast<int>(std::min(found.size(), options.size()));
    for (std::size_t slot = 0; slot < static_cast<std::size_t>(optionCount); ++slot) {
        options[slot] = found[slot];
    }
    noPointsRow = false;
    list.ReplaceAllRows(optionCount);
    list.SetEnabled(true);
    list.RepaintNow();
}

// Slots at or beyond optionCount are never read, so they need no clearing.
void OptionsModel::ResetOptions() {
    optionCount = 0;
    noPointsRow = false;
    list.RemoveAllRows();
}

void OptionsModel::ShowNoPoints() {
    if (noPointsRow) {
        return;
    }
    noPointsRow = true;
    list.AddRow();
}

std::optional<ScoringOption> OptionsModel::GetSelectedOption() const {
    const int row = list.SelectedRow();
    if (row < 0 || row >= optionCount) {
        return std::nullopt;
    }
    return options[static_cast<std::size_t>(row)];
}

const ScoringOption& OptionsModel::Option(int row) const {
    static const ScoringOption none{};
    if (row < 0 || row >= optionCount) {
        return none;
    }
    return options[static_cast<std::size_t>(row)];
}

// No dice offer more than twelve options; one beyond the sixteenth slot would be dropped.
void OptionsModel::AddOption(std::uint16_t points, const DicePattern& pattern) {
    if (optionCount >= kSlotCount) {
        return;
    }
    options[static_cast<std::size_t>(optionCount)] = ScoringOption{points, pattern};
    ++optionCount;
    list.AddRow();
}

}  // namespace vorpin
