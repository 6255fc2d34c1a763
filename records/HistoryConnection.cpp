// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryConnection.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <cstdio>

#include "GameHistory.h"

namespace vorpin {

HistoryConnection::HistoryConnection(GameHistory& history)
    : history(history),
      name(QStringLiteral("vorpin-history-reader-%1").arg(reinterpret_cast<quintptr>(this))) {}

HistoryConnection::~HistoryConnection() {
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
}

std::optional<QSqlDatabase> HistoryConnection::Open() {
    if (!history.Ready()) {
        return std::nullopt;
    }
    if (!QSqlDatabase::contains(name)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(history.Path());
        db.setConnectOptions(
            QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(GameHistory::kBusyTimeoutMs));
    }
    QSqlDatabase db = QSqlDatabase::database(name, false);
    if (!db.isOpen() && !db.open()) {
        Complain("read", db.lastError().text());
        return std::nullopt;
    }
    return db;
}

bool HistoryConnection::Complain(const char* what, const QString& error) const {
    std::fprintf(stderr, "Vorpin: the game history %s could not be %s: %s\n",
                 qPrintable(QDir::toNativeSeparators(history.Path())), what, qPrintable(error));
    return false;
}

bool HistoryConnection::Complain(const QSqlQuery& failed) const {
    return Complain("read", failed.lastError().text());
}

}  // namespace vorpin
