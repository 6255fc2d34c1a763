// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

namespace vorpin {

// The per-user store of named values, grouped in sections. A value that is missing or
// cannot be read gives the caller's default; a write that fails reports false.
class Profile {
public:
    virtual ~Profile() = default;
    virtual std::int32_t GetProfileInt(const QString& section, const QString& entry,
                                       std::int32_t defaultValue) = 0;
    virtual QString GetProfileString(const QString& section, const QString& entry,
                                     const QString& defaultValue) = 0;
    virtual bool WriteProfileInt(const QString& section, const QString& entry,
                                 std::int32_t value) = 0;
    virtual bool WriteProfileString(const QString& section, const QString& entry,
                                    const QString& value) = 0;
};

}  // namespace vorpin
