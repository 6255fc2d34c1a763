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

QString DiceWords(const DiceSet& dice) {
    QStringList faces;
    for (const auto value : dice) {
        if (value >= 1 && value <= 6) {
            faces << QString::number(value);
        }
    }
    const auto aside = kDiceCount - faces.size();
    if (faces.isEmpty()) {
        return QStringLiteral("all set aside");
    }
    return aside == 0 ? faces.join(u' ')
                      : QStringLiteral("%1, %2 set aside").arg(faces.join(u' ')).arg(aside);
}

QString PositionText(const strategy::Decision& decision) {
    return QStringLiteral("Turn %1, banked %2, turn total %3, dice %4")
        .arg(decision.turn)
        .arg(decision.position.banked)
        .arg(decision.position.turnTotal)
        .arg(DiceWords(decision.position.dice));
}

QString MoveText(const strategy::Move& move) {
    return QString::fromStdString(strategy::Describe(move));
}

QString CostText(double cost) {
    return QStringLiteral("%1 (%2)")
        .arg(cost, 0, 'f', 3)
        .arg(QLatin1String(strategy::MarkName(strategy::MarkOf(cost))));
}

// Paragraphs and line breaks, not tables: a screen reader reads a table's text with the
// characters that mark its cells.
QString ReviewHtml(const strategy::GameReview& review) {
    QString html = QStringLiteral(
                       "<h3>Game review</h3><p>Turns taken: %1<br>Expected with best play: "
                       "%2<br>Skill cost: %3<br>Luck: %4</p>")
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
    html += QStringLiteral("<p><b>Costliest decisions</b></p>");
    int place = 0;
    for (const strategy::Decision& decision : costliest) {
        if (decision.cost == 0) {
            break;
        }
        html += QStringLiteral("<p>%1. %2<br>Done: %3; best: %4<br>Cost %5</p>")
                    .arg(++place)
                    .arg(PositionText(decision).toHtmlEscaped(),
                         MoveText(decision.done).toHtmlEscaped(),
                         MoveText(decision.best).toHtmlEscaped(), CostText(decision.cost));
    }
    return html;
}

}  // namespace vorpin
