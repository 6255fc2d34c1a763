// SPDX-License-Identifier: GPL-3.0-or-later
#include "RegistryProfile.h"

#include <QCoreApplication>

#include "RegistryValue.h"
#include "SettingsProfile.h"

// Last, and without the macros that would rename the profile's own operations.
#include <windows.h>
#undef GetProfileInt
#undef GetProfileString
#undef WriteProfileString

namespace vorpin {
namespace {

const wchar_t* Wide(const QString& text) {
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

// One open section key, closed when it goes.
class SectionKey {
public:
    SectionKey(const QString& path, REGSAM access) {
        if (RegCreateKeyExW(HKEY_CURRENT_USER, Wide(path), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            access, nullptr, &key, nullptr) != ERROR_SUCCESS) {
            key = nullptr;
        }
    }
    ~SectionKey() {
        if (key != nullptr) {
            RegCloseKey(key);
        }
    }
    SectionKey(const SectionKey&) = delete;
    SectionKey& operator=(const SectionKey&) = delete;

    // The value's type and bytes; none when the key or the value cannot be read.
    std::optional<std::pair<std::uint32_t, QByteArray>> Read(const QString& entry) const {
        DWORD type = 0;
        DWORD size = 0;
        if (key == nullptr ||
            RegQueryValueExW(key, Wide(entry), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        QByteArray data(static_cast<qsizetype>(size), '\0');
        if (RegQueryValueExW(key, Wide(entry), nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                             &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        data.truncate(static_cast<qsizetype>(size));
        return std::pair{static_cast<std::uint32_t>(type), data};
    }

    bool Write(const QString& entry, std::uint32_t type, const QByteArray& data) const {
        return key != nullptr && RegSetValueExW(key, Wide(entry), 0, type,
                                                reinterpret_cast<const BYTE*>(data.constData()),
                                                static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
    }

private:
    HKEY key = nullptr;
};

}  // namespace

RegistryProfile::RegistryProfile()
    : RegistryProfile(SettingsProfile::kMaker, QCoreApplication::applicationName()) {}

RegistryProfile::RegistryProfile(const QString& maker, const QString& application)
    : keyPath(QStringLiteral("Software\\%1\\%2").arg(maker, application)) {}

std::int32_t RegistryProfile::GetProfileInt(const QString& section, const QString& entry,
                                            std::int32_t defaultValue) {
    const auto value = SectionKey(keyPath + u'\\' + section, KEY_QUERY_VALUE).Read(entry);
    return value ? registry::NumberFrom(value->first, value->second).value_or(defaultValue)
                 : defaultValue;
}

QString RegistryProfile::GetProfileString(const QString& section, const QString& entry,
                                          const QString& defaultValue) {
    const auto value = SectionKey(keyPath + u'\\' + section, KEY_QUERY_VALUE).Read(entry);
    return value ? registry::TextFrom(value->first, value->second).value_or(defaultValue)
                 : defaultValue;
}

bool RegistryProfile::WriteProfileInt(const QString& section, const QString& entry,
                                      std::int32_t value) {
    return Write(section, entry, registry::kNumber, registry::NumberData(value));
}

bool RegistryProfile::WriteProfileString(const QString& section, const QString& entry,
                                         const QString& value) {
    return Write(section, entry, registry::kText, registry::TextData(value));
}

bool RegistryProfile::Write(const QString& section, const QString& entry, std::uint32_t type,
                            const QByteArray& data) {
    if (SectionKey(keyPath + u'\\' + section, KEY_SET_VALUE).Write(entry, type, data)) {
        return true;
    }
    failedWrites += entry;
    return false;
}

bool RegistryProfile::Commit(QString& error) {
    if (failedWrites.isEmpty()) {
        return true;
    }
    error = QStringLiteral("cannot write %1 in %2").arg(failedWrites.join(u", "), Location());
    return false;
}

QString RegistryProfile::Location() const {
    return QStringLiteral("HKEY_CURRENT_USER\\") + keyPath;
}

}  // namespace vorpin
