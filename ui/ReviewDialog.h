// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

#include "GameCoach.h"

class QWidget;

namespace vorpin {

// The window that `widget`'s window was opened from, and that one's, up to the first:
// the board, whose screen the windows opened from it are kept on.
const QWidget& OutermostWindow(const QWidget& widget);

// Opens, beside `parent`, the review of the game that ended at `finished`; it closes
// itself.
void OpenReviewDialog(QWidget* parent, const QDateTime& finished,
                      const strategy::GameReview& review);

}  // namespace vorpin
