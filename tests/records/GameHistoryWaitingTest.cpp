// SPDX-License-Identifier: GPL-3.0-or-later
// The history when it cannot write at once: a lock held by another program, games waiting
// at close, a damaged waiting list, a deleted file, a read-only file or folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QVariant>

#include "GameHistory.h"
#include "HistoryTestKit.h"
#include "RawConnection.h"

namespace vorpin {
namespace {

using strategy::GameReview;

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
