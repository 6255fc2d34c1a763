// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QImage;
class QPainter;
class QRect;

namespace vorpin {

// The board before the first game: the logo, then the title, the version, the copyright,
// how to begin and where the updates are, each line centred in the title band.
void DrawTitleScreen(QPainter& painter, const QRect& board, const QImage& logo);

// The same lines as a screen reader reads them.
QString SpokenTitleScreen();

}  // namespace vorpin
