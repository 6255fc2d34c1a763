// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "SettingsFile.h"

namespace vorpin {

// Points the per-user settings, and the per-user data with the game history, at a fresh,
// empty directory for as long as it lives. Qt works the user directory out once per
// process, so only setPath moves it for each test.
class ScratchHome {
public:
    ScratchHome() : dataHome(qgetenv("XDG_DATA_HOME")) {
        QSettings::setPath(SettingsFileFormat(), QSettings::UserScope, dir.path());
        qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
    }
    ~ScratchHome() {
        QSettings::setPath(SettingsFileFormat(), QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
        if (dataHome.isEmpty()) {
            qunsetenv("XDG_DATA_HOME");
        } else {
            qputenv("XDG_DATA_HOME", dataHome);
        }
    }

    QString Config() const { return dir.path(); }
    QString Folder() const { return dir.filePath(QStringLiteral("Tarnwick")); }
    QString File(const QString& app = QCoreApplication::applicationName()) const {
        return Folder() + u'/' + app + QStringLiteral(".conf");
    }
    void Write(const QByteArray& content,
               const QString& app = QCoreApplication::applicationName()) const {
        ASSERT_TRUE(QDir().mkpath(Folder()));
        QFile file(File(app));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

private:
    QByteArray dataHome;
    QTemporaryDir dir;
};

}  // namespace vorpin
