#include "HighScoreTable.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "QtPrinting.h"

namespace vorpin {
namespace {

struct Ranking {
    bool cleared;  // against a cleared table (turns 30 to 39) rather than a first-run one
    int points;
    int turns;
    int position;  // 1 to 10, or 0 when the game does not enter
};

class RankingTest : public ::testing::TestWithParam<Ranking> {};

TEST_P(RankingTest, FewerTurnsFirstThenMorePointsAndTiesStayBehind) {
    HighScoreTable table;
    if (GetParam().cleared) {
        table.Clear();
    }
    const auto position = table.InsertionPoint(GetParam().points, GetParam().turns);
    EXPECT_EQ(position.value_or(-1) + 1, GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(Tables, RankingTest,
                         ::testing::Values(Ranking{false, 5000, 20, 2}, Ranking{false, 5050, 20, 1},
                                           Ranking{false, 5000, 29, 0},
                                           Ranking{false, 9000, 29, 10},
                                           Ranking{false, 6000, 30, 0}, Ranking{false, 5000, 19, 1},
                                           Ranking{true, 5000, 30, 2}, Ranking{true, 5200, 35, 6},
                                           Ranking{true, 5000, 40, 0}, Ranking{true, 5000, -1, 1}));

TEST(HighScoreTable, InsertKeepsTenAndDropsTheLast) {
    HighScoreTable table;
    table.Insert(1, {QStringLiteral("New"), 5000, 20});
    EXPECT_EQ(table.Entry(0).turns, 20);
    EXPECT_EQ(table.Entry(1), (HighScoreEntry{QStringLiteral("New"), 5000, 20}));
    EXPECT_EQ(table.Entry(2).turns, 21);
    EXPECT_EQ(table.Entry(9).turns, 28) << "the 29-turn entry dropped out";

    for (int game = 0; game < 50; ++game) {
        const int turns = 10 + game % 7;
        if (const auto position = table.InsertionPoint(5000 + game, turns)) {
            table.Insert(*position, {QString::number(game), 5000 + game, turns});
        }
    }
    EXPECT_EQ(table.Text().count(u'\n'), HighScoreTable::kSize);
    for (int position = 1; position < HighScoreTable::kSize; ++position) {
        const auto& better = table.Entry(position - 1);
        const auto& worse = table.Entry(position);
        EXPECT_TRUE(better.turns < worse.turns ||
                    (better.turns == worse.turns && better.points >= worse.points));
    }
}

TEST(HighScoreTable, ClearResetsEveryEntry) {
    HighScoreTable table;
    table.Entry(4) = {QStringLiteral("Someone"), 7000, 12};
    table.Clear();
    for (int position = 0; position < HighScoreTable::kSize; ++position) {
        EXPECT_EQ(table.Entry(position),
                  (HighScoreEntry{QStringLiteral("A. Tarnwick"), 5000, 30 + position}));
    }
}

TEST(HighScoreTable, TextShowsOneLinePerEntryWithNamesAsTyped) {
    HighScoreTable table;
    table.Entry(0).name = QStringLiteral("50% %s %d %1");
    table.Entry(1).name.clear();
    table.Entry(2).turns = -1;
    const QStringList lines = table.Text().split(u'\n');
    ASSERT_EQ(lines.size(), 11) << "ten lines, each ending with a newline";
    EXPECT_EQ(lines[0], QStringLiteral("50% %s %d %1 - 20 turns, 5000 points"));
    EXPECT_EQ(lines[1], QStringLiteral(" - 21 turns, 5000 points"));
    EXPECT_EQ(lines[2], QStringLiteral("A. Tarnwick - -1 turns, 5000 points"));
    EXPECT_EQ(lines[9], QStringLiteral("A. Tarnwick - 29 turns, 5000 points"));
    EXPECT_TRUE(lines[10].isEmpty());
}

}  // namespace
}  // namespace vorpin
