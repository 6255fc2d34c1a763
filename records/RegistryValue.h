// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>

namespace vorpin::registry {

// The registry's value types that the profile stores: texts and 32-bit numbers.
inline constexpr std::uint32_t kText = 1;    // REG_SZ
inline constexpr std::uint32_t kNumber = 4;  // REG_DWORD

// A stored value as the profile reads it: a number only from a four-byte REG_DWORD, a
// text only from a REG_SZ (up to its first terminating zero, if it has one). Any other
// type or size is unreadable and gives none, so the caller's default applies.
std::optional<std::int32_t> NumberFrom(std::uint32_t type, QByteArrayView data);
std::optional<QString> TextFrom(std::uint32_t type, QByteArrayView data);

// The bytes stored for a REG_DWORD and for a REG_SZ (UTF-16 with its terminating zero).
QByteArray NumberData(std::int32_t value);
QByteArray TextData(const QString& text);

}  // namespace vorpin::registry
