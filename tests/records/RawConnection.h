// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace vorpin {

// A second connection of our own, to look into the file or hold it.
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

private:
    static inline int made = 0;
    const QString name;
};

}  // namespace vorpin
