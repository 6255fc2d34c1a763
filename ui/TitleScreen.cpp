// SPDX-License-Identifier: GPL-3.0-or-later
#include "TitleScreen.h"

#include <QImage>
#include <QPainter>

#include "BoardLayout.h"

namespace vorpin {
namespace {

// The title screen's lines.
constexpr const char* kTitle = "V O R P I N    D I C E    G A M E";
constexpr const char* kVersion = "Version 1.0.0 @";
constexpr const char* kCopyright = "Copyright (C) 2026 Tarnwick";
constexpr const char* kBegin = "Press F2 to begin";
constexpr const char* kUpdates = "For Updates go to";
constexpr const char* kWebAddress = "vorpin.tarnwick.example";

// Draws `text` centred between the board's left edge and the title band's right edge,
// with its top at `top`; gives the height it took.
int DrawCentredLine(QPainter& painter, const char* text, int top) {
    const int height = painter.fontMetrics().height();
    painter.drawText(QRect(0, top, layout::kTitleRight, height), Qt::AlignCenter,
                     QString::fromLatin1(text));
    return height;
}

}  // namespace

void DrawTitleScreen(QPainter& painter, const QRect& board, const QImage& logo) {
    painter.fillRect(board, Qt::white);
    painter.drawImage(QPoint(layout::kLogoLeft, layout::kLogoTop), logo);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    int top = layout::kTitleTop;
    painter.setPen(QColor(0, 0, 255));
    top += 2 * DrawCentredLine(painter, kTitle, top);
    painter.setPen(Qt::black);
    top += DrawCentredLine(painter, kVersion, top);
    top += 2 * DrawCentredLine(painter, kCopyright, top);
    painter.setPen(QColor(255, 0, 0));
    top += 2 * DrawCentredLine(painter, kBegin, top);
    painter.setPen(Qt::black);
    top += DrawCentredLine(painter, kUpdates, top);
    DrawCentredLine(painter, kWebAddress, top);
}

QString SpokenTitleScreen() {
    return QStringLiteral("VORPIN DICE GAME. Version 1.0.0. %1. %2. %3 %4")
        .arg(QLatin1String(kCopyright), QLatin1String(kBegin), QLatin1String(kUpdates),
             QLatin1String(kWebAddress));
}

}  // namespace vorpin
