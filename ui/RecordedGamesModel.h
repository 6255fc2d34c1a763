// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "GameRows.h"

namespace vorpin {

class GameHistory;

// The recorded games, newest first, read from the history a page at a time as the view
// scrolls to them: Finished, Turns, Score, Skill cost, Luck.
class RecordedGamesModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kPage = 200;

    RecordedGamesModel(GameHistory& history, QObject* parent);

    // Starts again from the newest game; `total` games are in the history.
    void Reload(qint64 total);
    // The game in `row`, or nullptr past the rows read.
    const RecordedGame* Game(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    QString SpokenCell(const QModelIndex& index) const;
    GameHistory& history;
    std::vector<RecordedGame> games;
    qint64 total = 0;
};

}  // namespace vorpin
