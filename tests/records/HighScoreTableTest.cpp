// SPDX-License-Identifier: GPL-3.0-or-later
#include "HighScoreTable.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "QtPrinting.h"

namespace vorpin {
namespace {

TEST(HighScoreTable, RanksFewerTurnsFirstThenMorePointsAndTiesStayBehind) {
    const struct {
        int points;
        int turns;
        std::optional<int> position;  // none when the game beats no entry
    } cases[] = {
        {5000, 19, 0}, {5050, 20, 0}, {5000, 20, 1}, {9000, 29, 9}, {5000, 29, {}}, {6000, 30, {}},
    };
    const HighScoreTable table;  // turns 20 to 29, 5000 points each
    for (const auto& c : cases) {
        EXPECT_EQ(table.InsertionPoint(c.points, c.turns), c.position)
            << c.points << " points in " << c.turns << " turns";
    }
}

TEST(HighScoreTable, InsertShiftsTheRestDownAndDropsTheLast) {
    HighScoreTable table;
    table.Insert(1, {QStringLiteral("New"), 6000, 20});
    table.Insert(9, {QStringLiteral("Last"), 1, 99});
    std::vector<int> turns;
    for (int position = 0; position < HighScoreTable::kSize; ++position) {
        turns.push_back(table.Entry(position).turns);
    }
    EXPECT_EQ(turns, (std::vector<int>{20, 20, 21, 22, 23, 24, 25, 26, 27, 99}));
    EXPECT_EQ(table.Entry(1), (HighScoreEntry{QStringLiteral("New"), 6000, 20}));
    EXPECT_EQ(table.Entry(9).name, QStringLiteral("Last"));
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
    const QStringList lines = table.Text().split(u'\n');
    ASSERT_EQ(lines.size(), 11) << "ten lines, each ending with a newline";
    EXPECT_EQ(lines[0], QStringLiteral("50% %s %d %1 - 20 turns, 5000 points"));
    EXPECT_EQ(lines[1], QStringLiteral(" - 21 turns, 5000 points"));
    EXPECT_EQ(lines[9], QStringLiteral("A. Tarnwick - 29 turns, 5000 points"));
    EXPECT_TRUE(lines[10].isEmpty());
}

}  // namespace
}  // namespace vorpin
