#include "TallyModel.h"

#include <gtest/gtest.h>

#include "Fakes.h"

namespace vorpin {
namespace {

using testing::RecordingList;

const DicePattern kFives{5, 5, 5, 0, 0, 0};
const DicePattern kOne{0, 0, 0, 1, 0, 0};
const DicePattern kFive{0, 0, 0, 0, 5, 0};

// Names the rows the list shows: "combo 500", "separator", "total 550".
class RowNames final : public TallyRowVisitor {
public:
    void Visit(ComboRow& row) override { name = "combo " + std::to_string(row.Points()); }
    void Visit(SeparatorRow&) override { name = "separator"; }
    void Visit(TotalRow& row) override { name = "total " + std::to_string(row.Total()); }
    std::string name;
};

std::vector<std::string> Shown(const TallyModel& tally) {
    std::vector<std::string> names;
    RowNames visitor;
    for (int i = 0; i < tally.DisplayRowCount(); ++i) {
        tally.DisplayRow(i)->Accept(visitor);
        names.push_back(visitor.name);
    }
    return names;
}

using Names = std::vector<std::string>;

class TallyModelTest : public ::testing::Test {
protected:
    RecordingList list;
    TallyModel tally{list};
};

TEST_F(TallyModelTest, ShowsBlocksSeparatorsAndTotalInOrder) {
    EXPECT_TRUE(Shown(tally).empty());

    EXPECT_EQ(tally.AddCombination(kFives, 500), 500);
    EXPECT_EQ(Shown(tally), (Names{"combo 500", "separator", "total 500"}));

    EXPECT_EQ(tally.AddCombination(kOne, 100), 600);
    EXPECT_EQ(Shown(tally), (Names{"combo 500", "combo 100", "separator", "total 600"}));

    tally.CommitRoll();
    EXPECT_EQ(Shown(tally), (Names{"combo 500", "combo 100", "separator", "total 600"}));

    EXPECT_EQ(tally.AddCombination(kFive, 50), 650);
    EXPECT_EQ(Shown(tally),
              (Names{"combo 500", "combo 100", "separator", "combo 50", "separator", "total 650"}));
    EXPECT_EQ(tally.DisplayRow(2), tally.DisplayRow(4)) << "one separator stands twice";
    EXPECT_EQ(list.RowCount(), tally.DisplayRowCount());
    EXPECT_EQ(tally.Total(), 650);
    EXPECT_EQ(tally.DisplayRow(6), nullptr);
    EXPECT_EQ(tally.DisplayRow(-1), nullptr);
}

TEST_F(TallyModelTest, OnlyCurrentRollRowsAreSelectable) {
    tally.AddCombination(kFives, 500);
    tally.CommitRoll();
    tally.AddCombination(kOne, 100);
    std::vector<int> selectable;
    for (int i = 0; i < tally.DisplayRowCount(); ++i) {
        selectable.push_back(tally.DisplayRow(i)->IsSelectable());
    }
    EXPECT_EQ(selectable, (std::vector<int>{0, 0, 1, 0, 0}));
}

TEST_F(TallyModelTest, AddsEachRowBeforeItsItem) {
    class CheckingList final : public PlainList {
    public:
        void AddRow() override {
            PlainList::AddRow();
            EXPECT_NE(tally->DisplayRow(RowCount() - 1), nullptr);
        }
        TallyModel* tally = nullptr;
    } checking;
    TallyModel model{checking};
    checking.tally = &model;
    model.AddCombination(kFives, 500);
    model.CommitRoll();
    model.AddCombination(kOne, 100);
    EXPECT_EQ(checking.RowCount(), 5);
}

TEST_F(TallyModelTest, CommitWithoutCurrentRowsLeavesTheListAlone) {
    tally.AddCombination(kFives, 500);
    tally.CommitRoll();
    list.log.clear();
    tally.CommitRoll();
    EXPECT_TRUE(list.log.empty());
}

TEST_F(TallyModelTest, AddDisablesTheListAroundTheRebuild) {
    tally.AddCombination(kFives, 500);
    EXPECT_EQ(list.log, (std::vector<std::string>{"disable", "remove all", "add", "add", "add",
                                                  "enable", "repaint"}));
}

TEST_F(TallyModelTest, SelectingACurrentRowMarksItWithoutAnyPaint) {
    tally.AddCombination(kFives, 500);
    tally.AddCombination(kOne, 100);
    list.Select(1);
    tally.SyncSelection();
    EXPECT_TRUE(tally.HasSelectedCurrent());
    EXPECT_EQ(tally.DisplayRow(1)->IsSelected(), 1);
    EXPECT_EQ(tally.DisplayRow(0)->IsSelected(), 0);

    list.Select(3);  // the total row
    tally.SyncSelection();
    EXPECT_FALSE(tally.HasSelectedCurrent());
}

TEST_F(TallyModelTest, TakesBackTheSelectedRowOnly) {
    tally.AddCombination(kFives, 500);
    tally.AddCombination(kOne, 100);
    EXPECT_FALSE(tally.TakeBackSelected().has_value()) << "nothing is selected";

    list.Select(0);
    tally.SyncSelection();
    const auto taken = tally.TakeBackSelected();
    ASSERT_TRUE(taken.has_value());
    EXPECT_EQ(taken->pattern, kFives);
    EXPECT_EQ(taken->turnTotal, 100);
    EXPECT_EQ(Shown(tally), (Names{"combo 100", "separator", "total 100"}));
    EXPECT_FALSE(tally.HasSelectedCurrent()) << "the rebuild leaves nothing selected";
}

TEST_F(TallyModelTest, TakingBackTheOnlyRowEmptiesTheList) {
    tally.AddCombination(kOne, 100);
    list.Select(0);
    tally.SyncSelection();
    const auto taken = tally.TakeBackSelected();
    ASSERT_TRUE(taken.has_value());
    EXPECT_EQ(taken->pattern, kOne);
    EXPECT_EQ(taken->turnTotal, 0);
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_FALSE(tally.HasCurrentRows());
}

TEST_F(TallyModelTest, EarlierRowsCannotBeTakenBack) {
    tally.AddCombination(kFives, 500);
    tally.CommitRoll();
    tally.AddCombination(kOne, 100);
    for (int row : {0, 1, 4}) {  // earlier row, separator, total
        list.Select(row);
        tally.SyncSelection();
        EXPECT_FALSE(tally.HasSelectedCurrent()) << "row " << row;
        EXPECT_FALSE(tally.TakeBackSelected().has_value()) << "row " << row;
    }
    EXPECT_EQ(tally.Total(), 600);
}

TEST_F(TallyModelTest, ClearDropsEveryRow) {
    tally.AddCombination(kFives, 500);
    tally.CommitRoll();
    tally.AddCombination(kOne, 100);
    tally.ClearTally();
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_EQ(tally.DisplayRowCount(), 0);
    EXPECT_EQ(tally.Total(), 0);
    EXPECT_FALSE(tally.HasCurrentRows());
    EXPECT_EQ(tally.AddCombination(kOne, 100), 100) << "the tally works on after a clear";
}

}  // namespace
}  // namespace vorpin
