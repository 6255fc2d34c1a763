// SPDX-License-Identifier: GPL-3.0-or-later
#include "RowText.h"

#include <QStringList>
#include <algorithm>

namespace vorpin {
namespace {

QString FaceName(int face, bool plural) {
    static const char* const kNames[] = {"one", "two", "three", "four", "five", "six"};
    const QString name = QString::fromLatin1(kNames[face - 1]);
    return plural ? name + (face == 6 ? QStringLiteral("es") : QStringLiteral("s")) : name;
}

QString CombinationName(const DicePattern& pattern, int points) {
    const auto used = std::count_if(pattern.begin(), pattern.end(), [](auto v) { return v; });
    const auto first = std::find_if(pattern.begin(), pattern.end(), [](auto v) { return v; });
    if (used == 0) {
        return QStringLiteral("nothing");
    }
    const int face = *first;
    const bool allAlike =
        std::all_of(pattern.begin(), pattern.end(), [&](auto v) { return v == 0 || v == face; });
    if (used == 6 && points == 750) {
        return QStringLiteral("three pairs");
    }
    if (used == 6 && !allAlike) {
        return QStringLiteral("straight");
    }
    static const char* const kCounts[] = {"single", "two", "three", "four", "five", "six"};
    return QString::fromLatin1(kCounts[used - 1]) + u' ' + FaceName(face, used > 1);
}

}  // namespace

QString DescribeCombination(const DicePattern& pattern, int points) {
    return CombinationName(pattern, points) + QStringLiteral(", ") + QString::number(points);
}

QString DescribeDiceUsed(const DicePattern& pattern) {
    QStringList numbers;
    for (std::size_t slot = 0; slot < pattern.size(); ++slot) {
        if (pattern[slot] != 0) {
            numbers << QString::number(slot + 1);
        }
    }
    if (numbers.size() < 2) {
        return QStringLiteral("die ") + numbers.join(QString());
    }
    const QString last = numbers.takeLast();
    return QStringLiteral("dice ") + numbers.join(QStringLiteral(", ")) + QStringLiteral(" and ") +
           last;
}

QString DescribeDice(const DiceSet& dice) {
    return QStringLiteral("Dice: ") + DiceValues(dice);
}

QString DiceValues(const DiceSet& dice) {
    QStringList words;
    for (auto value : dice) {
        if (value >= 1 && value <= 6) {
            words << QString::number(value);
        } else {
            words << (value == kFresh ? QStringLiteral("not rolled") : QStringLiteral("set aside"));
        }
    }
    return words.join(QStringLiteral(", "));
}

}  // namespace vorpin
