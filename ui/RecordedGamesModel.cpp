// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordedGamesModel.h"

#include <algorithm>

#include "GameHistory.h"

namespace vorpin {
namespace {

QString FinishedText(const RecordedGame& game) {
    return game.finished.toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm"));
}

}  // namespace

RecordedGamesModel::RecordedGamesModel(GameHistory& history, QObject* parent)
    : QAbstractTableModel(parent), history(history) {}

void RecordedGamesModel::Reload(qint64 total) {
    beginResetModel();
    games.clear();
    this->total = total;
    endResetModel();
    if (canFetchMore({})) {
        fetchMore({});
    }
}

const RecordedGame* RecordedGamesModel::Game(int row) const {
    return row >= 0 && row < rowCount() ? &games[static_cast<std::size_t>(row)] : nullptr;
}

int RecordedGamesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(games.size());
}

int RecordedGamesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 5;
}

QVariant RecordedGamesModel::data(const QModelIndex& index, int role) const {
    const RecordedGame* game = Game(index.row());
    if (game == nullptr) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return index.column() == 0 ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role == Qt::AccessibleTextRole) {
        return SpokenCell(index);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const strategy::GameReview& review = game->review;
    switch (index.column()) {
        case 0:
            return FinishedText(*game);
        case 1:
            return QString::number(review.turns);
        case 2:
            return QString::number(review.score);
        case 3:
            return QString::number(review.skillCost, 'f', 3);
        default:
            return QString::number(review.luck, 'f', 3);
    }
}

// A cell as a screen reader reads it along its row, with its column's name: "12 turns",
// "skill cost 0.750".
QString RecordedGamesModel::SpokenCell(const QModelIndex& index) const {
    static const char* const patterns[] = {"finished %1", "%1 turns", "%1 points", "skill cost %1",
                                           "luck %1"};
    const int column = std::clamp(index.column(), 0, 4);
    return QString::fromLatin1(patterns[column]).arg(data(index, Qt::DisplayRole).toString());
}

QVariant RecordedGamesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const titles[] = {"Finished", "Turns", "Score", "Skill cost", "Luck"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 4) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return QString::fromLatin1(titles[section]);
}

bool RecordedGamesModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && static_cast<qint64>(games.size()) < total;
}

void RecordedGamesModel::fetchMore(const QModelIndex& parent) {
    if (parent.isValid()) {
        return;
    }
    std::vector<RecordedGame> page = history.Page(games.empty() ? 0 : games.back().id, kPage);
    if (page.empty()) {
        total = static_cast<qint64>(games.size());  // the history holds fewer than it said
        return;
    }
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(page.size()) - 1);
    games.insert(games.end(), page.begin(), page.end());
    endInsertRows();
}

}  // namespace vorpin
