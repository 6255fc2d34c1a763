// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
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
    int DisplayRowCount() const;
    // The sum of the points of every kept combination.
    int Total() const;

private:
    // Clears the `selected` marks of the current roll's rows (a list that changes its
    // rows leaves none selected) and sets the total; gives the total.
    int SettleRows();
    // The rows of the earlier rolls and their separator.
    int EarlierBlockSize() const;
    // Tells the list that rows `first` on were replaced and that the total row, which
    // stays, shows a new total.
    void ShowReplacedRows(int first, int removed, int inserted);

    // Every combination row of the turn, given back or not, in the order taken: rows stay
    // where they are until the tally is cleared, which keeps its memory for the next turn.
    std::deque<ComboRow> combos;
    std::vector<ComboRow*> earlierRows;
    std::vector<ComboRow*> currentRows;
    // Handed out by DisplayRow() for the list to paint; the total row shows while its
    // total, set by each rebuild, is not 0.
    mutable SeparatorRow separatorRow;
    mutable TotalRow totalRow;
    int earlierTotal = 0;  // the points of earlierRows
    ListControl& list;
};

}  // namespace vorpin
