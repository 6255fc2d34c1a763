// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

#include "GameCoach.h"

class QWidget;

namespace vorpin {

// Opens, beside `parent`, the review of the game that ended at `finished`; it closes
// itself.
void OpenReviewDialog(QWidget* parent, const QDateTime& finished,
                      const strategy::GameReview& review);

}  // namespace vorpin
