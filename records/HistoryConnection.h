// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>

class QSqlError;
class QSqlQuery;

namespace vorpin {

// One connection to the history's SQLite file, closed when it goes.
//
// For writing, the file (and its folder) is made if missing, switched to the write-ahead
// log and brought to the current schema; a file or folder that cannot be written is
// refused before SQLite touches it, so no side files are left behind. For reading, a
// missing file is an empty history and is not made; a file that cannot be written, or
// sits in a folder that cannot be, is opened as unchanging, for reading only, so SQLite
// makes no side files either.
class HistoryConnection {
public:
    static constexpr int kSchemaVersion = 2;

    enum class Mode { Write, Read };
    enum class Outcome { Done, Busy, Damaged, Failed };

    // `schemaVersion` is the newest schema this copy makes and reads: the game's own, or
    // an older one to act as an older version of the game does.
    HistoryConnection(const QString& path, Mode mode, int busyTimeoutMs,
                      int schemaVersion = kSchemaVersion);
    ~HistoryConnection();
    HistoryConnection(const HistoryConnection&) = delete;
    HistoryConnection& operator=(const HistoryConnection&) = delete;

    Outcome Opened() const { return opened; }
    // False, for reading, when there is nothing to read: no file, or one without tables.
    bool HasFile() const { return hasFile; }
    // The schema version of the file read, 0 when there is none.
    int Version() const { return version; }
    QSqlDatabase Database() const;
    // Why the last step failed, in words that follow "could not ...: ".
    const QString& Failure() const { return failure; }

    // Notes why `query` failed; Busy, Damaged or Failed by SQLite's answer.
    Outcome Fail(const QSqlQuery& query);
    Outcome Fail(const QSqlError& error);
    // Ends an open transaction after `query` failed in it.
    Outcome RollBack(const QSqlQuery& query);

private:
    Outcome OpenForWriting();
    Outcome OpenForReading();
    Outcome OpenDatabase(const QString& name, const QString& options);
    Outcome SwitchToWriteAheadLog();
    Outcome Migrate();
    int SchemaVersion(QSqlQuery& query);
    Outcome Refuse(const QString& why);

    const QString path;
    const int busyTimeoutMs;
    const int schemaVersion;
    const QString connection;
    QString failure;
    bool hasFile = true;
    int version = 0;
    Outcome opened = Outcome::Failed;
};

}  // namespace vorpin
