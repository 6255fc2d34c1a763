// SPDX-License-Identifier: GPL-3.0-or-later
#include "RegistryValue.h"

#include <QtEndian>

namespace vorpin::registry {

std::optional<std::int32_t> NumberFrom(std::uint32_t type, QByteArrayView data) {
    if (type != kNumber || data.size() != 4) {
        return std::nullopt;
    }
    return qFromLittleEndian<std::int32_t>(data.data());
}

std::optional<QString> TextFrom(std::uint32_t type, QByteArrayView data) {
    if (type != kText) {
        return std::nullopt;
    }
    QString text;
    for (qsizetype at = 0; at + 1 < data.size(); at += 2) {
        const char16_t unit = qFromLittleEndian<char16_t>(data.data() + at);
        if (unit == 0) {
            break;
        }
        text += QChar(unit);
    }
    return text;
}

QByteArray NumberData(std::int32_t value) {
    QByteArray data(4, '\0');
    qToLittleEndian(value, data.data());
    return data;
}

QByteArray TextData(const QString& text) {
    QByteArray data((text.size() + 1) * 2, '\0');
    for (qsizetype at = 0; at < text.size(); ++at) {
        qToLittleEndian(static_cast<char16_t>(text[at].unicode()), data.data() + at * 2);
    }
    return data;
}

}  // namespace vorpin::registry
