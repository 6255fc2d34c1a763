// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "Controls.h"
#include "DiceSet.h"
#include "TallyRows.h"

namespace vorpin {

// The tally list's model: the combinations kept in earlier rolls of the turn (final),
// those taken from the current roll (which can be given back), and the rows the list
// shows for them: combinations, a separator after each non-empty block, the total.
class TallyModel {
public:
    struct TakenBack {
        DicePattern pattern;
        int turnTotal;
    };

    explicit TallyModel(ListControl& list) : list(list) {}
    TallyModel(const TallyModel&) = delete;
    TallyModel& operator=(const TallyModel&) = delete;

    // Adds a combination of the current roll; gives the new turn total.
    int AddCombination(const DicePattern& pattern, int points);
    // Removes the first selected combination of the current roll, if there is one.
    std::optional<TakenBack> TakeBackSelected();
    // The current roll's combinations become final.
    void CommitRoll();
    void ClearTally();
    bool HasSelectedCurrent() const;
    bool HasCurrentRows() const { return !currentRows.empty(); }

    // Brings the `selected` marks of the current roll's rows in step with the list's
    // selected row. Called whenever the selection changes.
    void SyncSelection();

    // Row `index` of the list, or none beyond the last row.
    TallyRow* DisplayRow(int index) const;
    int DisplayRowCount() const { return static_cast<int>(displayRows.size()); }
    // The sum of the points of every kept combination.
    int Total() const;

private:
    int RebuildRows();
    // Brings the list's items in step with displayRows, which replaced `shown`; the
    // items of the rows before and after the change stay.
    void UpdateListRows(const std::vector<TallyRow*>& shown, int shownTotal);

    std::vector<std::unique_ptr<ComboRow>> earlierRows;
    std::vector<std::unique_ptr<ComboRow>> currentRows;
    SeparatorRow separatorRow;
    TotalRow totalRow;
    std::vector<TallyRow*> displayRows;
    ListControl& list;
};

}  // namespace vorpin
