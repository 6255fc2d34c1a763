// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryReader.h"

#include <QFileInfo>
#include <QSqlError>

namespace vorpin {

HistoryConnection* HistoryReader::Open() {
    using Mode = HistoryConnection::Mode;
    using Outcome = HistoryConnection::Outcome;
    if (connection && connection->Opened() == Outcome::Done && connection->HasFile()) {
        return connection.get();
    }
    const QString& path = history.Path();
    const int newest = history.SchemaVersion();
    connection =
        std::make_unique<HistoryConnection>(path, Mode::Read, GameHistory::kBusyTimeoutMs, newest);
    const QFileInfo file(path);
    if (connection->Opened() == Outcome::Done && connection->HasFile() &&
        connection->Version() < newest && file.isWritable() &&
        QFileInfo(file.absolutePath()).isWritable() &&
        HistoryConnection(path, Mode::Write, GameHistory::kQuickTimeoutMs, newest).Opened() ==
            Outcome::Done) {
        connection = std::make_unique<HistoryConnection>(path, Mode::Read,
                                                         GameHistory::kBusyTimeoutMs, newest);
    }
    if (connection->Opened() != Outcome::Done) {
        Complain(QStringLiteral("read"), connection->Failure());
        return nullptr;
    }
    return connection->HasFile() ? connection.get() : nullptr;
}

bool HistoryReader::Complain(const QString& what, const QString& why) const {
    history.Complain(QStringLiteral("could not be ") + what + QStringLiteral(": ") + why);
    return false;
}

bool HistoryReader::Complain(const QSqlQuery& failed) const {
    return Complain(QStringLiteral("read"), failed.lastError().text());
}

}  // namespace vorpin
