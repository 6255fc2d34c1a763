#include "OptionFinder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Fakes.h"

namespace vorpin {
namespace {

class Collector final : public OptionSink {
public:
    void AddOption(std::uint16_t points, const DicePattern& pattern) override {
        found.push_back(ScoringOption{points, pattern});
    }
    std::vector<ScoringOption> found;
};

std::vector<ScoringOption> Find(const DiceSet& dice) {
    Collector collector;
    FindScoringOptions(dice, collector);
    return collector.found;
}

std::string Rows(const DiceSet& dice) {
    std::string text;
    for (const auto& option : Find(dice)) {
        text += (text.empty() ? "" : "; ") + testing::Describe(option);
    }
    return text.empty() ? "no rows" : text;
}

struct FinderCase {
    DiceSet dice;
    const char* rows;
};

class FinderRows : public ::testing::TestWithParam<FinderCase> {};

TEST_P(FinderRows, OffersEveryCombinationInRowOrder) {
    EXPECT_EQ(Rows(GetParam().dice), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    ScoringTable, FinderRows,
    ::testing::Values(
        FinderCase{{1, 1, 1, 1, 1, 1},
                   "3000 1 1 1 1 1 1; 1000 1 1 1 - - -; 1000 - 1 1 1 - -; 1000 - - 1 1 1 -; "
                   "1000 - - - 1 1 1; 750 1 1 1 1 1 1; 100 1 - - - - -; 100 - 1 - - - -; "
                   "100 - - 1 - - -; 100 - - - 1 - -; 100 - - - - 1 -; 100 - - - - - 1"},
        FinderCase{{2, 2, 2, 2, 2, 2},
                   "3000 2 2 2 2 2 2; 750 2 2 2 2 2 2; 200 2 2 2 - - -; 200 - 2 2 2 - -; "
                   "200 - - 2 2 2 -; 200 - - - 2 2 2"},
        FinderCase{{1, 2, 3, 4, 5, 6}, "1500 1 2 3 4 5 6; 100 1 - - - - -; 50 - - - - 5 -"},
        FinderCase{{6, 5, 4, 3, 2, 1}, "1500 6 5 4 3 2 1; 100 - - - - - 1; 50 - 5 - - - -"},
        FinderCase{{2, 2, 3, 3, 4, 4}, "750 2 2 3 3 4 4"},
        FinderCase{{4, 2, 3, 2, 4, 3}, "750 4 2 3 2 4 3"},
        FinderCase{{2, 2, 2, 2, 3, 3}, "750 2 2 2 2 3 3; 200 2 2 2 - - -; 200 - 2 2 2 - -"},
        FinderCase{{2, 2, 2, 5, 5, 5},
                   "500 - - - 5 5 5; 200 2 2 2 - - -; 50 - - - 5 - -; 50 - - - - 5 -; "
                   "50 - - - - - 5"},
        FinderCase{{1, 1, 1, 1, 5, 5},
                   "1000 1 1 1 - - -; 1000 - 1 1 1 - -; 750 1 1 1 1 5 5; 100 1 - - - - -; "
                   "100 - 1 - - - -; 100 - - 1 - - -; 100 - - - 1 - -; 50 - - - - 5 -; "
                   "50 - - - - - 5"},
        FinderCase{{5, 1, 3, 1, 5, 4},
                   "100 - 1 - - - -; 100 - - - 1 - -; 50 5 - - - - -; 50 - - - - 5 -"},
        FinderCase{{6, 6, 6, 6, 6, 2}, "600 6 6 6 - - -; 600 - 6 6 6 - -; 600 - - 6 6 6 -"},
        FinderCase{{3, 3, 3, 3, 3, 3},
                   "3000 3 3 3 3 3 3; 750 3 3 3 3 3 3; 300 3 3 3 - - -; 300 - 3 3 3 - -; "
                   "300 - - 3 3 3 -; 300 - - - 3 3 3"},
        FinderCase{{3, 6, 3, 6, 3, 6}, "600 - 6 - 6 - 6; 300 3 - 3 - 3 -"},
        FinderCase{{2, 3, 4, 6, 2, 3}, "no rows"},
        // Dice set aside (0), fresh (7) or holding any larger value are not in play.
        FinderCase{{4, 4, 4, 4, 0, 0}, "400 4 4 4 - - -; 400 - 4 4 4 - -"},
        FinderCase{{0, 0, 3, 3, 3, 0}, "300 - - 3 3 3 -"},
        FinderCase{{7, 7, 7, 7, 7, 7}, "no rows"}, FinderCase{{0, 0, 0, 0, 0, 0}, "no rows"},
        FinderCase{{200, 255, 8, 1, 5, 0}, "100 - - - 1 - -; 50 - - - - 5 -"},
        FinderCase{{9, 5, 5, 5, 5, 5},
                   "500 - 5 5 5 - -; 500 - - 5 5 5 -; 500 - - - 5 5 5; 50 - 5 - - - -; "
                   "50 - - 5 - - -; 50 - - - 5 - -; 50 - - - - 5 -; 50 - - - - - 5"},
        // Six-dice combinations need all six in play.
        FinderCase{{1, 2, 3, 4, 5, 0}, "100 1 - - - - -; 50 - - - - 5 -"},
        FinderCase{{2, 2, 3, 3, 4, 7}, "no rows"},
        FinderCase{{6, 6, 6, 6, 6, 0}, "600 6 6 6 - - -; 600 - 6 6 6 - -; 600 - - 6 6 6 -"}),
    [](const auto& info) {
        std::string name = "dice";
        for (auto value : info.param.dice) {
            name += "_" + std::to_string(value);
        }
        return name;
    });

// Every possible throw of up to six dice: options use only dice in play, show their
// faces, and never come near the sixteen slots of the list.
TEST(FinderOverAllThrows, UsesOnlyDiceInPlayAndStaysWithinTheSlots) {
    std::size_t most = 0;
    DiceSet dice{};
    for (int code = 0; code < 117649; ++code) {  // 7^6: each die 0 (aside) or 1..6
        int rest = code;
        for (auto& die : dice) {
            die = static_cast<std::uint8_t>(rest % 7);
            rest /= 7;
        }
        const auto options = Find(dice);
        most = std::max(most, options.size());
        for (const auto& option : options) {
            for (std::size_t slot = 0; slot < dice.size(); ++slot) {
                ASSERT_TRUE(option.pattern[slot] == 0 || option.pattern[slot] == dice[slot]);
            }
        }
        const bool scores =
            std::any_of(dice.begin(), dice.end(), [](auto v) { return v == 1 || v == 5; });
        if (scores) {
            ASSERT_FALSE(options.empty());
        }
    }
    EXPECT_EQ(most, 12u);
}

}  // namespace
}  // namespace vorpin
