// SPDX-License-Identifier: GPL-3.0-or-later
// Games of a player who mostly plays the best move: rolls that best play reaches, each
// ended with the best alternative or, one time in `slipEvery`, any alternative.
#pragma once

#include <random>
#include <vector>

#include "GameCoach.h"
#include "Practice.h"

namespace vorpin {

inline strategy::Decision SampleDecision(const strategy::OptimalStrategy& solved,
                                         std::mt19937& engine, int slipEvery) {
    const strategy::Position position = strategy::PositionReachedByBestPlay(solved, engine);
    const auto choices = strategy::PracticeChoices(solved, position);
    const auto best = strategy::BestMoveFrom(solved, position);
    std::size_t pick = 0;
    if (engine() % static_cast<unsigned>(slipEvery) == 0) {
        pick = engine() % choices.size();
    } else {
        pick = strategy::Judge(choices, 0).best;
    }
    const strategy::Alternative& done = choices[pick];
    return strategy::Decision{1 + position.banked / 500, position, strategy::MoveOf(done),
                              best->move, done.turns - best->turns};
}

inline std::vector<strategy::GameReview> SampleGames(const strategy::OptimalStrategy& solved,
                                                     int games, int decisionsEach,
                                                     std::uint32_t seed, int slipEvery = 4) {
    std::mt19937 engine(seed);
    std::vector<strategy::GameReview> reviews;
    for (int game = 0; game < games; ++game) {
        strategy::GameReview review{static_cast<int>(8 + engine() % 9),
                                    5000 + 50 * (game % 5),
                                    solved.TurnsFromStart(0),
                                    0,
                                    0,
                                    {}};
        for (int i = 0; i < decisionsEach; ++i) {
            review.decisions.push_back(SampleDecision(solved, engine, slipEvery));
            review.skillCost += review.decisions.back().cost;
        }
        review.luck = review.turns - review.expected - review.skillCost;
        reviews.push_back(std::move(review));
    }
    return reviews;
}

}  // namespace vorpin
