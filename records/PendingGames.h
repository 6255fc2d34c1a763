// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <vector>

#include "GameCoach.h"

namespace vorpin {

// A finished game not yet in the history.
struct PendingGame {
    strategy::GameReview review;
    QDateTime finished;
    // Tried before, or read back from the file: it may already be in the history.
    bool retried = false;
};

// The file beside the history that keeps games that could not be recorded before the
// game closed: JSON, replaced as a whole (a new file renamed over the old), so it is
// either the old list or the new one, never half of either.
class PendingGamesFile {
public:
    explicit PendingGamesFile(QString path) : path(std::move(path)) {}

    const QString& Path() const { return path; }
    bool Exists() const;
    // The games in the file; a file that cannot be read, or not as games, is moved aside
    // (`<path>.damaged-<UTC time>`), with one line on standard error, and reads as none.
    std::vector<PendingGame> Load() const;
    // Writes `games` in place of the file's contents, or removes it when there are none;
    // false, after one line on standard error, when that could not be done.
    bool Save(const std::vector<PendingGame>& games) const;

private:
    void Complain(const QString& what) const;
    void SetAside(const QString& why) const;

    QString path;
};

}  // namespace vorpin
