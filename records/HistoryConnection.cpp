// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryConnection.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUrl>
#include <QVariant>
#include <vector>

#include "HistoryColumns.h"

namespace vorpin {
namespace {

// What brings the schema from version N to N + 1: statements, then values filled in
// for the rows already there, then statements that are quicker once those are in.
struct SchemaStep {
    std::vector<const char*> statements;
    bool (*fill)(const QSqlDatabase& db, QSqlQuery& failed) = nullptr;
    std::vector<const char*> after;
};

// The steps, from version N at [N]; a new version adds one step at the end.
const std::vector<SchemaStep>& SchemaSteps() {
    static const std::vector<SchemaStep> steps = {
        {{"CREATE TABLE games ("
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
          " PRIMARY KEY (game_id, seq))"},
         nullptr,
         {}},
        // Each decision's kind of choice, the indexes habits and practice read by, and
        // the practice answers.
        {{"ALTER TABLE decisions ADD COLUMN habit INTEGER NOT NULL DEFAULT 0",
          "ALTER TABLE decisions ADD COLUMN slip INTEGER NOT NULL DEFAULT 0",
          "CREATE TABLE practice ("
          " id INTEGER PRIMARY KEY,"
          " answered TEXT NOT NULL,"
          " source TEXT NOT NULL,"
          " banked INTEGER NOT NULL,"
          " turn_total INTEGER NOT NULL,"
          " dice TEXT NOT NULL,"
          " taken INTEGER NOT NULL,"
          " action TEXT NOT NULL,"
          " best_taken INTEGER NOT NULL,"
          " best_action TEXT NOT NULL,"
          " cost REAL NOT NULL)"},
         FillHabits,
         {"CREATE INDEX decisions_habit ON decisions (habit, slip, cost)",
          "CREATE INDEX decisions_costly ON decisions (cost) WHERE cost >= 0.05"}},
    };
    return steps;
}

// Indexes kept on a file of any version, made when missing: the games by their turns,
// covering what Statistics sums, so its figures come from one pass over the index.
const char* const kIndexes[] = {
    "CREATE INDEX IF NOT EXISTS games_by_turns ON games (turns, score, skill_cost, luck)",
};

bool Run(QSqlQuery& query, const std::vector<const char*>& statements) {
    for (const char* statement : statements) {
        if (!query.exec(QLatin1String(statement))) {
            return false;
        }
    }
    return true;
}

// One step inside the caller's transaction; false with `query` holding what failed.
bool TakeStep(const SchemaStep& step, const QSqlDatabase& db, QSqlQuery& query) {
    return Run(query, step.statements) && (!step.fill || step.fill(db, query)) &&
           Run(query, step.after);
}

QString ConnectionName(const void* owner) {
    return QStringLiteral("vorpin-history-%1").arg(reinterpret_cast<quintptr>(owner));
}

bool IsBusy(const QString& code) {
    return code == QLatin1String("5") || code == QLatin1String("6");
}

bool IsDamage(const QString& code) {
    return code == QLatin1String("11") || code == QLatin1String("26");
}

// A side file left read-only beside a writable database (SQLite makes them with the
// database's permissions) would keep every later connection from writing.
void MakeSideFilesWritable(const QString& path) {
    for (const QString& suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        const QFileInfo side(path + suffix);
        if (side.exists() && !side.isWritable()) {
            QFile::setPermissions(side.filePath(),
                                  side.permissions() | QFile::WriteOwner | QFile::WriteUser);
        }
    }
}

}  // namespace

HistoryConnection::HistoryConnection(const QString& path, Mode mode, int busyTimeoutMs,
                                     int schemaVersion)
    : path(path),
      busyTimeoutMs(busyTimeoutMs),
      schemaVersion(schemaVersion),
      connection(ConnectionName(this)) {
    opened = mode == Mode::Write ? OpenForWriting() : OpenForReading();
}

HistoryConnection::~HistoryConnection() {
    if (QSqlDatabase::contains(connection)) {
        QSqlDatabase::database(connection, false).close();
        QSqlDatabase::removeDatabase(connection);
    }
}

QSqlDatabase HistoryConnection::Database() const {
    return QSqlDatabase::database(connection, false);
}

HistoryConnection::Outcome HistoryConnection::Refuse(const QString& why) {
    failure = why;
    return Outcome::Failed;
}

HistoryConnection::Outcome HistoryConnection::Fail(const QSqlError& error) {
    failure = error.text();
    const QString code = error.nativeErrorCode();
    if (IsBusy(code)) {
        return Outcome::Busy;
    }
    return IsDamage(code) ? Outcome::Damaged : Outcome::Failed;
}

HistoryConnection::Outcome HistoryConnection::Fail(const QSqlQuery& query) {
    return Fail(query.lastError());
}

HistoryConnection::Outcome HistoryConnection::RollBack(const QSqlQuery& query) {
    const Outcome outcome = Fail(query);
    QSqlQuery(Database()).exec(QStringLiteral("ROLLBACK"));
    return outcome;
}

HistoryConnection::Outcome HistoryConnection::OpenDatabase(const QString& name,
                                                           const QString& options) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    if (!db.isValid()) {
        return Refuse(QStringLiteral("needs the SQLite driver of Qt, which is missing"));
    }
    db.setDatabaseName(name);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs) + options);
    return db.open() ? Outcome::Done : Fail(db.lastError());
}

HistoryConnection::Outcome HistoryConnection::OpenForWriting() {
    const QFileInfo file(path);
    if (!QDir().mkpath(file.absolutePath())) {
        return Refuse(QStringLiteral("has no folder that can be made"));
    }
    if (!QFileInfo(file.absolutePath()).isWritable()) {
        return Refuse(QStringLiteral("is in a folder that cannot be written"));
    }
    if (file.exists() && !file.isWritable()) {
        return Refuse(QStringLiteral("is read-only"));
    }
    MakeSideFilesWritable(path);
    Outcome outcome = OpenDatabase(path, QString());
    if (outcome == Outcome::Done) {
        outcome = SwitchToWriteAheadLog();
    }
    if (outcome == Outcome::Done &&
        !QSqlQuery(Database()).exec(QStringLiteral("PRAGMA foreign_keys = ON"))) {
        outcome = Fail(Database().lastError());
    }
    if (outcome == Outcome::Done) {
        outcome = Migrate();
    }
    for (const char* statement : kIndexes) {
        QSqlQuery query(Database());
        if (outcome == Outcome::Done && !query.exec(QLatin1String(statement))) {
            outcome = Fail(query);
        }
    }
    return outcome;
}

HistoryConnection::Outcome HistoryConnection::OpenForReading() {
    const QFileInfo file(path);
    if (!file.exists()) {
        hasFile = false;
        return Outcome::Done;
    }
    const bool writable = file.isWritable() && QFileInfo(file.absolutePath()).isWritable();
    if (writable) {
        MakeSideFilesWritable(path);
    }
    const QString name =
        writable ? path
                 : QUrl::fromLocalFile(file.absoluteFilePath()).toString(QUrl::FullyEncoded) +
                       QStringLiteral("?immutable=1");
    const QString options =
        writable ? QString() : QStringLiteral(";QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI");
    Outcome outcome = OpenDatabase(name, options);
    if (outcome != Outcome::Done) {
        return outcome;
    }
    QSqlQuery query(Database());
    version = SchemaVersion(query);
    if (version < 0) {
        return Fail(query);
    }
    if (version > schemaVersion) {
        return Refuse(QStringLiteral("was made by a newer version of the game"));
    }
    hasFile = version > 0;
    return Outcome::Done;
}

// Switching to the write-ahead log needs the file to itself, and SQLite answers "busy"
// at once there rather than waiting out its busy timeout (as when another copy is making
// the same new file); the switch is asked for again until that timeout has passed.
HistoryConnection::Outcome HistoryConnection::SwitchToWriteAheadLog() {
    QSqlQuery query(Database());
    if (query.exec(QStringLiteral("PRAGMA journal_mode")) && query.next() &&
        query.value(0).toString() == QLatin1String("wal")) {
        return Outcome::Done;
    }
    query.finish();
    const QDeadlineTimer deadline(busyTimeoutMs);
    while (!query.exec(QStringLiteral("PRAGMA journal_mode = WAL"))) {
        if (!IsBusy(query.lastError().nativeErrorCode()) || deadline.hasExpired()) {
            return Fail(query);
        }
        QThread::msleep(5);
    }
    return Outcome::Done;
}

// The file's schema version, or -1 when it cannot be read.
int HistoryConnection::SchemaVersion(QSqlQuery& query) {
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        return -1;
    }
    const int found = query.value(0).toInt();
    query.finish();
    return found;
}

// Brings an older file, or an empty one, to this copy's schema, one step per version;
// refuses a newer one.
HistoryConnection::Outcome HistoryConnection::Migrate() {
    QSqlQuery query(Database());
    version = SchemaVersion(query);
    if (version == schemaVersion) {
        return Outcome::Done;
    }
    if (version < 0 || !query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        return Fail(query);
    }
    version = SchemaVersion(query);  // another copy may have brought it up meanwhile
    if (version < 0) {
        return RollBack(query);
    }
    const auto& steps = SchemaSteps();
    for (int step = version; step >= 0 && step < schemaVersion; ++step) {
        if (!TakeStep(steps[static_cast<std::size_t>(step)], Database(), query)) {
            return RollBack(query);
        }
    }
    if (version < schemaVersion &&
        !query.exec(QStringLiteral("PRAGMA user_version = %1").arg(schemaVersion))) {
        return RollBack(query);
    }
    if (!query.exec(QStringLiteral("COMMIT"))) {
        return RollBack(query);
    }
    if (version > schemaVersion) {
        return Refuse(QStringLiteral("was made by a newer version of the game"));
    }
    version = schemaVersion;
    return Outcome::Done;
}

}  // namespace vorpin
