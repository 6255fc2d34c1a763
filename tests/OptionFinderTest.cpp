// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionFinder.h"

#include <gtest/gtest.h>

#include <vector>

#include "Fakes.h"

namespace vorpin {
namespace {

std::vector<ScoringOption> Find(const DiceSet& dice) {
    OptionList found;
    FindScoringOptions(dice, found);
    return found.options;
}

TEST(Finder, OffersEveryCombinationInRowOrder) {
    const struct {
        DiceSet dice;
        const char* rows;
    } cases[] = {
        {{1, 1, 1, 1, 1, 1},
         "3000 1 1 1 1 1 1; 1000 1 1 1 - - -; 1000 - 1 1 1 - -; 1000 - - 1 1 1 -; "
         "1000 - - - 1 1 1; 750 1 1 1 1 1 1; 100 1 - - - - -; 100 - 1 - - - -; "
         "100 - - 1 - - -; 100 - - - 1 - -; 100 - - - - 1 -; 100 - - - - - 1"},
        {{6, 5, 4, 3, 2, 1}, "1500 6 5 4 3 2 1; 100 - - - - - 1; 50 - 5 - - - -"},
        {{4, 2, 3, 2, 4, 3}, "750 4 2 3 2 4 3"},
        {{2, 2, 2, 2, 3, 3}, "750 2 2 2 2 3 3; 200 2 2 2 - - -; 200 - 2 2 2 - -"},
        {{2, 2, 2, 5, 5, 5},
         "500 - - - 5 5 5; 200 2 2 2 - - -; 50 - - - 5 - -; 50 - - - - 5 -; 50 - - - - - 5"},
        {{3, 6, 3, 6, 3, 6}, "600 - 6 - 6 - 6; 300 3 - 3 - 3 -"},
        {{2, 3, 4, 6, 2, 3}, ""},
        // Only faces 1 to 6 are in play: 0 is set aside, 7 fresh. Six-dice combinations
        // need all six in play.
        {{6, 6, 6, 6, 6, 255}, "600 6 6 6 - - -; 600 - 6 6 6 - -; 600 - - 6 6 6 -"},
        {{4, 4, 4, 4, 0, 7}, "400 4 4 4 - - -; 400 - 4 4 4 - -"},
    };
    for (const auto& c : cases) {
        std::string rows;
        for (const auto& option : Find(c.dice)) {
            rows += (rows.empty() ? "" : "; ") + testing::Describe(option);
        }
        EXPECT_EQ(rows, c.rows) << "dice" << testing::Describe({0, c.dice}).substr(1);
    }
}

// Every throw of up to six dice: options use only dice in play, any one or five scores,
// and no throw comes near the sixteen slots of the list.
TEST(Finder, OverEveryThrowUsesOnlyDiceInPlayAndOffersAtMostTwelve) {
    std::size_t most = 0;
    DiceSet dice{};
    for (int code = 0; code < 117649; ++code) {  // 7^6: each die 0 (aside) or 1..6
        for (int slot = 0, rest = code; slot < kDiceCount; ++slot, rest /= 7) {
            dice[static_cast<std::size_t>(slot)] = static_cast<std::uint8_t>(rest % 7);
        }
        const auto options = Find(dice);
        most = std::max(most, options.size());
        for (const auto& option : options) {
            for (std::size_t slot = 0; slot < dice.size(); ++slot) {
                ASSERT_TRUE(option.pattern[slot] == 0 || option.pattern[slot] == dice[slot]);
            }
        }
        if (std::any_of(dice.begin(), dice.end(), [](auto v) { return v == 1 || v == 5; })) {
            ASSERT_FALSE(options.empty());
        }
    }
    EXPECT_EQ(most, 12u);
}

// The table offers what the rules work out, for every die value from 0 to 7 in every
// slot.
TEST(Finder, TableOffersWhatTheRulesOfferForEveryState) {
    OptionList fromTable;
    OptionList fromRules;
    DiceSet dice{};
    for (int code = 0; code < 262144; ++code) {  // 8^6
        for (int slot = 0, rest = code; slot < kDiceCount; ++slot, rest /= 8) {
            dice[static_cast<std::size_t>(slot)] = static_cast<std::uint8_t>(rest % 8);
        }
        fromTable.options.clear();
        fromRules.options.clear();
        FindScoringOptions(dice, fromTable);
        FindScoringOptionsByRules(dice, fromRules);
        ASSERT_EQ(fromTable.options, fromRules.options)
            << "dice" << testing::Describe({0, dice}).substr(1);
    }
}

}  // namespace
}  // namespace vorpin
