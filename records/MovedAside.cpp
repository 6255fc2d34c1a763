// SPDX-License-Identifier: GPL-3.0-or-later
#include "MovedAside.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace vorpin {

QString MoveAside(const QString& path) {
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString aside = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n) {
        aside = path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    }
    if (!QFile::rename(path, aside)) {
        return QString();
    }
    for (const QString& suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFileInfo::exists(path + suffix)) {
            QFile::rename(path + suffix, aside + suffix);
        }
    }
    return aside;
}

}  // namespace vorpin
