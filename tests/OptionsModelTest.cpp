#include "OptionsModel.h"

#include <gtest/gtest.h>

#include "Fakes.h"

namespace vorpin {
namespace {

using testing::RecordingList;
using Log = std::vector<std::string>;

class OptionsModelTest : public ::testing::Test {
protected:
    RecordingList list;
    OptionsModel model{list};
};

TEST_F(OptionsModelTest, RebuildsRowsWhileTheListIsDisabledThenRepaints) {
    model.FindOptions(5, 0, 0, 2, 2, 2);
    EXPECT_EQ(list.log, (Log{"disable", "remove all", "add", "add", "enable", "repaint"}));
    EXPECT_EQ(model.OptionCount(), 2);
    EXPECT_EQ(list.RowCount(), 2);
    EXPECT_EQ(testing::Describe(model.Option(0)), "200 - - - 2 2 2");
    EXPECT_EQ(testing::Describe(model.Option(1)), "50 5 - - - - -");
}

TEST_F(OptionsModelTest, NoRowsForFreshOrSetAsideDice) {
    for (std::uint8_t value : {kSetAside, kFresh}) {
        model.FindOptions(value, value, value, value, value, value);
        EXPECT_EQ(model.OptionCount(), 0);
        EXPECT_EQ(list.RowCount(), 0);
        EXPECT_EQ(list.SelectedRow(), -1);
    }
}

TEST_F(OptionsModelTest, SelectedOptionOnlyWhileARowIsSelected) {
    model.FindOptions(1, 2, 3, 4, 5, 6);
    EXPECT_FALSE(model.GetSelectedOption().has_value());
    list.Select(2);
    ASSERT_TRUE(model.GetSelectedOption().has_value());
    EXPECT_EQ(testing::Describe(*model.GetSelectedOption()), "50 - - - - 5 -");
    model.FindOptions(1, 2, 3, 4, 5, 6);
    EXPECT_FALSE(model.GetSelectedOption().has_value()) << "a rebuild leaves no selection";
}

TEST_F(OptionsModelTest, NoPointsRowIsTheOnlyRowAndIsAddedOnce) {
    model.FindOptions(1, 1, 1, 1, 1, 1);
    model.ResetOptions();
    model.ShowNoPoints();
    model.ShowNoPoints();
    EXPECT_TRUE(model.NoPointsRow());
    EXPECT_EQ(model.OptionCount(), 0);
    EXPECT_EQ(list.RowCount(), 1);
    list.Select(0);
    EXPECT_FALSE(model.GetSelectedOption().has_value());

    model.FindOptions(5, 0, 0, 0, 0, 0);
    EXPECT_FALSE(model.NoPointsRow()) << "a rebuild always leaves the no-points state";
    EXPECT_EQ(list.RowCount(), 1);
}

TEST_F(OptionsModelTest, ResetClearsEverySlot) {
    model.FindOptions(1, 1, 1, 1, 1, 1);
    model.ResetOptions();
    EXPECT_EQ(model.OptionCount(), 0);
    EXPECT_EQ(list.RowCount(), 0);
    for (int row = 0; row < OptionsModel::kSlotCount; ++row) {
        EXPECT_EQ(model.Option(row).points, 0);
    }
}

TEST_F(OptionsModelTest, DropsOptionsBeyondTheSixteenthSlot) {
    for (int i = 0; i < OptionsModel::kSlotCount + 3; ++i) {
        model.AddOption(static_cast<std::uint16_t>(100 + i), DicePattern{1, 0, 0, 0, 0, 0});
    }
    EXPECT_EQ(model.OptionCount(), OptionsModel::kSlotCount);
    EXPECT_EQ(list.RowCount(), OptionsModel::kSlotCount);
    EXPECT_EQ(model.Option(15).points, 115);
    EXPECT_EQ(model.Option(16).points, 0);
}

}  // namespace
}  // namespace vorpin
