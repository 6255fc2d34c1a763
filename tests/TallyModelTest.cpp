// SPDX-License-Identifier: GPL-3.0-or-later
#include "TallyModel.h"

#include <gtest/gtest.h>

#include "Fakes.h"

namespace vorpin {
namespace {

const DicePattern kFives{5, 5, 5, 0, 0, 0};
const DicePattern kOne{0, 0, 0, 1, 0, 0};
const DicePattern kFive{0, 0, 0, 0, 5, 0};

// Also checks that the model holds each row before its item goes into the list, as a
// list that measures a new item at once needs.
class TallyList final : public testing::RecordingList {
public:
    void AddRow() override {
        RecordingList::AddRow();
        EXPECT_NE(tally->DisplayRow(RowCount() - 1), nullptr) << "item added before its row";
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
    EXPECT_EQ(list.log, "disable clear add add add enable repaint ");
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
