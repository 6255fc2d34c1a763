// SPDX-License-Identifier: GPL-3.0-or-later
// Habits and practice in the history database: the schema's second version, its
// migration, the habits added up by the database, and the practice answers.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <set>

#include "GameHistory.h"
#include "HabitsQuery.h"
#include "HistoryTestKit.h"
#include "PracticeStore.h"
#include "RawConnection.h"
#include "SampleHistory.h"

namespace vorpin {
namespace {

using strategy::Decision;
using strategy::GameReview;
using strategy::Habit;
using strategy::HabitFigures;
using strategy::Move;
using strategy::Position;
using strategy::Slip;

const strategy::OptimalStrategy& Solved() {
    static const strategy::OptimalStrategy solved;
    return solved;
}

GameReview GameOf(std::vector<Decision> decisions) {
    GameReview review{10, 5000, 10.643874146, 0, 0, std::move(decisions)};
    for (const Decision& made : review.decisions) {
        review.skillCost += made.cost;
    }
    review.luck = review.turns - review.expected - review.skillCost;
    return review;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class HabitsHistoryTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("history.sqlite"));

    // The games recorded as the game of the schema's first version records them.
    bool RecordAsVersion1(const std::vector<GameReview>& games) {
        GameHistory older(path, GameHistory::kBusyTimeoutMs, 1);
        return std::all_of(games.begin(), games.end(), [&older](const GameReview& game) {
            return older.Record(game, kFinished);
        });
    }
};

TEST_F(HabitsHistoryTest, MigrationFromVersion1KeepsEveryGameAndSortsItsDecisions) {
    const auto games = SampleGames(Solved(), 12, 20, 5);
    ASSERT_TRUE(RecordAsVersion1(games));
    {
        RawConnection raw(path);
        ASSERT_EQ(raw.Value("PRAGMA user_version").toInt(), 1);
        ASSERT_EQ(raw.Value("SELECT count(*) FROM pragma_table_info('decisions') "
                            "WHERE name = 'habit'")
                      .toInt(),
                  0);
    }
    GameHistory history(path);
    ASSERT_TRUE(history.Ready());
    const auto recorded = history.Games();
    ASSERT_EQ(recorded.size(), games.size());
    const strategy::HabitSorter sorter;
    RawConnection raw(path);
    EXPECT_EQ(raw.Value("PRAGMA user_version").toInt(), 2);
    for (std::size_t g = 0; g < games.size(); ++g) {
        const auto review = history.Review(recorded[g].id);
        ASSERT_TRUE(review);
        ASSERT_EQ(review->decisions.size(), games[g].decisions.size());
        EXPECT_DOUBLE_EQ(review->skillCost, games[g].skillCost);
        for (std::size_t i = 0; i < review->decisions.size(); ++i) {
            const Decision& made = games[g].decisions[i];
            EXPECT_EQ(review->decisions[i].done, made.done);
            EXPECT_DOUBLE_EQ(review->decisions[i].cost, made.cost);
            const QString where = QStringLiteral(" FROM decisions WHERE game_id = %1 AND seq = %2")
                                      .arg(recorded[g].id)
                                      .arg(i + 1);
            EXPECT_EQ(raw.Value("SELECT habit" + where).toInt(), sorter.HabitOf(made).Code());
            EXPECT_EQ(raw.Value("SELECT slip" + where).toInt(),
                      static_cast<int>(strategy::HabitSorter::SlipOf(made)));
        }
    }
    EXPECT_EQ(raw.Value("SELECT count(*) FROM sqlite_master WHERE name IN "
                        "('decisions_habit', 'decisions_costly', 'practice')")
                  .toInt(),
              3);
    // Games recorded from now on carry their habits too.
    ASSERT_TRUE(history.Record(games.front(), kFinished));
    EXPECT_EQ(raw.Value("SELECT habit FROM decisions ORDER BY game_id DESC, seq LIMIT 1").toInt(),
              sorter.HabitOf(games.front().decisions.front()).Code());
}

// The older game's own logic, run on a file of the newer schema: it says so in one line
// and leaves every byte as it was, and the newer game still finds everything.
TEST_F(HabitsHistoryTest, AVersion2FileIsRefusedByTheVersion1CodeAndLeftWhole) {
    {
        GameHistory history(path);
        for (const GameReview& game : SampleGames(Solved(), 3, 10, 8)) {
            ASSERT_TRUE(history.Record(game, kFinished));
        }
        PracticeStore practice(history);
        ASSERT_TRUE(practice.Save(PracticeResult{"yours", Position{0, 0, {1, 5, 2, 2, 3, 4}},
                                                 Move{150, false, 4}, Move{100, false, 5}, 0.02,
                                                 kFinished}));
    }
    const QByteArray before = Contents(path);
    ASSERT_FALSE(before.isEmpty());
    {
        GameHistory older(path, GameHistory::kBusyTimeoutMs, 1);
        for (int attempt = 0; attempt < 2; ++attempt) {
            ::testing::internal::CaptureStderr();
            const bool recorded = older.Record(GameOf({}), kFinished);
            const bool listed = !older.Games().empty();
            const std::string said = ::testing::internal::GetCapturedStderr();
            EXPECT_FALSE(recorded);
            EXPECT_FALSE(listed);
            EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 2) << said;
            EXPECT_NE(said.find("was made by a newer version of the game"), std::string::npos)
                << said;
        }
    }
    EXPECT_EQ(Contents(path), before);
    GameHistory history(path);
    EXPECT_EQ(history.Games().size(), 3u);
    EXPECT_EQ(PracticeStore(history).Record().answers, 1);
}

// A version-1 file that another program holds cannot be brought up: its habits are
// worked out as it is read, the same as those the database adds up once it has been.
TEST_F(HabitsHistoryTest, AVersion1FileInUseIsReadAsItIs) {
    const auto games = SampleGames(Solved(), 6, 15, 2);
    ASSERT_TRUE(RecordAsVersion1(games));
    GameHistory history(path);
    std::vector<HabitFigures> asItIs;
    std::vector<HabitDecision> worstAsItIs;
    {
        RawConnection other(path);
        ASSERT_TRUE(other.Exec("BEGIN IMMEDIATE"));
        asItIs = HabitsQuery(history).Habits();
        ASSERT_FALSE(asItIs.empty());
        worstAsItIs = HabitsQuery(history).Decisions(asItIs.front().habit, 3);
        EXPECT_EQ(PracticeStore(history).Record().answers, 0);
        EXPECT_EQ(other.Value("PRAGMA user_version").toInt(), 1);
        other.Exec("ROLLBACK");
    }
    const auto brought = HabitsQuery(history).Habits();
    EXPECT_EQ(RawConnection(path).Value("PRAGMA user_version").toInt(), 2);
    ASSERT_EQ(brought.size(), asItIs.size());
    for (std::size_t i = 0; i < brought.size(); ++i) {
        EXPECT_EQ(brought[i].habit.Code(), asItIs[i].habit.Code());
        EXPECT_EQ(brought[i].count, asItIs[i].count);
        EXPECT_NEAR(brought[i].TotalCost(), asItIs[i].TotalCost(), 1e-9);
    }
    const auto worst = HabitsQuery(history).Decisions(brought.front().habit, 3);
    ASSERT_EQ(worst.size(), worstAsItIs.size());
    for (std::size_t i = 0; i < worst.size(); ++i) {
        EXPECT_EQ(worst[i].gameId, worstAsItIs[i].gameId);
        EXPECT_EQ(worst[i].decision.done, worstAsItIs[i].decision.done);
        EXPECT_DOUBLE_EQ(worst[i].decision.cost, worstAsItIs[i].decision.cost);
    }
}

// The window does not wait for a file in use: the answer waits, said in one line, and
// is written with the next one or when the store goes, once.
TEST_F(HabitsHistoryTest, APracticeAnswerWaitsWhileTheFileIsInUse) {
    GameHistory history(path);
    ASSERT_TRUE(history.Ready());
    const PracticeResult answer{"yours",
                                Position{0, 0, {1, 5, 2, 2, 3, 4}},
                                Move{150, false, 4},
                                Move{100, false, 5},
                                0.02,
                                kFinished};
    RawConnection other(path);
    {
        PracticeStore store(history);
        ASSERT_TRUE(other.Exec("BEGIN IMMEDIATE"));
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(store.Save(answer));
        std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find("in use by another program"), std::string::npos) << said;
        EXPECT_EQ(store.Waiting(), 1);
        other.Exec("ROLLBACK");
        EXPECT_TRUE(store.Save(answer));
        EXPECT_EQ(store.Waiting(), 0);
        EXPECT_EQ(store.Record().answers, 2);

        ASSERT_TRUE(other.Exec("BEGIN IMMEDIATE"));
        EXPECT_FALSE(store.Save(answer));
        other.Exec("ROLLBACK");
    }
    EXPECT_EQ(PracticeStore(history).Record().answers, 3);
}

// A read-only history of either version is read as it is, without side files; a
// practice answer there waits, said in one line.
TEST_F(HabitsHistoryTest, AReadOnlyHistoryIsReadWithoutSideFiles) {
    if (!PermissionsHold()) {
        GTEST_SKIP() << "permissions do not hold here";
    }
    const auto games = SampleGames(Solved(), 4, 12, 6);
    for (const int version : {1, 2}) {
        SCOPED_TRACE(version);
        QFile::remove(path);
        ASSERT_TRUE(version == 1 ? RecordAsVersion1(games) : GameHistory(path).Ready());
        if (version == 2) {
            GameHistory writer(path);
            for (const GameReview& game : games) {
                ASSERT_TRUE(writer.Record(game, kFinished));
            }
        }
        ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser));
        const QByteArray before = Contents(path);
        {
            GameHistory history(path);
            const auto habits = HabitsQuery(history).Habits();
            int decisions = 0;
            for (const HabitFigures& figures : habits) {
                decisions += figures.Decisions();
            }
            EXPECT_EQ(decisions, 4 * 12);
            EXPECT_FALSE(HabitsQuery(history).Decisions(habits.front().habit, 5).empty());
            PracticeStore store(history);
            EXPECT_EQ(store.Record().answers, 0);
            ::testing::internal::CaptureStderr();
            EXPECT_FALSE(store.Save(PracticeResult{"yours", Position{0, 0, {1, 5, 2, 2, 3, 4}},
                                                   Move{150, false, 4}, Move{100, false, 5}, 0.02,
                                                   kFinished}));
            const std::string said = ::testing::internal::GetCapturedStderr();
            EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
            EXPECT_EQ(store.Waiting(), 1);
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
                      QStringList{QStringLiteral("history.sqlite")});
            ::testing::internal::CaptureStderr();
        }
        ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(Contents(path), before);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }
}

// A crafted history whose groups are known: three bank-or-throw decisions at the same
// kind of position (one of them threw where best play banks) and two forced throws.
TEST_F(HabitsHistoryTest, HabitsOfACraftedHistory) {
    const Position lone{1000, 300, {0, 0, 1, 0, 0, 0}};
    const Position single{0, 0, {2, 3, 4, 6, 6, 1}};
    const Move bank{100, true, 0};
    const Move throwOn{100, false, 5};
    GameHistory history(path);
    ASSERT_TRUE(history.Record(GameOf({{1, lone, bank, bank, 0},
                                       {2, single, throwOn, throwOn, 0},
                                       {3, lone, Move{100, false, 6}, bank, 0.3}}),
                               kFinished));
    ASSERT_TRUE(history.Record(GameOf({{1, single, throwOn, throwOn, 0}, {2, lone, bank, bank, 0}}),
                               kFinished));
    const auto habits = HabitsQuery(history).Habits();
    ASSERT_EQ(habits.size(), 2u);
    const HabitFigures& banks = habits[0];
    EXPECT_EQ(banks.habit.kind, Habit::Kind::BankOrThrow);
    EXPECT_EQ(banks.Decisions(), 3);
    EXPECT_EQ(banks.BestMoves(), 2);
    EXPECT_EQ(banks.count[static_cast<std::size_t>(Slip::ThrewOn)], 1);
    EXPECT_DOUBLE_EQ(banks.TotalCost(), 0.3);
    EXPECT_EQ(strategy::HabitSentence(banks),
              "With 6 dice left to throw and 350 to 450 in the turn after your first bank, best "
              "play banks; you threw on 1 time out of 3, which cost 0.30 turns in all.");
    EXPECT_EQ(habits[1].habit.kind, Habit::Kind::ThrowOn);
    EXPECT_EQ(habits[1].Decisions(), 2);
    EXPECT_EQ(habits[1].TotalCost(), 0);

    const auto decisions = HabitsQuery(history).Decisions(banks.habit, 2);
    ASSERT_EQ(decisions.size(), 2u);
    EXPECT_DOUBLE_EQ(decisions[0].decision.cost, 0.3);
    EXPECT_EQ(decisions[0].decision.turn, 3);
    EXPECT_EQ(decisions[0].gameId, history.Games().front().id);
    EXPECT_EQ(decisions[0].finished, kFinished);
}

// Many played games: every decision in exactly one habit, the same habits as sorting the
// decisions one by one, and the costs adding up to the games' skill cost.
TEST_F(HabitsHistoryTest, HabitsCoverEveryDecisionOnceAndAddUpToTheSkillCost) {
    const auto games = SampleGames(Solved(), 30, 25, 11);
    GameHistory history(path);
    const strategy::HabitSorter sorter;
    std::map<int, HabitFigures> expected;
    double skillCost = 0;
    for (const GameReview& game : games) {
        ASSERT_TRUE(history.Record(game, kFinished));
        skillCost += game.skillCost;
        for (const Decision& made : game.decisions) {
            HabitFigures& figures = expected[sorter.HabitOf(made).Code()];
            figures.habit = sorter.HabitOf(made);
            figures.Add(strategy::HabitSorter::SlipOf(made), 1, made.cost);
        }
    }
    const auto habits = HabitsQuery(history).Habits();
    ASSERT_EQ(habits.size(), expected.size());
    int decisions = 0;
    double cost = 0;
    for (std::size_t i = 0; i < habits.size(); ++i) {
        const HabitFigures& figures = habits[i];
        if (i > 0) {
            EXPECT_GE(habits[i - 1].TotalCost(), figures.TotalCost());
        }
        const HabitFigures& mine = expected.at(figures.habit.Code());
        EXPECT_EQ(figures.count, mine.count);
        for (int slip = 0; slip < strategy::kSlipCount; ++slip) {
            const auto at = static_cast<std::size_t>(slip);
            EXPECT_NEAR(figures.cost[at], mine.cost[at], 1e-9);
        }
        decisions += figures.Decisions();
        cost += figures.TotalCost();
    }
    EXPECT_EQ(decisions, 30 * 25);
    EXPECT_NEAR(cost, skillCost, 1e-9);
    EXPECT_GT(habits.size(), 20u);
}

TEST_F(HabitsHistoryTest, HabitsAreAddedUpFromTheirIndexAlone) {
    GameHistory history(path);
    ASSERT_TRUE(history.Record(GameOf({}), kFinished));
    RawConnection raw(path);
    const QStringList plan = raw.Column("EXPLAIN QUERY PLAN " + HabitsQuery::GroupStatement(), 3);
    ASSERT_EQ(plan.size(), 1) << plan.join(u'\n').toStdString();
    EXPECT_EQ(plan[0], "SCAN decisions USING COVERING INDEX decisions_habit");
}

TEST_F(HabitsHistoryTest, PracticeDrawsOnlyCostlyDecisionsAndKeepsItsAnswers) {
    GameHistory history(path);
    PracticeStore store(history);
    std::mt19937 engine(3);
    EXPECT_FALSE(store.OwnCostlyPosition(engine));
    const Position cheap{0, 0, {1, 2, 3, 4, 6, 6}};
    const Position nearly{0, 0, {5, 2, 3, 4, 6, 6}};
    const Position costly{0, 300, {1, 5, 3, 4, 6, 6}};
    const Position dearest{2000, 300, {0, 0, 1, 5, 2, 2}};
    const Move move{100, false, 5};
    ASSERT_TRUE(history.Record(GameOf({{1, cheap, move, move, 0.01},
                                       {2, nearly, move, move, 0.0499},
                                       {3, costly, move, move, 0.05},
                                       {4, dearest, move, move, 0.9}}),
                               kFinished));
    std::set<DiceSet> drawn;
    for (int i = 0; i < 60; ++i) {
        const auto position = store.OwnCostlyPosition(engine);
        ASSERT_TRUE(position);
        drawn.insert(position->dice);
    }
    EXPECT_EQ(drawn, (std::set<DiceSet>{costly.dice, dearest.dice}));

    EXPECT_EQ(store.Record().answers, 0);
    for (int i = 0; i < 70; ++i) {  // ten best picks, then every third of sixty
        const double cost = i < 10 || i % 3 == 0 ? 0.0 : 0.25;
        ASSERT_TRUE(store.Save(PracticeResult{"best play", costly, move, move, cost, kFinished}));
    }
    const strategy::PracticeRecord record = store.Record();
    EXPECT_EQ(record.answers, 70);
    EXPECT_EQ(record.bestAnswers, 10 + 20);
    EXPECT_EQ(record.recentAnswers, 50);
    EXPECT_EQ(record.recentBest, 17);  // i = 21, 24, ..., 69
    EXPECT_EQ(history.Games().size(), 1u);
}

}  // namespace
}  // namespace vorpin
