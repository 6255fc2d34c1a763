// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionsModel.h"

#include <gtest/gtest.h>

#include "Fakes.h"

namespace vorpin {
namespace {

using testing::Describe;

class OptionsModelTest : public ::testing::Test {
protected:
    testing::RecordingList list;
    OptionsModel model{list};
};

TEST_F(OptionsModelTest, RebuildFillsOneSlotAndRowPerOptionWhileTheListIsDisabled) {
    model.FindOptions(5, 0, 0, 2, 2, 2);
    EXPECT_EQ(list.log, "disable clear add add enable repaint ");
    EXPECT_EQ(model.OptionCount(), 2);
    EXPECT_EQ(Describe(model.Option(0)), "200 - - - 2 2 2");
    EXPECT_FALSE(model.GetSelectedOption().has_value());
    list.Select(1);
    EXPECT_EQ(Describe(model.GetSelectedOption().value()), "50 5 - - - - -");
}

TEST_F(OptionsModelTest, NoPointsRowIsAddedOnceOffersNothingAndGoesWithAReset) {
    model.FindOptions(1, 1, 1, 1, 1, 1);
    model.ResetOptions();
    model.ShowNoPoints();
    model.ShowNoPoints();
    EXPECT_TRUE(model.NoPointsRow());
    EXPECT_EQ(list.RowCount(), 1);
    list.Select(0);
    EXPECT_FALSE(model.GetSelectedOption().has_value());
    model.ResetOptions();
    EXPECT_FALSE(model.NoPointsRow());
}

TEST_F(OptionsModelTest, DropsOptionsBeyondTheSixteenthSlot) {
    for (int i = 0; i < OptionsModel::kSlotCount + 3; ++i) {
        model.AddOption(static_cast<std::uint16_t>(100 + i), DicePattern{1, 0, 0, 0, 0, 0});
    }
    EXPECT_EQ(model.OptionCount(), OptionsModel::kSlotCount);
    EXPECT_EQ(list.RowCount(), OptionsModel::kSlotCount);
    EXPECT_EQ(model.Option(15).points, 115);
    EXPECT_EQ(model.Option(16).points, 0) << "rows beyond the options hold none";
}

}  // namespace
}  // namespace vorpin
