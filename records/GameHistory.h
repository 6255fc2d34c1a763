// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <optional>
#include <vector>

#include "GameCoach.h"

class QSqlQuery;

namespace vorpin {

// A finished game as the history lists it; its decisions come with Review().
struct RecordedGame {
    qint64 id = 0;
    QDateTime finished;  // UTC
    strategy::GameReview review;
};

// The history of finished games: an SQLite database, written once at the end of each
// game in one transaction. Two running copies may record at the same time; a writer
// waits up to `busyTimeoutMs` for the other. When the file cannot be read or written the
// history says so in one line on standard error and the caller goes on; a damaged file
// is moved aside, never written over.
class GameHistory {
public:
    static constexpr int kSchemaVersion = 2;
    static constexpr int kBusyTimeoutMs = 3000;

    // history.sqlite in the per-user application-data folder.
    static QString DefaultPath();

    // `schemaVersion` is the newest schema this copy makes and reads: the game's own, or
    // an older one to act as an older version of the game does.
    explicit GameHistory(QString path, int busyTimeoutMs = kBusyTimeoutMs,
                         int schemaVersion = kSchemaVersion);
    ~GameHistory();
    GameHistory(const GameHistory&) = delete;
    GameHistory& operator=(const GameHistory&) = delete;

    const QString& Path() const { return path; }

    // Opens the file and brings it to the current schema; false, after one line on
    // standard error, when it cannot.
    bool Ready();
    // False, after one line on standard error, when the game could not be recorded.
    bool Record(const strategy::GameReview& review, const QDateTime& finished);
    // Every recorded game, oldest first, without its decisions.
    std::vector<RecordedGame> Games();
    // The review of game `id` with its decisions, in the order they were made.
    std::optional<strategy::GameReview> Review(qint64 id);

private:
    enum class Outcome { Done, Damaged, Failed };

    bool Open();
    Outcome OpenOnce();
    Outcome Migrate();
    Outcome Write(const strategy::GameReview& review, const QDateTime& finished);
    Outcome Fail(const QSqlQuery& query);
    // The games that `where` (an SQL condition on one bound id, or empty) picks, oldest
    // first, without their decisions.
    std::vector<RecordedGame> SelectGames(const QString& where, qint64 id = 0);
    void Close();
    bool MoveAside();
    void Complain(const QString& what);

    QString path;
    int busyTimeoutMs;
    int schemaVersion;
    QString connection;
    QString failure;
    bool open = false;
};

}  // namespace vorpin
