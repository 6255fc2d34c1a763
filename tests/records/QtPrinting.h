// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lets test failures show Qt texts and the records that hold them as text.
#include <QString>
#include <QStringList>
#include <ostream>

#include "HighScoreTable.h"

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '[' << texts.join(QStringLiteral(" | ")).toStdString() << ']';
}

namespace vorpin {

inline void PrintTo(const HighScoreEntry& entry, std::ostream* out) {
    *out << '{' << entry.name.toStdString() << ", " << entry.points << " points, " << entry.turns
         << " turns}";
}

}  // namespace vorpin
