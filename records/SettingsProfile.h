// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <memory>

#include "Profile.h"

namespace vorpin {

// The per-user settings file, ~/.config/<maker>/<application>.conf, which holds the game's
// records on systems without a registry. Value names are matched whatever their case, as
// the registry does, and written as the caller spells them. Writes are gathered and
// replace the stored values together, in one atomic step, at Commit().
class SettingsProfile final : public Profile {
public:
    static const QString kMaker;  // "Tarnwick"

    // The application's own profile; the application name is the executable's base name
    // unless the program sets another.
    SettingsProfile();
    SettingsProfile(const QString& maker, const QString& application);

    std::int32_t GetProfileInt(const QString& section, const QString& entry,
                               std::int32_t defaultValue) override;
    QString GetProfileString(const QString& section, const QString& entry,
                             const QString& defaultValue) override;
    bool WriteProfileInt(const QString& section, const QString& entry, std::int32_t value) override;
    bool WriteProfileString(const QString& section, const QString& entry,
                            const QString& value) override;

    // Stores what was written; false, with the reason in `error`, when it could not.
    bool Commit(QString& error);
    QString Location() const { return settings->fileName(); }

private:
    QString StoredKey(const QString& key) const;
    void Store(const QString& key, const QVariant& value);

    std::unique_ptr<QSettings> settings;
};

// A stored number as the profile reads it: decimal, 32 bits, where 4294967295 is -1.
// None for anything else.
std::optional<std::int32_t> ParseProfileInt(const QVariant& value);

// How the profile reads a stored value: the key an entry has in the store, and the
// value found under it as a number or as text, or `defaultValue` when it is missing or
// cannot be read.
QString ProfileKey(const QString& section, const QString& entry);
std::int32_t ReadProfileInt(const QVariant& value, std::int32_t defaultValue);
QString ReadProfileString(const QVariant& value, const QString& defaultValue);

}  // namespace vorpin

namespace vorpin {

class GameRecords;

// Reads the records from the application's profile (the registry on Windows, the settings
// file elsewhere), each value with its own default.
void LoadStoredRecords(GameRecords& records);
// Writes them back (in one step to the settings file). When that fails, says so in one line on
// standard error and returns false; nothing else stops.
bool SaveStoredRecords(const GameRecords& records);

}  // namespace vorpin
