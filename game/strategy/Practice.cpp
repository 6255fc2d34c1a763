// SPDX-License-Identifier: GPL-3.0-or-later
#include "Practice.h"

#include <algorithm>
#include <stdexcept>

namespace vorpin::strategy {
namespace {

DiceSet Throw(int dice, std::mt19937& engine) {
    std::uniform_int_distribution<int> face(1, 6);
    DiceSet thrown{};
    for (int slot = 0; slot < dice; ++slot) {
        thrown[static_cast<std::size_t>(slot)] = static_cast<std::uint8_t>(face(engine));
    }
    std::shuffle(thrown.begin(), thrown.end(), engine);
    return thrown;
}

}  // namespace

Position PositionReachedByBestPlay(const OptimalStrategy& strategy, std::mt19937& engine) {
    std::vector<Position> rolls;
    int banked = 0;
    while (banked < strategy.Rules().target) {
        int total = 0;
        int dice = kDiceCount;
        for (;;) {
            const Position rolled{banked, total, Throw(dice, engine)};
            const auto best = BestMoveFrom(strategy, rolled);
            if (!best) {
                break;  // nothing to take: the turn is lost
            }
            rolls.push_back(rolled);
            total += best->move.points;
            if (best->move.bank) {
                banked += total;
                break;
            }
            dice = best->move.diceToRoll;
        }
    }
    std::uniform_int_distribution<std::size_t> pick(0, rolls.size() - 1);
    return rolls[pick(engine)];
}

std::vector<Alternative> PracticeChoices(const OptimalStrategy& strategy,
                                         const Position& position) {
    auto choices = Alternatives(strategy, position);
    std::stable_sort(choices.begin(), choices.end(), [](const auto& a, const auto& b) {
        return a.points != b.points ? a.points > b.points : a.bank && !b.bank;
    });
    return choices;
}

Move MoveOf(const Alternative& alternative) {
    return Move{alternative.points, alternative.bank,
                alternative.bank ? 0 : alternative.diceToRoll};
}

PracticeAnswer Judge(const std::vector<Alternative>& choices, std::size_t picked) {
    if (picked >= choices.size()) {
        throw std::out_of_range("no such alternative");
    }
    PracticeAnswer answer{picked, 0, 0};
    for (std::size_t i = 1; i < choices.size(); ++i) {
        if (choices[i].turns < choices[answer.best].turns) {
            answer.best = i;
        }
    }
    answer.cost = choices[picked].turns - choices[answer.best].turns;
    return answer;
}

}  // namespace vorpin::strategy
