// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsFile.h"

#include <QIODevice>
#include <algorithm>

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

// A key holds no '=' on its line, since the first one ends it; one that came from a
// section's name (where '=' may stand) is written with it as %3D, and '%' as %25.
QString EscapedKey(QString key) {
    return key.replace(u'%', QStringLiteral("%25")).replace(u'=', QStringLiteral("%3D"));
}

QString UnescapedKey(QStringView key) {
    QString text;
    for (qsizetype at = 0; at < key.size(); ++at) {
        const QStringView code = key.mid(at, 3);
        if (code.compare(u"%3D", Qt::CaseInsensitive) == 0 || code == u"%25") {
            text += code == u"%25" ? u'%' : u'=';
            at += 2;
        } else {
            text += key[at];
        }
    }
    return text;
}

// "section/key" with empty parts dropped. The section "General" holds the keys that
// have no section; a section really named so stands in the file as "%General".
QString FullKey(const QString& section, QStringView key) {
    const QString group = section == kTopLevelSection  ? QString()
                          : section == kEscapedGeneral ? kTopLevelSection
                                                       : section;
    QString path = group + u'/' + UnescapedKey(key);
    path.replace(u'\\', u'/');
    return path.split(u'/', Qt::SkipEmptyParts).join(u'/');
}

QString SectionHeader(const QString& key) {
    const qsizetype slash = key.indexOf(u'/');
    const QString section = slash < 0 ? kTopLevelSection : key.left(slash);
    return u'[' + (slash >= 0 && section == kTopLevelSection ? kEscapedGeneral : section) +
           QStringLiteral("]\n");
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
        const QString key = EscapedKey(it.key().mid(slash + 1).replace(u'/', u'\\'));
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
