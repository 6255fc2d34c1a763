// SPDX-License-Identifier: GPL-3.0-or-later
// The Statistics window over a long history: for generated histories of 1 000, 10 000 and
// 100 000 games (five decisions each), the time from asking for the window to its first
// full paint, and the memory the process gains by it. Each size runs in a process of its
// own, so one size's memory does not hide in the next. Also the end-of-game write with
// the file free and with another connection holding it in a write transaction.
//
//   vorpin-history-bench              all sizes, then the write
//   vorpin-history-bench --games N    one size
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "GameHistory.h"
#include "LazyStrategy.h"
#include "StatisticsWindow.h"

namespace {

using namespace vorpin;

// The process's resident memory in MB.
double ResidentMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
        }
    }
    return 0;
}

strategy::GameReview Review(int turns) {
    return strategy::GameReview{turns, 5150, 10.643874146, 0.4, turns - 11.043874146, {}};
}

// A history at `path` holding `games` games with five decisions each.
bool Generate(const QString& path, int games) {
    {
        GameHistory history(path);
        if (!history.Record(Review(10), QDateTime::currentDateTimeUtc())) {
            return false;
        }
    }
    bool made = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "generate");
        db.setDatabaseName(path);
        QSqlQuery query(db.open() ? db : QSqlDatabase());
        made = query.exec(QStringLiteral("BEGIN")) &&
               query.exec(
                   QStringLiteral(
                       "WITH RECURSIVE n(i) AS (SELECT 2 UNION ALL SELECT i + 1 FROM n WHERE i < "
                       "%1) INSERT INTO games (finished, turns, score, expected, skill_cost, luck) "
                       "SELECT strftime('%Y-%m-%dT%H:%M:%SZ', 1700000000 + i * 600, 'unixepoch'), "
                       "4 + abs(random()) % 20, 5000 + 50 * (i % 7), 10.643874146, "
                       "(i % 11) / 10.0, 0 FROM n")
                       .arg(games)) &&
               query.exec(QStringLiteral(
                   "WITH RECURSIVE s(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM s WHERE k < 5) "
                   "INSERT INTO decisions SELECT g.id, s.k, s.k, 1000, 300, '150234', 150, "
                   "'throw 3', 100, 'bank', 0.01 * s.k FROM games g, s WHERE g.id > 1")) &&
               query.exec(QStringLiteral("COMMIT"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("generate"));
    return made;
}

int MeasureWindow(int games) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    if (!Generate(path, games)) {
        std::fprintf(stderr, "the history could not be generated\n");
        return 1;
    }
    strategy::LazyStrategy solution;
    solution.Get();  // solved before, as it is by the time a player has finished a game
    GameHistory history(path, GameHistory::kQuickTimeoutMs);
    const double before = ResidentMb();
    QElapsedTimer clock;
    clock.start();
    const std::clock_t cpu = std::clock();
    StatisticsWindow window(history, solution, nullptr);
    window.show();
    QApplication::processEvents();
    window.repaint();
    const qint64 shown = clock.elapsed();
    const double shownCpu = 1000.0 * static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
    const double after = ResidentMb();
    clock.restart();
    history.Summary(StatisticsWindow::kMostTurnsShown, StatisticsWindow::kRecentGames);
    const qint64 summed = clock.elapsed();
    std::printf(
        "%7d games: shown in %4lld ms (%4.0f ms CPU; its sums read again: %3lld ms), memory "
        "+%5.1f MB\n",
        games, static_cast<long long>(shown), shownCpu, static_cast<long long>(summed),
        after - before);
    return 0;
}

// The end-of-game write, median of 15, with the file free and under another's lock.
void MeasureWrite() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    GameHistory history(path, GameHistory::kQuickTimeoutMs);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "holder");
    db.setDatabaseName(path);
    db.open();
    for (const bool locked : {false, true}) {
        std::vector<qint64> times;
        for (int i = 0; i < 15; ++i) {
            if (locked) {
                QSqlQuery(db).exec(QStringLiteral("BEGIN EXCLUSIVE"));
            }
            QElapsedTimer clock;
            clock.start();
            history.Record(Review(10 + i), QDateTime::currentDateTimeUtc());
            times.push_back(clock.nsecsElapsed());
            if (locked) {
                QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            }
        }
        std::sort(times.begin(), times.end());
        std::printf("end-of-game write, %s: median %.1f ms\n",
                    locked ? "another program holding the file" : "file free",
                    static_cast<double>(times[times.size() / 2]) / 1e6);
    }
    history.Flush();
    db.close();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--games")) {
        return MeasureWindow(args[2].toInt());
    }
    for (const int games : {1000, 10000, 100000}) {
        QProcess::execute(QApplication::applicationFilePath(),
                          {QStringLiteral("--games"), QString::number(games)});
    }
    MeasureWrite();
    return 0;
}
