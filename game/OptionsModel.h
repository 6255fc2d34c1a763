// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "Controls.h"
#include "DiceSet.h"
#include "OptionFinder.h"

namespace vorpin {

// The options list's model: sixteen option slots aligned with the list's rows, or the
// single "VORPIN! NO POINTS" row after a roll that offered nothing.
class OptionsModel final : public OptionSink {
public:
    static constexpr int kSlotCount = 16;

    explicit OptionsModel(ListControl& list) : list(list) {}
    OptionsModel(const OptionsModel&) = delete;
    OptionsModel& operator=(const OptionsModel&) = delete;

    // Rebuilds slots and rows from the dice; afterwards no row is selected.
    void FindOptions(std::uint8_t d0, std::uint8_t d1, std::uint8_t d2, std::uint8_t d3,
                     std::uint8_t d4, std::uint8_t d5);
    void ResetOptions();
    void ShowNoPoints();
    // The option of the selected row, if a row is selected.
    std::optional<ScoringOption> GetSelectedOption() const;

    int OptionCount() const { return optionCount; }
    bool NoPointsRow() const { return noPointsRow; }
    // Slot `row`; rows at or beyond OptionCount() hold no option.
    const ScoringOption& Option(int row) const;
    const ListControl& List() const { return list; }

    // The finder's way in: fills the next slot and adds its row. Options beyond the
    // sixteenth slot are dropped.
    void AddOption(std::uint16_t points, const DicePattern& pattern) override;

private:
    std::array<ScoringOption, kSlotCount> options{};
    int optionCount = 0;
    bool noPointsRow = false;
    ListControl& list;
};

}  // namespace vorpin
