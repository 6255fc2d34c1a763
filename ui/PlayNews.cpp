// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayNews.h"

#include "RowText.h"

namespace vorpin {
namespace {

// "4 options, first single one, 100"; "1 option: three fours, 400".
QString OptionsNews(const QStringList& options, bool afterTake) {
    const auto count = options.size();
    if (count == 0) {
        return afterTake ? QStringLiteral("No options left.") : QString();
    }
    const QString left = afterTake ? QStringLiteral(" left") : QString();
    if (count == 1) {
        return QStringLiteral("1 option%1: %2.").arg(left, options.front());
    }
    return QStringLiteral("%1 options%2, first %3.").arg(count).arg(left, options.front());
}

QString TurnTotalNews(const MoveFacts& facts) {
    return QStringLiteral("Turn total %1, %2.")
        .arg(facts.after.tallyTotal)
        .arg(facts.after.canBank ? QStringLiteral("End Turn can bank")
                                 : QStringLiteral("End Turn needs %1").arg(facts.minimumToBank));
}

QString RollNews(const MoveFacts& facts) {
    QString news;
    if (facts.after.turn != facts.before.turn) {
        news = QStringLiteral("Turn %1, score %2. ").arg(facts.after.turn).arg(facts.after.score);
    }
    news += QStringLiteral("Rolled ") + DiceValues(facts.after.dice) + u'.';
    if (facts.after.noPoints) {
        return news + QStringLiteral(" VORPIN! NO POINTS: turn %1 is lost, Ctrl+R starts turn %2.")
                          .arg(facts.after.turn)
                          .arg(facts.after.turn + 1);
    }
    return news + u' ' + OptionsNews(facts.options, false);
}

}  // namespace

QString GameOverNews(const MoveFacts& facts) {
    return QStringLiteral("Banked %1. Game over: %2 points in %3 turns.")
        .arg(facts.after.score - facts.before.score)
        .arg(facts.after.score)
        .arg(facts.after.turn);
}

QString NewsOf(PlayerCommand command, const MoveFacts& facts) {
    switch (command) {
        case PlayerCommand::NewGame:
            return QStringLiteral("New game. Turn %1, score %2.")
                .arg(facts.after.turn)
                .arg(facts.after.score);
        case PlayerCommand::Roll:
            return RollNews(facts);
        case PlayerCommand::Take:
            return QStringLiteral("Took %1. ").arg(facts.moved) + TurnTotalNews(facts) + u' ' +
                   OptionsNews(facts.options, true);
        case PlayerCommand::GiveBack:
            return QStringLiteral("Gave back %1. ").arg(facts.moved) + TurnTotalNews(facts);
        case PlayerCommand::EndTurn:
            if (!facts.after.canRoll) {
                return GameOverNews(facts);
            }
            return QStringLiteral("Banked %1. Score %2. Turn %3, Ctrl+R rolls.")
                .arg(facts.after.score - facts.before.score)
                .arg(facts.after.score)
                .arg(facts.after.turn);
    }
    return {};
}

}  // namespace vorpin
