// SPDX-License-Identifier: GPL-3.0-or-later
// The history database: real SQLite files in a scratch folder.
#include "GameHistory.h"
#include "HistoryTestKit.h"
#include "RawConnection.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QVariant>
#include <thread>

namespace vorpin {
namespace {

using strategy::Decision;
using strategy::GameReview;

TEST_F(GameHistoryTest, MakesTheSchemaAndKeepsAGameWithItsDecisions) {
    const QString path = PathIn("new/folder");
    {
        GameHistory history(path);
        ASSERT_TRUE(history.Record(SampleReview(12), kFinished));
        const auto games = history.Games();
        ASSERT_EQ(games.size(), 1u);
        EXPECT_EQ(games[0].finished, kFinished);
        EXPECT_EQ(games[0].review.turns, 12);
        EXPECT_EQ(games[0].review.score, 5150);
        EXPECT_DOUBLE_EQ(games[0].review.skillCost, 0.75);
        const auto review = history.Review(games[0].id);
        ASSERT_TRUE(review);
        const GameReview sample = SampleReview(12);
        ASSERT_EQ(review->decisions.size(), 2u);
        for (std::size_t i = 0; i < 2; ++i) {
            const Decision& read = review->decisions[i];
            const Decision& written = sample.decisions[i];
            EXPECT_EQ(read.turn, written.turn);
            EXPECT_EQ(read.position.banked, written.position.banked);
            EXPECT_EQ(read.position.turnTotal, written.position.turnTotal);
            EXPECT_EQ(read.position.dice, written.position.dice);
            EXPECT_EQ(read.done, written.done);
            EXPECT_EQ(read.best, written.best);
            EXPECT_DOUBLE_EQ(read.cost, written.cost);
        }
        EXPECT_FALSE(history.Review(games[0].id + 1));
    }
    RawConnection raw(path);
    EXPECT_EQ(raw.Value("PRAGMA user_version").toInt(), GameHistory::kSchemaVersion);
    EXPECT_EQ(raw.Value("PRAGMA journal_mode").toString(), "wal");
    EXPECT_EQ(raw.Value("SELECT dice FROM decisions WHERE seq = 2").toString(), "005410");
    EXPECT_EQ(raw.Value("SELECT action FROM decisions WHERE seq = 1").toString(), "throw 4");
    EXPECT_EQ(raw.Value("SELECT finished FROM games").toString(), "2026-12-07T03:04:05Z");
}

TEST_F(GameHistoryTest, TwoRunningCopiesBothRecordEveryGame) {
    const QString path = PathIn("shared");
    const auto play = [&path](int first) {
        GameHistory history(path);
        for (int turns = first; turns < first + 25; ++turns) {
            EXPECT_TRUE(history.Record(SampleReview(turns), kFinished));
        }
    };
    std::thread one(play, 100);
    std::thread two(play, 200);
    one.join();
    two.join();
    RawConnection raw(path);
    EXPECT_EQ(raw.Value("SELECT count(*) FROM games").toInt(), 50);
    EXPECT_EQ(raw.Value("SELECT count(*) FROM decisions").toInt(), 100);
}

// An empty file is an empty database: it gets the schema in place, nothing moved aside.
TEST_F(GameHistoryTest, AnEmptyFileGetsTheSchema) {
    const QString path = PathIn("empty");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile empty(path);
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    {
        GameHistory history(path);
        ASSERT_TRUE(history.Record(SampleReview(10), kFinished));
    }
    EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files).filter("damaged"),
              QStringList());
    RawConnection raw(path);
    EXPECT_EQ(raw.Value("PRAGMA user_version").toInt(), GameHistory::kSchemaVersion);
    EXPECT_EQ(raw.Value("SELECT count(*) FROM decisions").toInt(), 2);
}

TEST_F(GameHistoryTest, ADamagedFileIsMovedAsideAndANewOneStarted) {
    const QString path = PathIn("damaged");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    const QByteArray garbage(4096, 'x');
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    GameHistory history(path);
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(history.Record(SampleReview(9), kFinished));
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("damaged"), std::string::npos) << said;
    EXPECT_EQ(history.Games().size(), 1u);
    const QStringList aside = QDir(QFileInfo(path).absolutePath())
                                  .entryList({QStringLiteral("history.sqlite.damaged-*")});
    ASSERT_EQ(aside.size(), 1);
    QFile kept(QFileInfo(path).absolutePath() + u'/' + aside[0]);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), garbage);
}

// What stops the history from recording, each with one line on standard error and the
// file, if any, left as it was.
TEST_F(GameHistoryTest, FailuresSayOneLineAndLeaveTheFileAlone) {
    const QString locked = PathIn("locked");
    GameHistory lockedHistory(locked, 100);
    ASSERT_TRUE(lockedHistory.Record(SampleReview(10), kFinished));
    RawConnection other(locked);
    ASSERT_TRUE(other.Exec("BEGIN IMMEDIATE"));
    ASSERT_TRUE(other.Exec("INSERT INTO games VALUES (NULL, 'x', 1, 1, 1, 1, 1)"));

    const QString newer = PathIn("newer");
    {
        GameHistory made(newer);
        ASSERT_TRUE(made.Record(SampleReview(10), kFinished));
    }
    {
        RawConnection raw(newer);
        ASSERT_TRUE(raw.Exec("PRAGMA user_version = 7"));
    }
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    GameHistory newerHistory(newer);
    GameHistory underAFile(dir.filePath("file/history.sqlite"));

    const std::pair<const char*, GameHistory*> cases[] = {
        {"locked by another writer", &lockedHistory},
        {"made by a newer version", &newerHistory},
        {"under a file", &underAFile},
    };
    for (const auto& [name, history] : cases) {
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(history->Record(SampleReview(11), kFinished)) << name;
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << name << ": " << said;
        EXPECT_EQ(said.rfind("Vorpin: the game history ", 0), 0u) << name << ": " << said;
    }
    other.Exec("ROLLBACK");
    EXPECT_TRUE(lockedHistory.Record(SampleReview(12), kFinished));
    EXPECT_EQ(lockedHistory.Games().size(), 3u);  // the game refused while locked too
    EXPECT_EQ(RawConnection(newer).Value("SELECT count(*) FROM games").toInt(), 1);
}

// Root writes through read-only folders, and Windows ignores a folder's read-only mark;
// the unprivileged run covers this.
TEST_F(GameHistoryTest, AReadOnlyFolderRecordsNothing) {
    if (!PermissionsHold()) {
        GTEST_SKIP() << "root writes through read-only folders, and Windows folders take new "
                        "files whatever their read-only mark";
    }
    const QString folder = dir.filePath("readonly");
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    GameHistory history(folder + "/history.sqlite");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(history.Record(SampleReview(10), kFinished));
    EXPECT_NE(::testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(QFileInfo::exists(folder + "/history.sqlite"));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The sums the database works out agree with the same figures worked out game by game.
TEST_F(GameHistoryTest, TheSummaryAgreesWithTheGamesItSums) {
    const QString path = PathIn("sums");
    GameHistory history(path);
    ASSERT_TRUE(history.Record(SampleReview(12), kFinished));
    ASSERT_TRUE(RawConnection(path).AddGames(59));
    const auto games = history.Games();
    ASSERT_EQ(games.size(), 60u);
    std::vector<GameReview> reviews;
    for (const RecordedGame& game : games) {
        reviews.push_back(game.review);
    }
    const strategy::PlayerRecord expected = strategy::Summarize(reviews);
    const HistorySummary summary = history.Summary(30, 50);
    ASSERT_EQ(summary.state, HistorySummary::State::Read);
    EXPECT_EQ(summary.record.games, 60);
    EXPECT_DOUBLE_EQ(summary.record.meanTurns, expected.meanTurns);
    EXPECT_DOUBLE_EQ(summary.record.medianTurns, expected.medianTurns);
    EXPECT_NEAR(summary.record.meanSkillCost, expected.meanSkillCost, 1e-12);
    EXPECT_NEAR(summary.record.meanLuck, expected.meanLuck, 1e-12);
    ASSERT_TRUE(summary.record.best);
    EXPECT_EQ(summary.record.best->turns, expected.best->turns);
    EXPECT_EQ(summary.record.best->score, expected.best->score);
    const auto shares = strategy::TurnShares(reviews, 30);
    ASSERT_EQ(summary.turnCounts.size(), 30u);
    for (std::size_t at = 0; at < shares.size(); ++at) {
        EXPECT_NEAR(summary.turnCounts[at], shares[at] * 60, 1e-9) << at + 1 << " turns";
    }
    ASSERT_EQ(summary.recent.size(), 50u);
    for (std::size_t at = 0; at < 50; ++at) {
        EXPECT_EQ(summary.recent[at].number, static_cast<qint64>(at + 11));
        EXPECT_EQ(summary.recent[at].turns, games[at + 10].review.turns);
    }
    const auto page = history.Page(games[30].id, 5);
    ASSERT_EQ(page.size(), 5u);
    EXPECT_EQ(page.front().id, games[29].id);
    EXPECT_EQ(page.back().id, games[25].id);
}

}  // namespace
}  // namespace vorpin
