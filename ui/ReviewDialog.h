// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

#include "GameCoach.h"

class QTextBrowser;
class QWidget;

namespace vorpin {

// The window that `widget`'s window was opened from, and that one's, up to the first:
// the board, whose screen the windows opened from it are kept on.
const QWidget& OutermostWindow(const QWidget& widget);

// A page for a game's review that the keys read line by line: the arrows move a caret
// through it, and a screen reader reads the line the caret comes to.
QTextBrowser* ReviewPage(QWidget* parent);

// Opens, beside `parent`, the review of the game that ended at `finished`; it closes
// itself.
void OpenReviewDialog(QWidget* parent, const QDateTime& finished,
                      const strategy::GameReview& review);

}  // namespace vorpin
