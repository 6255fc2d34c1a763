// SPDX-License-Identifier: GPL-3.0-or-later
// What the history's tests share: a sample game, the time it finished, a scratch folder
// to record it in.
#pragma once

#include <gtest/gtest.h>
#include <QDateTime>
#include <QTemporaryDir>

#include "GameHistory.h"
#include "PermissionsHold.h"

namespace vorpin {

inline strategy::GameReview SampleReview(int turns) {
    using strategy::Decision;
    using strategy::Move;
    using strategy::Position;
    return strategy::GameReview{turns,
                                5150,
                                10.643874146,
                                0.75,
                                turns - 10.643874146 - 0.75,
                                {Decision{1, Position{0, 0, {1, 5, 2, 3, 6, 6}},
                                          Move{150, false, 4}, Move{100, false, 5}, 0.25},
                                 Decision{3, Position{2000, 300, {0, 0, 5, 4, 1, 0}},
                                          Move{50, true, 0}, Move{150, false, 6}, 0.5}}};
}

inline const QDateTime kFinished(QDate(2026, 12, 7), QTime(3, 4, 5), Qt::UTC);

class GameHistoryTest : public ::testing::Test {
protected:
    QString PathIn(const QString& sub) const { return dir.filePath(sub + "/history.sqlite"); }

    QTemporaryDir dir;
};

}  // namespace vorpin
