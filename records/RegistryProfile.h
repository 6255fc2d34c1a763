// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include "Profile.h"

namespace vorpin {

// The per-user profile in the Windows registry: each section is a key under
// HKEY_CURRENT_USER\Software\<maker>\<application>, numbers are REG_DWORD values and
// texts REG_SZ values. Every read and write opens the section's key, creating what is
// missing, and closes it again; a value of another type or size reads as missing.
class RegistryProfile final : public Profile {
public:
    // The application's own profile; the application name is the executable's base name.
    RegistryProfile();
    RegistryProfile(const QString& maker, const QString& application);

    std::int32_t GetProfileInt(const QString& section, const QString& entry,
                               std::int32_t defaultValue) override;
    QString GetProfileString(const QString& section, const QString& entry,
                             const QString& defaultValue) override;
    bool WriteProfileInt(const QString& section, const QString& entry, std::int32_t value) override;
    bool WriteProfileString(const QString& section, const QString& entry,
                            const QString& value) override;

    // Writes go to the registry at once; this reports those that failed, in `error`.
    bool Commit(QString& error);
    QString Location() const;

private:
    bool Write(const QString& section, const QString& entry, std::uint32_t type,
               const QByteArray& data);

    QString keyPath;  // below HKEY_CURRENT_USER
    QStringList failedWrites;
};

}  // namespace vorpin
