// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameHistory.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <QVariant>
#include <cstdio>

#include "HistoryColumns.h"

namespace vorpin {
namespace {

// SQLite's result codes for a file that is no database, or a damaged one.
// Switching to the write-ahead log needs the file to itself, and SQLite answers "busy"
// at once there rather than waiting out its busy timeout (as when another copy is making
// the same new file); the switch is asked for again until that timeout has passed.
bool SwitchToWriteAheadLog(QSqlQuery& query, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!query.exec(QStringLiteral("PRAGMA journal_mode = WAL"))) {
        const bool busy = query.lastError().nativeErrorCode() == QLatin1String("5");
        if (!busy || deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(5);
    }
    return true;
}

bool IsDamage(const QSqlError& error) {
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("11") || code == QLatin1String("26");
}

const char* const kCreate[] = {
    "CREATE TABLE games ("
    " id INTEGER PRIMARY KEY,"
    " finished TEXT NOT NULL,"
    " turns INTEGER NOT NULL,"
    " score INTEGER NOT NULL,"
    " expected REAL NOT NULL,"
    " skill_cost REAL NOT NULL,"
    " luck REAL NOT NULL)",
    "CREATE TABLE decisions ("
    " game_id INTEGER NOT NULL REFERENCES games(id) ON DELETE CASCADE,"
    " seq INTEGER NOT NULL,"
    " turn INTEGER NOT NULL,"
    " banked INTEGER NOT NULL,"
    " turn_total INTEGER NOT NULL,"
    " dice TEXT NOT NULL,"
    " taken INTEGER NOT NULL,"
    " action TEXT NOT NULL,"
    " best_taken INTEGER NOT NULL,"
    " best_action TEXT NOT NULL,"
    " cost REAL NOT NULL,"
    " PRIMARY KEY (game_id, seq))",
    "PRAGMA user_version = 1",
};

}  // namespace

QString GameHistory::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/history.sqlite");
}

GameHistory::GameHistory(QString path, int busyTimeoutMs, int schemaVersion)
    : path(std::move(path)),
      busyTimeoutMs(busyTimeoutMs),
      schemaVersion(schemaVersion),
      connection(QStringLiteral("vorpin-history-%1").arg(reinterpret_cast<quintptr>(this))) {}

GameHistory::~GameHistory() {
    Close();
}

void GameHistory::Close() {
    if (QSqlDatabase::contains(connection)) {
        QSqlDatabase::database(connection, false).close();
        QSqlDatabase::removeDatabase(connection);
    }
    open = false;
}

void GameHistory::Complain(const QString& what) {
    std::fprintf(stderr, "Vorpin: the game history %s %s\n",
                 qPrintable(QDir::toNativeSeparators(path)), qPrintable(what));
}

GameHistory::Outcome GameHistory::Fail(const QSqlQuery& query) {
    failure = query.lastError().text();
    return IsDamage(query.lastError()) ? Outcome::Damaged : Outcome::Failed;
}

// Opens the file, moving a damaged one aside once.
bool GameHistory::Open() {
    if (open) {
        return true;
    }
    Outcome outcome = OpenOnce();
    if (outcome == Outcome::Damaged && MoveAside()) {
        outcome = OpenOnce();
    }
    open = outcome == Outcome::Done;
    if (!open) {
        Close();
    }
    return open;
}

GameHistory::Outcome GameHistory::OpenOnce() {
    Close();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        failure = QStringLiteral("has no folder that can be made");
        return Outcome::Failed;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    if (!db.isValid()) {
        failure = QStringLiteral("needs the SQLite driver of Qt, which is missing");
        return Outcome::Failed;
    }
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (!db.open()) {
        failure = db.lastError().text();
        return IsDamage(db.lastError()) ? Outcome::Damaged : Outcome::Failed;
    }
    QSqlQuery query(db);
    if (!SwitchToWriteAheadLog(query, busyTimeoutMs) ||
        !query.exec(QStringLiteral("PRAGMA foreign_keys = ON"))) {
        return Fail(query);
    }
    return Migrate();
}

// Brings an empty or older file to the current schema; refuses a newer one.
GameHistory::Outcome GameHistory::Migrate() {
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        return Fail(query);
    }
    const auto rollBack = [this, &db](const QSqlQuery& failed) {
        const Outcome outcome = Fail(failed);
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return outcome;
    };
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        return rollBack(query);
    }
    const int version = query.value(0).toInt();
    query.finish();
    if (version == 0) {
        for (const char* statement : kCreate) {
            if (!query.exec(QLatin1String(statement))) {
                return rollBack(query);
            }
        }
    }
    // The schema's later steps, each from the version before it.
    if (version < 2 && schemaVersion >= 2 && !UpgradeToVersion2(db, query)) {
        return rollBack(query);
    }
    if (!query.exec(QStringLiteral("COMMIT"))) {
        return rollBack(query);
    }
    if (version > schemaVersion) {
        failure = QStringLiteral("was made by a newer version of the game");
        return Outcome::Failed;
    }
    return Outcome::Done;
}

// Moves a damaged file, with its write-ahead log, to a free name beside it.
bool GameHistory::MoveAside() {
    Close();
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString aside = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n) {
        aside = path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    }
    if (!QFile::rename(path, aside)) {
        failure = QStringLiteral("is damaged and could not be moved aside");
        return false;
    }
    for (const QString& suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        QFile::rename(path + suffix, aside + suffix);
    }
    std::fprintf(stderr, "Vorpin: the game history %s was damaged and is now %s\n",
                 qPrintable(QDir::toNativeSeparators(path)),
                 qPrintable(QDir::toNativeSeparators(aside)));
    return true;
}

bool GameHistory::Ready() {
    if (!Open()) {
        Complain(QStringLiteral("could not be read: ") + failure);
        return false;
    }
    return true;
}

bool GameHistory::Record(const strategy::GameReview& review, const QDateTime& finished) {
    Outcome outcome = Open() ? Write(review, finished) : Outcome::Failed;
    if (outcome == Outcome::Damaged && MoveAside() && Open()) {
        outcome = Write(review, finished);
    }
    if (outcome != Outcome::Done) {
        Complain(QStringLiteral("could not record the game: ") + failure);
        return false;
    }
    return true;
}

GameHistory::Outcome GameHistory::Write(const strategy::GameReview& review,
                                        const QDateTime& finished) {
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        return Fail(query);
    }
    const auto rollBack = [&](const QSqlQuery& failed) {
        const Outcome outcome = Fail(failed);
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return outcome;
    };
    query.prepare(
        QStringLiteral("INSERT INTO games (finished, turns, score, expected, "
                       "skill_cost, luck) VALUES (?, ?, ?, ?, ?, ?)"));
    for (const QVariant& value :
         {QVariant(finished.toUTC().toString(Qt::ISODate)), QVariant(review.turns),
          QVariant(review.score), QVariant(review.expected), QVariant(review.skillCost),
          QVariant(review.luck)}) {
        query.addBindValue(value);
    }
    if (!query.exec()) {
        return rollBack(query);
    }
    const QVariant game = query.lastInsertId();
    QSqlQuery decision(db);
    const bool habits = schemaVersion >= 2;
    decision.prepare(
        QStringLiteral("INSERT INTO decisions (game_id, seq, turn, banked, turn_total, dice, "
                       "taken, action, best_taken, best_action, cost%1) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?%2)")
            .arg(habits ? QStringLiteral(", habit, slip") : QString(),
                 habits ? QStringLiteral(", ?, ?") : QString()));
    const strategy::HabitSorter sorter;
    int seq = 0;
    for (const strategy::Decision& made : review.decisions) {
        for (const QVariant& value :
             {game, QVariant(++seq), QVariant(made.turn), QVariant(made.position.banked),
              QVariant(made.position.turnTotal), QVariant(StoredDice(made.position.dice)),
              QVariant(made.done.points),
              QVariant(QString::fromStdString(strategy::EndingText(made.done))),
              QVariant(made.best.points),
              QVariant(QString::fromStdString(strategy::EndingText(made.best))),
              QVariant(made.cost)}) {
            decision.addBindValue(value);
        }
        if (habits) {
            const HabitColumns columns = HabitColumnsOf(sorter, made);
            decision.addBindValue(columns.habit);
            decision.addBindValue(columns.slip);
        }
        if (!decision.exec()) {
            return rollBack(decision);
        }
    }
    if (!query.exec(QStringLiteral("COMMIT"))) {
        return rollBack(query);
    }
    return Outcome::Done;
}

std::vector<RecordedGame> GameHistory::Games() {
    return SelectGames(QString());
}

std::vector<RecordedGame> GameHistory::SelectGames(const QString& where, qint64 id) {
    std::vector<RecordedGame> games;
    if (!Open()) {
        Complain(QStringLiteral("could not be read: ") + failure);
        return games;
    }
    QSqlQuery query(QSqlDatabase::database(connection, false));
    query.prepare(QStringLiteral("SELECT id, finished, turns, score, expected, skill_cost, "
                                 "luck FROM games ") +
                  where + QStringLiteral(" ORDER BY id"));
    if (!where.isEmpty()) {
        query.addBindValue(id);
    }
    if (!query.exec()) {
        Fail(query);
        Complain(QStringLiteral("could not be read: ") + failure);
        return games;
    }
    while (query.next()) {
        RecordedGame game;
        game.id = query.value(0).toLongLong();
        game.finished = QDateTime::fromString(query.value(1).toString(), Qt::ISODate);
        game.review = strategy::GameReview{query.value(2).toInt(),    query.value(3).toInt(),
                                           query.value(4).toDouble(), query.value(5).toDouble(),
                                           query.value(6).toDouble(), {}};
        games.push_back(std::move(game));
    }
    return games;
}

std::optional<strategy::GameReview> GameHistory::Review(qint64 id) {
    const std::vector<RecordedGame> found = SelectGames(QStringLiteral("WHERE id = ?"), id);
    if (found.empty()) {
        return std::nullopt;
    }
    std::optional<strategy::GameReview> review = found.front().review;
    QSqlQuery query(QSqlDatabase::database(connection, false));
    query.prepare(
        QStringLiteral("SELECT turn, banked, turn_total, dice, taken, action, "
                       "best_taken, best_action, cost FROM decisions "
                       "WHERE game_id = ? ORDER BY seq"));
    query.addBindValue(id);
    if (!query.exec()) {
        Fail(query);
        Complain(QStringLiteral("could not be read: ") + failure);
        return review;
    }
    while (query.next()) {
        review->decisions.push_back(ReadDecision(query, 0));
    }
    return review;
}

}  // namespace vorpin
