// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsFile.h"

#include <QIODevice>
#include <algorithm>
#include <optional>

namespace vorpin {
namespace settings_file {
namespace {

const QString kTopLevelSection = QStringLiteral("General");
const QString kEscapedGeneral = QStringLiteral("%General");

bool IsPlainChar(QChar c) {
    return c.isPrint() && !QStringView(u"\"\\,;=#[]").contains(c);
}

// Text that reads back exactly as it stands, without quotes.
bool IsPlain(const QString& text) {
    if (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace())) {
        return false;
    }
    return std::all_of(text.begin(), text.end(), IsPlainChar);
}

QString Quoted(const QString& text) {
    QString quoted = QStringLiteral("\"");
    for (QChar c : text) {
        if (c == u'\\' || c == u'"') {
            quoted += u'\\';
            quoted += c;
        } else if (c == u'\n') {
            quoted += QStringLiteral("\\n");
        } else if (c == u'\r') {
            quoted += QStringLiteral("\\r");
        } else if (c == u'\t') {
            quoted += QStringLiteral("\\t");
        } else if (!c.isPrint()) {
            quoted += QStringLiteral("\\x%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            quoted += c;
        }
    }
    return quoted + u'"';
}

// The character an escape stands for; `at` points at the character after the
// backslash and is moved past the escape. An unknown escape stands for itself.
QString Unescape(QStringView text, qsizetype& at) {
    const QChar c = text[at++];
    switch (c.unicode()) {
        case u'n':
            return QStringLiteral("\n");
        case u'r':
            return QStringLiteral("\r");
        case u't':
            return QStringLiteral("\t");
        case u'\\':
        case u'"':
            return QString(c);
        case u'x': {
            bool ok = false;
            const ushort code = text.mid(at, 4).toUShort(&ok, 16);
            if (text.size() - at >= 4 && ok) {
                at += 4;
                return QString(QChar(code));
            }
            break;
        }
        default:
            break;
    }
    return QString(u'\\') + c;
}

QString Unquoted(QStringView inner) {
    QString text;
    for (qsizetype at = 0; at < inner.size();) {
        if (inner[at] == u'\\' && at + 1 < inner.size()) {
            ++at;
            text += Unescape(inner, at);
        } else {
            text += inner[at++];
        }
    }
    return text;
}

enum class NameKind { kSection, kKey };

// Whether reading would drop the character or take it for something else: '%' (which
// starts an escape), a character that cannot stand on a line as it is, whitespace at
// either end (lines, sections and keys are trimmed), in a key the '=' that would end it,
// and at a key's start what would make its line a comment.
bool NeedsEscape(QStringView name, qsizetype at, NameKind kind) {
    const QChar c = name[at];
    const bool atEnd = at == 0 || at == name.size() - 1;
    const bool key = kind == NameKind::kKey;
    return c == u'%' || !c.isPrint() || (atEnd && c.isSpace()) || (key && c == u'=') ||
           (key && at == 0 && QStringView(u";#").contains(c));
}

// A section's or a key's name as written: each character that reading would lose or
// misread stands as '%' and two hex digits, or "%U" and four.
QString EscapedName(QStringView name, NameKind kind) {
    QString text;
    for (qsizetype at = 0; at < name.size(); ++at) {
        const char16_t code = name[at].unicode();
        if (!NeedsEscape(name, at, kind)) {
            text += name[at];
        } else if (code < 0x100) {
            text += QStringLiteral("%%1").arg(code, 2, 16, QLatin1Char('0')).toUpper();
        } else {
            text += QStringLiteral("%U%1").arg(code, 4, 16, QLatin1Char('0')).toUpper();
        }
    }
    return text;
}

// The character that `digits` (hex digits only) stand for.
std::optional<QChar> HexCode(QStringView digits, qsizetype count) {
    if (digits.size() < count) {
        return std::nullopt;
    }
    char16_t code = 0;
    for (const QChar digit : digits.first(count)) {
        const qsizetype value = QStringView(u"0123456789abcdef").indexOf(digit.toLower());
        if (value < 0) {
            return std::nullopt;
        }
        code = static_cast<char16_t>(code * 16 + value);
    }
    return QChar(code);
}

// A name as read: "%XX" and "%UXXXX" stand for the character with that code; any other
// '%' for itself.
QString UnescapedName(QStringView name) {
    QString text;
    for (qsizetype at = 0; at < name.size(); ++at) {
        if (name[at] == u'%') {
            const bool wide = name.mid(at + 1).startsWith(u'U');
            const qsizetype count = wide ? 4 : 2;
            const qsizetype first = at + (wide ? 2 : 1);
            if (const auto code = HexCode(name.mid(first), count)) {
                text += *code;
                at = first + count - 1;
                continue;
            }
        }
        text += name[at];
    }
    return text;
}

// "section/key" with empty parts dropped. The section "General" holds the keys that
// have no section; a section really named so stands in the file as "%General".
QString FullKey(const QString& section, QStringView key) {
    const QString group = section == kTopLevelSection  ? QString()
                          : section == kEscapedGeneral ? kTopLevelSection
                                                       : UnescapedName(section);
    QString path = group + u'/' + UnescapedName(key);
    path.replace(u'\\', u'/');
    return path.split(u'/', Qt::SkipEmptyParts).join(u'/');
}

QString SectionHeader(const QString& key) {
    const qsizetype slash = key.indexOf(u'/');
    const QString section = slash < 0 ? kTopLevelSection : key.left(slash);
    const QString written = slash < 0 ? kTopLevelSection
                            : section == kTopLevelSection
                                ? kEscapedGeneral
                                : EscapedName(section, NameKind::kSection);
    return u'[' + written + QStringLiteral("]\n");
}

}  // namespace

QString ParseValue(QStringView text) {
    QString value = text.size() >= 2 && text.front() == u'"' && text.back() == u'"'
                        ? Unquoted(text.mid(1, text.size() - 2))
                        : text.toString();
    if (value.startsWith(QStringLiteral("@@"))) {
        value.remove(0, 1);
    }
    return value;
}

QString FormatValue(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            return value.toString();
        default:
            break;
    }
    QString text = value.toString();
    if (text.startsWith(u'@')) {
        text.prepend(u'@');
    }
    return IsPlain(text) ? text : Quoted(text);
}

bool Read(QIODevice& device, QSettings::SettingsMap& map) {
    const QString content = QString::fromUtf8(device.readAll());
    QString section;
    for (QStringView line : QStringView(content).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.front() == u';' || line.front() == u'#') {
            continue;
        }
        if (line.front() == u'[' && line.back() == u']') {
            section = line.mid(1, line.size() - 2).trimmed().toString();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        const QStringView key = line.left(std::max<qsizetype>(equals, 0)).trimmed();
        if (key.isEmpty()) {
            continue;
        }
        const QString fullKey = FullKey(section, key);
        if (!fullKey.isEmpty()) {
            map.insert(fullKey, ParseValue(line.mid(equals + 1).trimmed()));
        }
    }
    return true;
}

bool Write(QIODevice& device, const QSettings::SettingsMap& map) {
    QString text;
    QString header;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const QString keyHeader = SectionHeader(it.key());
        if (keyHeader != header) {
            text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + keyHeader;
            header = keyHeader;
        }
        const qsizetype slash = it.key().indexOf(u'/');
        const QString key =
            EscapedName(it.key().mid(slash + 1).replace(u'/', u'\\'), NameKind::kKey);
        text += key + u'=' + FormatValue(it.value()) + u'\n';
    }
    return device.write(text.toUtf8()) >= 0;
}

}  // namespace settings_file

QSettings::Format SettingsFileFormat() {
    static const QSettings::Format format = QSettings::registerFormat(
        QStringLiteral("conf"), settings_file::Read, settings_file::Write);
    return format;
}

}  // namespace vorpin
