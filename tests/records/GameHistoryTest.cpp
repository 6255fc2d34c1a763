// SPDX-License-Identifier: GPL-3.0-or-later
// The history database: real SQLite files in a scratch folder.
#include "GameHistory.h"
#include "RawConnection.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <thread>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace vorpin {
namespace {

using strategy::Decision;
using strategy::GameReview;
using strategy::Move;
using strategy::Position;

GameReview SampleReview(int turns) {
    return GameReview{turns,
                      5150,
                      10.643874146,
                      0.75,
                      turns - 10.643874146 - 0.75,
                      {Decision{1, Position{0, 0, {1, 5, 2, 3, 6, 6}}, Move{150, false, 4},
                                Move{100, false, 5}, 0.25},
                       Decision{3, Position{2000, 300, {0, 0, 5, 4, 1, 0}}, Move{50, true, 0},
                                Move{150, false, 6}, 0.5}}};
}

const QDateTime kFinished(QDate(2026, 12, 7), QTime(3, 4, 5), Qt::UTC);

class GameHistoryTest : public ::testing::Test {
protected:
    QString PathIn(const QString& sub) const { return dir.filePath(sub + "/history.sqlite"); }

    QTemporaryDir dir;
};

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
#ifdef _WIN32
    GTEST_SKIP() << "Windows folders take new files whatever their read-only mark";
#else
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes through read-only folders";
    }
#endif
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

// Another program holds the file in a write transaction while a game ends: the game
// waits without the history waiting out the lock, reading goes on, and once the lock
// goes the game is written exactly once.
TEST_F(GameHistoryTest, AGameEndingUnderALockWaitsAndIsWrittenOnce) {
    const QString path = PathIn("held");
    GameHistory history(path, GameHistory::kQuickTimeoutMs);
    ASSERT_TRUE(history.Record(SampleReview(10), kFinished));
    RawConnection other(path);
    ASSERT_TRUE(other.Exec("BEGIN EXCLUSIVE"));
    QElapsedTimer clock;
    clock.start();
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(history.Record(SampleReview(11), kFinished));
    ::testing::internal::GetCapturedStderr();
    EXPECT_LT(clock.elapsed(), GameHistory::kBusyTimeoutMs / 3);  // far from a full wait
    EXPECT_EQ(history.Waiting(), 1);
    EXPECT_EQ(history.Failure(), "is in use by another program");
    const HistorySummary during = history.Summary(30, 50);
    EXPECT_EQ(during.state, HistorySummary::State::Read);
    EXPECT_EQ(during.record.games, 1);
    ASSERT_TRUE(other.Exec("ROLLBACK"));

    EXPECT_TRUE(history.Flush());
    EXPECT_TRUE(history.Flush());
    EXPECT_TRUE(history.Record(SampleReview(12), kFinished));
    EXPECT_EQ(other.Value("SELECT count(*) FROM games WHERE turns = 11").toInt(), 1);
    EXPECT_EQ(other.Value("SELECT count(*) FROM games").toInt(), 3);
    EXPECT_EQ(other.Value("SELECT count(*) FROM decisions").toInt(), 6);
}

// Games still waiting when the history closes are kept beside it and written by the next
// history on that path, once, even when the same list is read again (a second copy of
// the game, or a list that could not be removed).
TEST_F(GameHistoryTest, GamesWaitingAtCloseAreRecordedAtTheNextStartOnce) {
    const QString path = PathIn("closing");
    const QString pending = GameHistory::PendingPath(path);
    {
        RawConnection other(path);
        {
            GameHistory history(path, GameHistory::kQuickTimeoutMs);
            ASSERT_TRUE(history.Record(SampleReview(10), kFinished));
            ASSERT_TRUE(other.Exec("BEGIN EXCLUSIVE"));
            ::testing::internal::CaptureStderr();
            history.Record(SampleReview(11), kFinished);
            history.Record(SampleReview(12), kFinished.addSecs(60));
        }
        ::testing::internal::GetCapturedStderr();
        ASSERT_TRUE(other.Exec("ROLLBACK"));
        EXPECT_EQ(other.Value("SELECT count(*) FROM games").toInt(), 1);
    }
    ASSERT_TRUE(QFileInfo::exists(pending));
    ASSERT_TRUE(QFile::copy(pending, dir.filePath("copy")));
    {
        GameHistory next(path);
        EXPECT_EQ(next.Waiting(), 2);
        EXPECT_TRUE(next.Flush());
    }
    EXPECT_FALSE(QFileInfo::exists(pending));
    ASSERT_TRUE(QFile::copy(dir.filePath("copy"), pending));
    {
        GameHistory again(path);
        EXPECT_TRUE(again.Flush());
    }
    const auto games = GameHistory(path).Games();
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ(games[1].review.turns, 11);
    EXPECT_EQ(games[2].finished, kFinished.addSecs(60));
    EXPECT_EQ(GameHistory(path).Review(games[2].id)->decisions.size(), 2u);
    EXPECT_FALSE(QFileInfo::exists(pending));
}

// Permissions that root ignores and Windows lacks; the unprivileged run covers them.
bool PermissionsHold() {
#ifdef _WIN32
    return false;
#else
    return geteuid() != 0;
#endif
}

// A waiting list that is not one, or cannot be read, is moved aside with one line, so
// the next list written does not replace it; nothing else is lost.
TEST_F(GameHistoryTest, ADamagedWaitingListIsMovedAside) {
    const QString path = PathIn("garbled");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    std::vector<QByteArray> contents = {QByteArray("not json"),
                                        QByteArray(R"({"games":[{"values":[1,2]}]})")};
    if (PermissionsHold()) {
        contents.push_back(QByteArray());  // a list that cannot be read
    }
    for (const QByteArray& content : contents) {
        QFile file(GameHistory::PendingPath(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        if (content.isEmpty()) {
            file.setPermissions(QFile::WriteOwner);
        }
        ::testing::internal::CaptureStderr();
        GameHistory history(path);
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(history.Waiting(), 0) << content.toStdString();
        EXPECT_NE(said.find("the file is now"), std::string::npos) << said;
        EXPECT_TRUE(history.Record(SampleReview(10), kFinished));
    }
    EXPECT_EQ(QDir(QFileInfo(path).absolutePath())
                  .entryList({QStringLiteral("history.sqlite.pending.damaged-*")})
                  .size(),
              std::ssize(contents));
    EXPECT_EQ(GameHistory(path).Games().size(), contents.size());
}

// The file deleted between two games, as a player clearing data or a sync tool would:
// the next games start a new file and both are in it.
TEST_F(GameHistoryTest, ADeletedFileIsStartedAnew) {
    const QString path = PathIn("deleted");
    GameHistory history(path);
    ASSERT_TRUE(history.Record(SampleReview(10), kFinished));
    ASSERT_EQ(history.Summary(30, 50).record.games, 1);
    for (const char* suffix : {"", "-wal", "-shm"}) {
        QFile::remove(path + suffix);
    }
    EXPECT_TRUE(history.Record(SampleReview(11), kFinished));
    EXPECT_TRUE(history.Record(SampleReview(12), kFinished));
    EXPECT_EQ(history.Summary(30, 50).record.games, 2);
    RawConnection raw(path);
    EXPECT_EQ(raw.Value("SELECT group_concat(turns) FROM games").toString(), "11,12");
}

// A history that cannot be written is still read, through no side files: the games and
// their reviews show, the game that ends waits, and is written once writing is allowed.
TEST_F(GameHistoryTest, AReadOnlyFileOrFolderIsReadWithoutSideFiles) {
    if (!PermissionsHold()) {
        GTEST_SKIP() << "permissions do not hold here";
    }
    const auto readOnly = QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup;
    const auto folderReadOnly = readOnly | QFile::ExeOwner | QFile::ExeUser;
    const struct {
        const char* what;
        bool folder;
    } cases[] = {{"file", false}, {"folder", true}};
    for (const auto& [what, folder] : cases) {
        SCOPED_TRACE(what);
        const QString path = PathIn(what);
        const QString place = QFileInfo(path).absolutePath();
        {
            GameHistory writer(path);
            ASSERT_TRUE(writer.Record(SampleReview(10), kFinished));
            ASSERT_TRUE(writer.Record(SampleReview(11), kFinished));
        }
        const auto permissions = QFile::permissions(folder ? place : path);
        QFile::setPermissions(folder ? place : path, folder ? folderReadOnly : readOnly);
        {
            GameHistory history(path, GameHistory::kQuickTimeoutMs);
            const HistorySummary summary = history.Summary(30, 50);
            EXPECT_EQ(summary.state, HistorySummary::State::Read);
            EXPECT_EQ(summary.record.games, 2);
            const auto listed = history.Page(0, 10);
            ASSERT_EQ(listed.size(), 2u);
            EXPECT_EQ(listed[0].review.turns, 11);
            EXPECT_EQ(history.Review(listed[1].id)->decisions.size(), 2u);
            ::testing::internal::CaptureStderr();
            EXPECT_FALSE(history.Record(SampleReview(12), kFinished));
            EXPECT_NE(::testing::internal::GetCapturedStderr(), "");
            EXPECT_EQ(QDir(place).entryList(QDir::Files),
                      QStringList{QStringLiteral("history.sqlite")});
            QFile::setPermissions(folder ? place : path, permissions);
            EXPECT_TRUE(history.Flush());
        }
        EXPECT_EQ(RawConnection(path).Value("SELECT count(*) FROM games").toInt(), 3);
    }
}

// Side files left read-only by an earlier run against a read-only file no longer keep
// the history from being written once the file is writable again.
TEST_F(GameHistoryTest, ReadOnlySideFilesAreMadeWritableAgain) {
    if (!PermissionsHold()) {
        GTEST_SKIP() << "permissions do not hold here";
    }
    const QString path = PathIn("sides");
    {
        GameHistory writer(path);
        ASSERT_TRUE(writer.Record(SampleReview(10), kFinished));
    }
    for (const char* suffix : {"-wal", "-shm"}) {
        QFile side(path + suffix);
        ASSERT_TRUE(side.open(QIODevice::WriteOnly));
        side.close();
        QFile::setPermissions(path + suffix, QFile::ReadOwner | QFile::ReadUser);
    }
    GameHistory history(path);
    EXPECT_TRUE(history.Record(SampleReview(11), kFinished));
    EXPECT_EQ(history.Summary(30, 50).record.games, 2);
}

}  // namespace
}  // namespace vorpin
