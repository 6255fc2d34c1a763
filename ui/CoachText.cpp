// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoachText.h"

#include <QStringList>

namespace vorpin {

QString AlternativeText(const strategy::Alternative& alternative, const DiceSet& dice) {
    QStringList takes;
    for (const ScoringOption& option : strategy::TakenOptions(dice, alternative.rows)) {
        QStringList faces;
        for (const auto face : option.pattern) {
            if (face != 0) {
                faces << QString::number(face);
            }
        }
        takes << QStringLiteral("%1 (%2)").arg(faces.join(u' ')).arg(option.points);
    }
    const QString ending = alternative.bank
                               ? QStringLiteral("bank")
                               : QStringLiteral("throw %1 %2")
                                     .arg(alternative.diceToRoll)
                                     .arg(alternative.diceToRoll == 1 ? QStringLiteral("die")
                                                                      : QStringLiteral("dice"));
    if (takes.isEmpty()) {
        QString text = ending;
        text[0] = text[0].toUpper();
        return text;
    }
    return QStringLiteral("Take %1, then %2").arg(takes.join(QStringLiteral(" + ")), ending);
}

QString DiceText(const DiceSet& dice) {
    QStringList faces;
    for (const auto value : dice) {
        faces << (value >= 1 && value <= 6 ? QString::number(value) : QStringLiteral("·"));
    }
    return faces.join(u' ');
}

QString PositionText(const strategy::Decision& decision) {
    return QStringLiteral("Turn %1, banked %2, turn total %3, dice %4")
        .arg(decision.turn)
        .arg(decision.position.banked)
        .arg(decision.position.turnTotal)
        .arg(DiceText(decision.position.dice));
}

QString MoveText(const strategy::Move& move) {
    return QString::fromStdString(strategy::Describe(move));
}

QString CostText(double cost) {
    return QStringLiteral("%1 (%2)")
        .arg(cost, 0, 'f', 3)
        .arg(QLatin1String(strategy::MarkName(strategy::MarkOf(cost))));
}

QString ReviewHtml(const strategy::GameReview& review) {
    QString html = QStringLiteral(
                       "<h3>Game review</h3><table cellspacing=0 cellpadding=4>"
                       "<tr><td>Turns taken</td><td align=right>%1</td></tr>"
                       "<tr><td>Expected with best play</td><td align=right>%2</td></tr>"
                       "<tr><td>Skill cost</td><td align=right>%3</td></tr>"
                       "<tr><td>Luck</td><td align=right>%4</td></tr></table>")
                       .arg(review.turns)
                       .arg(review.expected, 0, 'f', 3)
                       .arg(review.skillCost, 0, 'f', 3)
                       .arg(review.luck, 0, 'f', 3);
    html += review.luck < 0
                ? QStringLiteral("<p>The dice were kind: luck saved %1 turns.</p>")
                      .arg(-review.luck, 0, 'f', 2)
                : QStringLiteral("<p>The dice cost %1 turns beyond the expectation.</p>")
                      .arg(review.luck, 0, 'f', 2);
    const auto costliest = strategy::Costliest(review.decisions, 3);
    if (costliest.empty() || costliest.front().cost == 0) {
        return html + QStringLiteral("<p>Every decision was the best one.</p>");
    }
    html += QStringLiteral("<p><b>Costliest decisions</b></p><ol>");
    for (const strategy::Decision& decision : costliest) {
        if (decision.cost == 0) {
            break;
        }
        html += QStringLiteral("<li>%1<br>done: %2; best: %3<br>cost %4</li>")
                    .arg(PositionText(decision).toHtmlEscaped(), MoveText(decision.done),
                         MoveText(decision.best), CostText(decision.cost));
    }
    return html + QStringLiteral("</ol>");
}

}  // namespace vorpin
