// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>

namespace vorpin {

// The settings file format on systems without a registry: INI text as Qt writes it,
// read so that every value comes back as the text that stands in the file. A
// hand-edited value with commas stays one text, where Qt's own reader would split it
// into a list.
QSettings::Format SettingsFileFormat();

namespace settings_file {

// Reads "[section]" headers and "key=value" lines; anything else is passed over, so no
// content fails to read. Keys become "section/key".
bool Read(QIODevice& device, QSettings::SettingsMap& map);
bool Write(QIODevice& device, const QSettings::SettingsMap& map);

// A value as it stands after "=": quoted text unescaped, other text as written.
QString ParseValue(QStringView text);
// A value as it is written after "=".
QString FormatValue(const QVariant& value);

}  // namespace settings_file
}  // namespace vorpin
