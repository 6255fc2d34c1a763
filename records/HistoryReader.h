// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlQuery>
#include <memory>

#include "GameHistory.h"

namespace vorpin {

// Reads the history beside the one that records games: a file of an older schema is
// brought up first when it can be written, and read as it is otherwise. A read-only
// file is read without side files, as the history reads it.
class HistoryReader {
public:
    explicit HistoryReader(GameHistory& history) : history(history) {}

    // The connection to read from, or none (after one line on standard error when the
    // file is there but cannot be read).
    HistoryConnection* Open();
    // The schema of the file opened.
    int Version() const { return connection ? connection->Version() : 0; }
    // One line on standard error about `failed`; false, to return.
    bool Complain(const QSqlQuery& failed) const;
    bool Complain(const QString& what, const QString& why) const;

    GameHistory& History() const { return history; }

private:
    GameHistory& history;
    std::unique_ptr<HistoryConnection> connection;
};

}  // namespace vorpin
