// SPDX-License-Identifier: GPL-3.0-or-later
// Habits over a large history: the database adds up every decision by habit and slip.
// Histories of 1 000, 10 000 and 100 000 games of 30 decisions each are made once per
// run in a scratch folder, from a pool of decisions of a player who mostly plays best;
// each iteration opens the history anew, as the Habits window does, and reads the habits.

#include <benchmark/benchmark.h>

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <algorithm>
#include <map>
#include <memory>

#include "GameHistory.h"
#include "HabitsQuery.h"
#include "HistoryColumns.h"
#include "SampleHistory.h"

namespace {

using namespace vorpin;

constexpr int kDecisionsPerGame = 30;
constexpr int kPoolSize = 4000;

// A pool of decisions with their habits, for the database to copy from.
void FillPool(QSqlQuery& query) {
    const strategy::OptimalStrategy solved;
    const strategy::HabitSorter sorter;
    std::mt19937 engine(17);
    query.exec(
        "CREATE TEMP TABLE pool (k INTEGER PRIMARY KEY, turn, banked, turn_total, dice, taken, "
        "action, best_taken, best_action, cost, habit, slip)");
    query.prepare("INSERT INTO pool VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (int k = 0; k < kPoolSize; ++k) {
        const strategy::Decision made = SampleDecision(solved, engine, 4);
        const HabitColumns columns = HabitColumnsOf(sorter, made);
        for (const QVariant& value :
             {QVariant(k), QVariant(made.turn), QVariant(made.position.banked),
              QVariant(made.position.turnTotal), QVariant(StoredDice(made.position.dice)),
              QVariant(made.done.points),
              QVariant(QString::fromStdString(strategy::EndingText(made.done))),
              QVariant(made.best.points),
              QVariant(QString::fromStdString(strategy::EndingText(made.best))),
              QVariant(made.cost), QVariant(columns.habit), QVariant(columns.slip)}) {
            query.addBindValue(value);
        }
        query.exec();
    }
}

// A history of `games` games made by the game's own schema, filled by the database.
class LargeHistory {
public:
    explicit LargeHistory(int games) : path(dir.filePath(QStringLiteral("history.sqlite"))) {
        GameHistory(path).Ready();
        const QString name = QStringLiteral("fill");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(path);
            db.open();
            QSqlQuery query(db);
            query.exec("BEGIN");
            FillPool(query);
            query.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
                                      "FROM n WHERE i < %1) INSERT INTO games SELECT i, "
                                      "'2026-12-07T03:04:05Z', 12, 5000, 10.643874146, 0, 0 "
                                      "FROM n")
                           .arg(games));
            query.exec(
                QStringLiteral("WITH RECURSIVE s(seq) AS (SELECT 1 UNION ALL SELECT seq + 1 FROM s "
                               "WHERE seq < %1) INSERT INTO decisions (game_id, seq, turn, banked, "
                               "turn_total, dice, taken, action, best_taken, best_action, cost, "
                               "habit, slip) SELECT g.id, s.seq, p.turn, p.banked, p.turn_total, "
                               "p.dice, p.taken, p.action, p.best_taken, p.best_action, p.cost, "
                               "p.habit, p.slip FROM games g, s JOIN pool p ON p.k = "
                               "(g.id * 7919 + s.seq * 104729) % %2")
                    .arg(kDecisionsPerGame)
                    .arg(kPoolSize));
            query.exec(
                "UPDATE games SET skill_cost = (SELECT total(cost) FROM decisions "
                "WHERE game_id = games.id), luck = turns - expected - skill_cost");
            query.exec("COMMIT");
            query.exec("PRAGMA wal_checkpoint(TRUNCATE)");
        }
        QSqlDatabase::removeDatabase(name);
    }

    const QString& Path() const { return path; }

private:
    QTemporaryDir dir;
    QString path;
};

LargeHistory& HistoryOf(int games) {
    static std::map<int, std::unique_ptr<LargeHistory>> made;
    auto& history = made[games];
    if (!history) {
        history = std::make_unique<LargeHistory>(games);
    }
    return *history;
}

void BM_Habits(benchmark::State& state) {
    const int games = static_cast<int>(state.range(0));
    const LargeHistory& large = HistoryOf(games);
    std::size_t habits = 0;
    for (auto _ : state) {
        GameHistory history(large.Path());
        HabitsQuery query(history);
        habits = query.Habits().size();
        benchmark::DoNotOptimize(habits);
    }
    state.counters["decisions"] = static_cast<double>(games) * kDecisionsPerGame;
    state.counters["habits"] = static_cast<double>(habits);
}
BENCHMARK(BM_Habits)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The costliest 500 decisions of the habit with the most decisions, as a habit opens them.
void BM_HabitDecisions(benchmark::State& state) {
    const int games = static_cast<int>(state.range(0));
    GameHistory history(HistoryOf(games).Path());
    HabitsQuery query(history);
    const auto habits = query.Habits();
    const auto largest = std::max_element(habits.begin(), habits.end(), [](auto& a, auto& b) {
        return a.Decisions() < b.Decisions();
    });
    for (auto _ : state) {
        benchmark::DoNotOptimize(query.Decisions(largest->habit, 500));
    }
    state.counters["habit_decisions"] = largest->Decisions();
}
BENCHMARK(BM_HabitDecisions)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
