// SPDX-License-Identifier: GPL-3.0-or-later
#include "TallyModel.h"

#include <gtest/gtest.h>

#include "Fakes.h"

namespace vorpin {
namespace {

const DicePattern kFives{5, 5, 5, 0, 0, 0};
const DicePattern kOne{0, 0, 0, 1, 0, 0};
const DicePattern kFive{0, 0, 0, 0, 5, 0};

// Also checks that the model holds the rows before their items go into the list, as a
// list that measures a new item at once needs.
class TallyList final : public testing::RecordingList {
public:
    void ReplaceRows(int first, int removed, int inserted) override {
        RecordingList::ReplaceRows(first, removed, inserted);
        EXPECT_EQ(RowCount(), tally->DisplayRowCount()) << "items added before their rows";
    }
    const TallyModel* tally = nullptr;
};

// Shows the rows as the list does, "500 - +50! - =550": a combination by its points,
// "+" when selectable and "!" when selected, "-" a separator, "=" the total.
class TallyModelTest : public ::testing::Test, public TallyRowVisitor {
protected:
    TallyModelTest() { list.tally = &tally; }

    void Visit(ComboRow& row) override {
        shown += (row.IsSelectable() ? "+" : "") + std::to_string(row.Points()) +
                 (row.IsSelected() ? "! " : " ");
    }
    void Visit(SeparatorRow&) override { shown += "- "; }
    void Visit(TotalRow& row) override { shown += "=" + std::to_string(row.Total()); }
    std::string Shown() {
        shown.clear();
        for (int i = 0; i < tally.DisplayRowCount(); ++i) {
            tally.DisplayRow(i)->Accept(*this);
        }
        return shown;
    }
    void Select(int row) {
        list.Select(row);
        tally.SyncSelection();
    }

    TallyList list;
    TallyModel tally{list};
    std::string shown;
};

TEST_F(TallyModelTest, ShowsBlocksSeparatorsAndTotalInOrder) {
    EXPECT_EQ(tally.AddCombination(kFives, 500), 500);
    EXPECT_EQ(list.log, "disable replace 0 -0 +3 enable repaint ");
    EXPECT_EQ(tally.AddCombination(kOne, 100), 600);
    EXPECT_EQ(Shown(), "+500 +100 - =600");
    tally.CommitRoll();
    EXPECT_EQ(Shown(), "500 100 - =600");
    list.log.clear();
    tally.CommitRoll();
    EXPECT_EQ(list.log, "") << "nothing to commit leaves the list alone";
    EXPECT_EQ(tally.AddCombination(kFive, 50), 650);
    EXPECT_EQ(Shown(), "500 100 - +50 - =650");
    EXPECT_EQ(list.RowCount(), 6);
    EXPECT_EQ(tally.Total(), 650);
    EXPECT_EQ(tally.DisplayRow(6), nullptr);
    EXPECT_EQ(tally.DisplayRow(-1), nullptr);
}

// Each update replaces only the rows between those it starts and ends with; the total
// row is repainted when its total changed.
TEST_F(TallyModelTest, UpdatesReplaceOnlyTheRowsThatChanged) {
    const struct {
        const char* act;  // "add POINTS", "commit", or "back ROW": select it and give it back
        const char* calls;
        const char* shown;
    } steps[] = {
        {"add 500", "disable replace 0 -0 +3 enable repaint ", "+500 - =500"},
        {"back 0", "replace 0 -3 +0 ", ""},
        {"add 500", "disable replace 0 -0 +3 enable repaint ", "+500 - =500"},
        {"add 100", "disable replace 1 -0 +1 changed 3 enable repaint ", "+500 +100 - =600"},
        {"commit", "replace 4 -0 +0 repaint ", "500 100 - =600"},
        {"add 50", "disable replace 3 -0 +2 changed 5 enable repaint ", "500 100 - +50 - =650"},
        {"back 3", "replace 3 -2 +0 changed 3 ", "500 100 - =600"},
        {"add 50", "disable replace 3 -0 +2 changed 5 enable repaint ", "500 100 - +50 - =650"},
        {"add 100", "disable replace 4 -0 +1 changed 6 enable repaint ",
         "500 100 - +50 +100 - =750"},
        {"back 3", "replace 3 -1 +0 changed 5 ", "500 100 - +100 - =700"},
        {"commit", "replace 2 -1 +0 repaint ", "500 100 100 - =700"},
    };
    for (const auto& [act, calls, shown] : steps) {
        SCOPED_TRACE(act);
        list.log.clear();
        const std::string action = act;
        if (action.starts_with("add ")) {
            tally.AddCombination(kFive, std::stoi(action.substr(4)));
        } else if (action == "commit") {
            tally.CommitRoll();
        } else {
            Select(std::stoi(action.substr(5)));
            ASSERT_TRUE(tally.TakeBackSelected().has_value());
        }
        EXPECT_EQ(list.log, calls);
        EXPECT_EQ(Shown(), shown);
    }
}

TEST_F(TallyModelTest, OnlyTheSelectedCombinationOfThisRollGoesBack) {
    tally.AddCombination(kFives, 500);
    tally.CommitRoll();
    tally.AddCombination(kOne, 100);
    Select(2);
    EXPECT_EQ(Shown(), "500 - +100! - =600");
    tally.AddCombination(kFive, 50);
    EXPECT_EQ(Shown(), "500 - +100 +50 - =650") << "a rebuild leaves nothing selected";
    for (int row : {-1, 0, 1, 4, 5}) {  // none, an earlier row, separators, total
        Select(row);
        EXPECT_FALSE(tally.HasSelectedCurrent()) << "row " << row;
    }
    Select(3);
    const auto taken = tally.TakeBackSelected();
    ASSERT_TRUE(taken.has_value());
    EXPECT_EQ(taken->pattern, kFive);
    EXPECT_EQ(taken->turnTotal, 600);
    EXPECT_EQ(Shown(), "500 - +100 - =600");
}

}  // namespace
}  // namespace vorpin
