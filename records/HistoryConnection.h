// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <optional>

class QSqlQuery;

namespace vorpin {

class GameHistory;

// A connection of its own to the history's file, for readers beside the one that
// records games. The history brings the file to the current schema first.
class HistoryConnection {
public:
    explicit HistoryConnection(GameHistory& history);
    ~HistoryConnection();
    HistoryConnection(const HistoryConnection&) = delete;
    HistoryConnection& operator=(const HistoryConnection&) = delete;

    // The open database, or none after one line on standard error.
    std::optional<QSqlDatabase> Open();
    // One line on standard error about a statement that failed; false, to return.
    bool Complain(const QSqlQuery& failed) const;
    // "could not be `what`: `error`"
    bool Complain(const char* what, const QString& error) const;

private:
    GameHistory& history;
    QString name;
};

}  // namespace vorpin
