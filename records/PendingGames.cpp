// SPDX-License-Identifier: GPL-3.0-or-later
#include "PendingGames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cstdio>
#include <optional>

#include "GameRows.h"
#include "MovedAside.h"

namespace vorpin {
namespace {

const QString kGames = QStringLiteral("games");
const QString kDecisions = QStringLiteral("decisions");
const QString kValues = QStringLiteral("values");
constexpr qint64 kLargestFile = 64 * 1024 * 1024;

QJsonObject GameObject(const PendingGame& game) {
    QJsonArray decisions;
    for (const strategy::Decision& made : game.review.decisions) {
        decisions.append(QJsonArray::fromVariantList(DecisionValues(made)));
    }
    return QJsonObject{
        {kValues, QJsonArray::fromVariantList(GameValues(game.review, game.finished))},
        {kDecisions, decisions}};
}

StoredValue ValuesOf(const QJsonArray& values) {
    return [values](int column) { return values.at(column).toVariant(); };
}

// A game from the file, or nothing when its entry does not hold one.
std::optional<PendingGame> ReadGameObject(const QJsonObject& object) {
    const QJsonArray values = object.value(kValues).toArray();
    const RecordedGame read = ReadGame(ValuesOf(values));
    if (values.size() != 6 || !read.finished.isValid() || read.review.turns <= 0) {
        return std::nullopt;
    }
    PendingGame game{read.review, read.finished, true};
    for (const QJsonValue& decision : object.value(kDecisions).toArray()) {
        const QJsonArray fields = decision.toArray();
        if (fields.size() != 9) {
            return std::nullopt;
        }
        game.review.decisions.push_back(ReadDecision(ValuesOf(fields)));
    }
    return game;
}

}  // namespace

bool PendingGamesFile::Exists() const {
    return QFileInfo::exists(path);
}

void PendingGamesFile::Complain(const QString& what) const {
    std::fprintf(stderr, "Vorpin: the games waiting to be recorded in %s %s\n",
                 qPrintable(QDir::toNativeSeparators(path)), qPrintable(what));
}

// Keeps a file that cannot be read as games under another name, so that the next save
// does not write over what may still be recovered by hand.
void PendingGamesFile::SetAside(const QString& why) const {
    const QString aside = MoveAside(path);
    Complain(why + (aside.isEmpty()
                        ? QString()
                        : QStringLiteral("; the file is now ") + QDir::toNativeSeparators(aside)));
}

std::vector<PendingGame> PendingGamesFile::Load() const {
    std::vector<PendingGame> games;
    QFile file(path);
    if (!file.exists()) {
        return games;
    }
    if (file.size() > kLargestFile || !file.open(QIODevice::ReadOnly)) {
        SetAside(QStringLiteral("could not be read"));
        return games;
    }
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    file.close();
    const QJsonValue list = document.object().value(kGames);
    bool whole = list.isArray();
    for (const QJsonValue& entry : list.toArray()) {
        const auto game = ReadGameObject(entry.toObject());
        whole = whole && game.has_value();
        if (game) {
            games.push_back(*game);
        }
    }
    if (!whole) {
        SetAside(QStringLiteral("are damaged"));
    }
    return games;
}

bool PendingGamesFile::Save(const std::vector<PendingGame>& games) const {
    if (games.empty()) {
        if (QFile::exists(path) && !QFile::remove(path)) {
            Complain(QStringLiteral("could not be removed"));
            return false;
        }
        return true;
    }
    QJsonArray list;
    for (const PendingGame& game : games) {
        list.append(GameObject(game));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(QJsonObject{{kGames, list}}).toJson(QJsonDocument::Compact)) < 0 ||
        !file.commit()) {
        Complain(QStringLiteral("could not be written: ") + file.errorString());
        return false;
    }
    return true;
}

}  // namespace vorpin
