// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsProfile.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

#include "SettingsFile.h"

#ifdef Q_OS_WIN
#include "RegistryProfile.h"
#endif

namespace vorpin {
namespace {

// Where the game's records live: the registry on Windows, the settings file elsewhere.
#ifdef Q_OS_WIN
using StoredProfile = RegistryProfile;
#else
using StoredProfile = SettingsProfile;
#endif

}  // namespace

const QString SettingsProfile::kMaker = QStringLiteral("Tarnwick");

SettingsProfile::SettingsProfile() : SettingsProfile(kMaker, QCoreApplication::applicationName()) {}

SettingsProfile::SettingsProfile(const QString& maker, const QString& application)
    : settings(std::make_unique<QSettings>(SettingsFileFormat(), QSettings::UserScope, maker,
                                           application)) {}

std::optional<std::int32_t> ParseProfileInt(const QVariant& value) {
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]{1,10}$"));
    const QString text = value.toString();
    if (value.typeId() == QMetaType::QStringList || !number.match(text).hasMatch()) {
        return std::nullopt;
    }
    const qlonglong parsed = text.toLongLong();
    if (parsed < INT32_MIN || parsed > UINT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(parsed));
}

QString ProfileKey(const QString& section, const QString& entry) {
    return QString(section).replace(u'\\', u'/') + u'/' + entry;
}

std::int32_t ReadProfileInt(const QVariant& value, std::int32_t defaultValue) {
    return ParseProfileInt(value).value_or(defaultValue);
}

QString ReadProfileString(const QVariant& value, const QString& defaultValue) {
    if (!value.isValid()) {
        return defaultValue;
    }
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", "));
    }
    return value.canConvert<QString>() ? value.toString() : defaultValue;
}

// Names are matched as the registry matches them, whatever their case: the stored
// spelling that is exactly `key` if there is one, else the first that differs only in case.
QString SettingsProfile::StoredKey(const QString& key) const {
    if (settings->contains(key)) {
        return key;
    }
    const QStringList stored = settings->allKeys();
    const auto match = std::find_if(stored.begin(), stored.end(), [&key](const QString& name) {
        return name.compare(key, Qt::CaseInsensitive) == 0;
    });
    return match != stored.end() ? *match : key;
}

// Stores under `key` as spelt here, in place of every spelling that differs only in case.
void SettingsProfile::Store(const QString& key, const QVariant& value) {
    for (const QString& name : settings->allKeys()) {
        if (name != key && name.compare(key, Qt::CaseInsensitive) == 0) {
            settings->remove(name);
        }
    }
    settings->setValue(key, value);
}

std::int32_t SettingsProfile::GetProfileInt(const QString& section, const QString& entry,
                                            std::int32_t defaultValue) {
    return ReadProfileInt(settings->value(StoredKey(ProfileKey(section, entry))), defaultValue);
}

QString SettingsProfile::GetProfileString(const QString& section, const QString& entry,
                                          const QString& defaultValue) {
    return ReadProfileString(settings->value(StoredKey(ProfileKey(section, entry))), defaultValue);
}

bool SettingsProfile::WriteProfileInt(const QString& section, const QString& entry,
                                      std::int32_t value) {
    Store(ProfileKey(section, entry), value);
    return true;
}

bool SettingsProfile::WriteProfileString(const QString& section, const QString& entry,
                                         const QString& value) {
    Store(ProfileKey(section, entry), value);
    return true;
}

bool SettingsProfile::Commit(QString& error) {
    settings->sync();
    switch (settings->status()) {
        case QSettings::NoError:
            return true;
        case QSettings::AccessError:
            error = QStringLiteral("cannot write %1").arg(Location());
            return false;
        case QSettings::FormatError:
            error = QStringLiteral("%1 is not a settings file").arg(Location());
            return false;
    }
    return false;
}

}  // namespace vorpin

#include <cstdio>

#include "GameRecords.h"

namespace vorpin {

void LoadStoredRecords(GameRecords& records) {
    StoredProfile profile;
    records.LoadSettings(profile);
}

bool SaveStoredRecords(const GameRecords& records) {
    StoredProfile profile;
    QString error;
    if (records.SaveSettings(profile) && profile.Commit(error)) {
        return true;
    }
    std::fprintf(stderr, "%s: settings not saved: %s\n",
                 qUtf8Printable(QCoreApplication::applicationName()), qUtf8Printable(error));
    return false;
}

}  // namespace vorpin
