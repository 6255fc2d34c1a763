// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QSet>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "GameCoach.h"
#include "GameRows.h"
#include "HistoryConnection.h"
#include "PendingGames.h"
#include "PlayerRecord.h"

namespace vorpin {

// The history's figures, worked out by the database, for the Statistics window.
struct HistorySummary {
    enum class State { Read, Busy, Unreadable };
    struct Recent {
        qint64 number = 0;  // 1 for the first game recorded
        int turns = 0;
        double skillCost = 0;
    };

    State state = State::Read;
    QString reason;  // why the history could not be read
    strategy::PlayerRecord record;
    // Games that took 1, 2, ... turns, at [turns - 1]; the last entry also holds longer ones.
    std::vector<int> turnCounts;
    std::vector<Recent> recent;  // the last games, oldest first
};

// The history of finished games: an SQLite database, written once at the end of each
// game in one transaction. Two running copies may record at the same time; a writer
// waits up to `busyTimeoutMs` for the other. When the file cannot be read or written the
// history says so in one line on standard error and the caller goes on; a damaged file
// is moved aside, never written over.
//
// A game that cannot be written when it ends waits in memory and is written with the
// next write, the next Flush() or when the history closes; the games still waiting then
// are kept in a file beside the database (`<path>.pending`) and read back by the next
// history on that path. Each write opens the file afresh, so a file deleted meanwhile is
// started anew. A game that waited is looked for in the file before it is written, in
// the same transaction, so a game written once is never written again.
class GameHistory {
public:
    static constexpr int kSchemaVersion = HistoryConnection::kSchemaVersion;
    static constexpr int kBusyTimeoutMs = 3000;
    // For a window that must not wait: a locked file leaves the game waiting instead.
    static constexpr int kQuickTimeoutMs = 10;

    // history.sqlite in the per-user application-data folder.
    static QString DefaultPath();
    static QString PendingPath(const QString& path);

    // `schemaVersion` is the newest schema this copy makes and reads: the game's own, or
    // an older one to act as an older version of the game does.
    explicit GameHistory(QString path, int busyTimeoutMs = kBusyTimeoutMs,
                         int schemaVersion = kSchemaVersion);
    ~GameHistory();
    GameHistory(const GameHistory&) = delete;
    GameHistory& operator=(const GameHistory&) = delete;

    const QString& Path() const { return path; }
    int SchemaVersion() const { return schemaVersion; }

    // Makes the file, or brings it to the current schema, waiting up to `timeoutMs`
    // for another program; false, after one line on standard error, when it cannot.
    bool Ready(int timeoutMs = kBusyTimeoutMs);

    // Writes the game, after any still waiting; false, after one line on standard
    // error, when it could not be written yet and waits.
    bool Record(const strategy::GameReview& review, const QDateTime& finished);
    // Writes the games waiting; true when none is left waiting.
    bool Flush();
    int Waiting() const { return static_cast<int>(waiting.size()); }
    // Why the last write failed.
    const QString& Failure() const { return failure; }

    // Every recorded game, oldest first, without its decisions.
    std::vector<RecordedGame> Games();
    // Up to `count` games recorded before game `before` (0: from the newest), newest first.
    std::vector<RecordedGame> Page(qint64 before, int count);
    // The figures, the turns of every game up to `mostTurns` and the last `recentGames`.
    HistorySummary Summary(int mostTurns, int recentGames);
    // The review of game `id` with its decisions, in the order they were made.
    std::optional<strategy::GameReview> Review(qint64 id);

    // One line on standard error about the history's file: its name, then `what`.
    void Complain(const QString& what) const;

private:
    using Outcome = HistoryConnection::Outcome;

    Outcome WriteWaiting();
    Outcome Write(HistoryConnection& to);
    Outcome Insert(HistoryConnection& to, const PendingGame& game);
    bool AlreadyRecorded(HistoryConnection& to, const PendingGame& game, bool& failed);
    void KeepWaitingInFile();
    HistoryConnection& Reader();
    std::vector<RecordedGame> SelectGames(const QString& sql, const QVariantList& values);

    QString path;
    int busyTimeoutMs;
    int schemaVersion;
    QString failure;
    std::vector<PendingGame> waiting;
    PendingGamesFile pendingFile;
    bool fileRead = false;
    QSet<QString> written;  // the games this history wrote, by GameKey
    std::unique_ptr<HistoryConnection> reader;
};

}  // namespace vorpin
