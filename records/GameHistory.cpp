// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameHistory.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <algorithm>
#include <cstdio>
#include <limits>

#include "HistoryColumns.h"
#include "MovedAside.h"

namespace vorpin {
namespace {

using Mode = HistoryConnection::Mode;

const QString kGameColumns =
    QStringLiteral("SELECT id, finished, turns, score, expected, skill_cost, luck FROM games ");

bool Run(QSqlQuery& query, const QVariantList& values) {
    for (const QVariant& value : values) {
        query.addBindValue(value);
    }
    return query.exec();
}

}  // namespace

QString GameHistory::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/history.sqlite");
}

QString GameHistory::PendingPath(const QString& path) {
    return path + QStringLiteral(".pending");
}

GameHistory::GameHistory(QString path, int busyTimeoutMs, int schemaVersion)
    : path(std::move(path)),
      busyTimeoutMs(busyTimeoutMs),
      schemaVersion(schemaVersion),
      pendingFile(PendingPath(this->path)) {
    if (pendingFile.Exists()) {
        waiting = pendingFile.Load();
        fileRead = true;
    }
}

GameHistory::~GameHistory() {
    reader.reset();
    if (!waiting.empty()) {
        Flush();
    }
    if (fileRead || !waiting.empty()) {
        KeepWaitingInFile();
    }
}

void GameHistory::Complain(const QString& what) const {
    std::fprintf(stderr, "Vorpin: the game history %s %s\n",
                 qPrintable(QDir::toNativeSeparators(path)), qPrintable(what));
}

bool GameHistory::Ready(int timeoutMs) {
    const HistoryConnection to(path, Mode::Write, timeoutMs, schemaVersion);
    if (to.Opened() != Outcome::Done) {
        Complain(QStringLiteral("could not be read: ") + to.Failure());
        return false;
    }
    return true;
}

bool GameHistory::Record(const strategy::GameReview& review, const QDateTime& finished) {
    waiting.push_back(PendingGame{review, finished, false});
    if (WriteWaiting() != Outcome::Done) {
        Complain(QStringLiteral("could not record the game: ") + failure);
        return false;
    }
    return true;
}

bool GameHistory::Flush() {
    if (waiting.empty()) {
        return true;
    }
    if (WriteWaiting() != Outcome::Done) {
        Complain(QStringLiteral("could not record the games waiting: ") + failure);
        return false;
    }
    return true;
}

// Opens the file afresh (a deleted one is started anew) and writes every waiting game
// in one transaction, moving a damaged file aside once. A game that failed stays
// waiting and counts as retried.
GameHistory::Outcome GameHistory::WriteWaiting() {
    const auto attempt = [this] {
        HistoryConnection to(path, Mode::Write, busyTimeoutMs, schemaVersion);
        const Outcome outcome = to.Opened() == Outcome::Done ? Write(to) : to.Opened();
        failure = to.Failure();
        return outcome;
    };
    Outcome outcome = attempt();
    if (outcome == Outcome::Damaged) {
        reader.reset();
        const QString aside = MoveAside(path);
        if (aside.isEmpty()) {
            failure = QStringLiteral("is damaged and could not be moved aside");
        } else {
            std::fprintf(stderr, "Vorpin: the game history %s was damaged and is now %s\n",
                         qPrintable(QDir::toNativeSeparators(path)),
                         qPrintable(QDir::toNativeSeparators(aside)));
            outcome = attempt();
        }
    }
    if (outcome == Outcome::Busy) {
        failure = QStringLiteral("is in use by another program");
    }
    if (outcome != Outcome::Done) {
        for (PendingGame& game : waiting) {
            game.retried = true;
        }
        return outcome;
    }
    const bool retried = std::any_of(waiting.begin(), waiting.end(),
                                     [](const PendingGame& game) { return game.retried; });
    for (const PendingGame& game : waiting) {
        written.insert(GameKey(game.review, game.finished));
    }
    waiting.clear();
    if (retried && fileRead) {
        KeepWaitingInFile();  // the list read at the start is written: it goes
    }
    return outcome;
}

GameHistory::Outcome GameHistory::Write(HistoryConnection& to) {
    QSqlQuery query(to.Database());
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        return to.Fail(query);
    }
    for (const PendingGame& game : waiting) {
        bool failed = false;
        if (AlreadyRecorded(to, game, failed)) {
            continue;
        }
        const Outcome outcome = failed ? Outcome::Failed : Insert(to, game);
        if (outcome != Outcome::Done) {
            QSqlQuery(to.Database()).exec(QStringLiteral("ROLLBACK"));
            return outcome;
        }
    }
    return query.exec(QStringLiteral("COMMIT")) ? Outcome::Done : to.RollBack(query);
}

// A game tried before may have been written by this or another copy of the game.
bool GameHistory::AlreadyRecorded(HistoryConnection& to, const PendingGame& game, bool& failed) {
    if (!game.retried) {
        return false;
    }
    QSqlQuery query(to.Database());
    query.prepare(QStringLiteral(
        "SELECT 1 FROM games WHERE finished = ? AND turns = ? AND score = ? AND expected = ? "
        "AND skill_cost = ? AND luck = ? LIMIT 1"));
    failed = !Run(query, GameValues(game.review, game.finished));
    if (failed) {
        to.Fail(query);
    }
    return !failed && query.next();
}

GameHistory::Outcome GameHistory::Insert(HistoryConnection& to, const PendingGame& game) {
    QSqlQuery query(to.Database());
    query.prepare(
        QStringLiteral("INSERT INTO games (finished, turns, score, expected, "
                       "skill_cost, luck) VALUES (?, ?, ?, ?, ?, ?)"));
    if (!Run(query, GameValues(game.review, game.finished))) {
        return to.Fail(query);
    }
    const QVariant id = query.lastInsertId();
    QSqlQuery decision(to.Database());
    const bool habits = schemaVersion >= 2;
    decision.prepare(
        QStringLiteral("INSERT INTO decisions (game_id, seq, turn, banked, turn_total, dice, "
                       "taken, action, best_taken, best_action, cost%1) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?%2)")
            .arg(habits ? QStringLiteral(", habit, slip") : QString(),
                 habits ? QStringLiteral(", ?, ?") : QString()));
    const strategy::HabitSorter sorter;
    int seq = 0;
    for (const strategy::Decision& made : game.review.decisions) {
        QVariantList values = QVariantList{id, ++seq} + DecisionValues(made);
        if (habits) {
            const HabitColumns columns = HabitColumnsOf(sorter, made);
            values << columns.habit << columns.slip;
        }
        if (!Run(decision, values)) {
            return to.Fail(decision);
        }
    }
    return Outcome::Done;
}

// Leaves in the file the games still waiting here and those another copy of the game
// put there since, less the ones written meanwhile.
void GameHistory::KeepWaitingInFile() {
    std::vector<PendingGame> kept = waiting;
    QSet<QString> keys = written;
    for (const PendingGame& game : kept) {
        keys.insert(GameKey(game.review, game.finished));
    }
    for (const PendingGame& game : pendingFile.Load()) {
        if (!keys.contains(GameKey(game.review, game.finished))) {
            kept.push_back(game);
        }
    }
    fileRead = pendingFile.Save(kept) && !kept.empty();
}

HistoryConnection& GameHistory::Reader() {
    if (!reader || reader->Opened() != Outcome::Done) {
        reader =
            std::make_unique<HistoryConnection>(path, Mode::Read, busyTimeoutMs, schemaVersion);
    }
    return *reader;
}

std::vector<RecordedGame> GameHistory::Games() {
    reader.reset();
    return SelectGames(kGameColumns + QStringLiteral("ORDER BY id"), {});
}

std::vector<RecordedGame> GameHistory::Page(qint64 before, int count) {
    return SelectGames(kGameColumns + QStringLiteral("WHERE id < ? ORDER BY id DESC LIMIT ?"),
                       {before > 0 ? before : std::numeric_limits<qint64>::max(), count});
}

std::vector<RecordedGame> GameHistory::SelectGames(const QString& sql, const QVariantList& values) {
    std::vector<RecordedGame> games;
    HistoryConnection& from = Reader();
    if (from.Opened() != Outcome::Done || !from.HasFile()) {
        if (from.Opened() != Outcome::Done) {
            Complain(QStringLiteral("could not be read: ") + from.Failure());
        }
        return games;
    }
    QSqlQuery query(from.Database());
    query.setForwardOnly(true);
    query.prepare(sql);
    if (!Run(query, values)) {
        from.Fail(query);
        Complain(QStringLiteral("could not be read: ") + from.Failure());
        return games;
    }
    while (query.next()) {
        games.push_back(ReadGame([&query](int column) { return query.value(column + 1); },
                                 query.value(0).toLongLong()));
    }
    return games;
}

HistorySummary GameHistory::Summary(int mostTurns, int recentGames) {
    reader.reset();  // a file replaced or deleted since is read afresh
    HistorySummary summary;
    summary.turnCounts.assign(static_cast<std::size_t>(std::max(mostTurns, 1)), 0);
    HistoryConnection& from = Reader();
    const auto unread = [&summary](Outcome outcome, const QString& reason) {
        summary = HistorySummary{outcome == Outcome::Busy ? HistorySummary::State::Busy
                                                          : HistorySummary::State::Unreadable,
                                 reason,
                                 {},
                                 {},
                                 {}};
        return summary;
    };
    const auto fail = [&](const QSqlQuery& failed) {
        const Outcome outcome = from.Fail(failed);
        QSqlQuery(from.Database()).exec(QStringLiteral("ROLLBACK"));
        return unread(outcome, from.Failure());
    };
    if (from.Opened() != Outcome::Done) {
        return unread(from.Opened(), from.Failure());
    }
    if (!from.HasFile()) {
        return summary;
    }
    QSqlQuery query(from.Database());
    query.setForwardOnly(true);
    std::vector<strategy::TurnsGroup> groups;
    if (!query.exec(QStringLiteral("BEGIN")) ||
        !query.exec(QStringLiteral("SELECT turns, count(*), max(score), total(skill_cost), "
                                   "total(luck) FROM games GROUP BY turns ORDER BY turns"))) {
        return fail(query);
    }
    while (query.next()) {
        groups.push_back({query.value(0).toInt(), query.value(1).toInt(), query.value(2).toInt(),
                          query.value(3).toDouble(), query.value(4).toDouble()});
        const int at = std::clamp(groups.back().turns, 1, mostTurns) - 1;
        summary.turnCounts[static_cast<std::size_t>(at)] += groups.back().games;
    }
    const strategy::PlayerRecord& record = summary.record = strategy::SummarizeGroups(groups);
    query.prepare(QStringLiteral("SELECT turns, skill_cost FROM games ORDER BY id DESC LIMIT ?"));
    if (!Run(query, {recentGames})) {
        return fail(query);
    }
    for (qint64 number = record.games; query.next(); --number) {
        summary.recent.insert(summary.recent.begin(),
                              {number, query.value(0).toInt(), query.value(1).toDouble()});
    }
    query.exec(QStringLiteral("COMMIT"));
    return summary;
}

std::optional<strategy::GameReview> GameHistory::Review(qint64 id) {
    const std::vector<RecordedGame> found =
        SelectGames(kGameColumns + QStringLiteral("WHERE id = ?"), {id});
    if (found.empty()) {
        return std::nullopt;
    }
    std::optional<strategy::GameReview> review = found.front().review;
    HistoryConnection& from = Reader();
    QSqlQuery query(from.Database());
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT turn, banked, turn_total, dice, taken, action, "
                       "best_taken, best_action, cost FROM decisions "
                       "WHERE game_id = ? ORDER BY seq"));
    if (!Run(query, {id})) {
        from.Fail(query);
        Complain(QStringLiteral("could not be read: ") + from.Failure());
        return review;
    }
    while (query.next()) {
        review->decisions.push_back(
            ReadDecision([&query](int column) { return query.value(column); }));
    }
    return review;
}

}  // namespace vorpin
