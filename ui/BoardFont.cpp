// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardFont.h"

#include <QFontMetrics>

namespace vorpin {

QFont BoardFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(14);  // 16 pixels from ascent to descent
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace vorpin
