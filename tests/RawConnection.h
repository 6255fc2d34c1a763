// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace vorpin {

// A second connection of a test's own to an SQLite file, to look into it, fill it or
// hold it, as another program would.
class RawConnection {
public:
    explicit RawConnection(const QString& path) : name(QStringLiteral("raw-%1").arg(++made)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
    }
    ~RawConnection() {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    QVariant Value(const QString& sql) {
        QSqlQuery query(QSqlDatabase::database(name));
        query.exec(sql);
        return query.next() ? query.value(0) : QVariant();
    }
    // Column `column` of every row.
    QStringList Column(const QString& sql, int column) {
        QSqlQuery query(QSqlDatabase::database(name));
        query.exec(sql);
        QStringList values;
        while (query.next()) {
            values << query.value(column).toString();
        }
        return values;
    }

    bool Exec(const QString& sql) { return QSqlQuery(QSqlDatabase::database(name)).exec(sql); }

    // Adds `count` games after those recorded, taking 1 + (n * 7) % 40 turns for the
    // n-th one added, with a skill cost of n % 9 / 10; false when they could not be added.
    bool AddGames(int count) {
        return Exec(
            QStringLiteral(
                "WITH RECURSIVE n(i) AS (SELECT 1 WHERE %1 > 0 UNION ALL SELECT i + 1 FROM n "
                "WHERE i < %1) INSERT INTO games (finished, turns, score, expected, "
                "skill_cost, luck) SELECT '2026-12-07T03:04:05Z', 1 + (i * 7) % 40, "
                "5000 + 50 * (i % 7), 10.643874146, (i % 9) / 10.0, 0 FROM n")
                .arg(count));
    }

private:
    static inline int made = 0;
    const QString name;
};

}  // namespace vorpin
