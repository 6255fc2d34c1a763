// SPDX-License-Identifier: GPL-3.0-or-later
#include "RollOutcomes.h"

#include <map>
#include <stdexcept>

namespace vorpin::strategy {
namespace {

double Factorial(int n) {
    double product = 1;
    for (int i = 2; i <= n; ++i) {
        product *= i;
    }
    return product;
}

// n! / (c1! ... c6!) / 6^n
double MultinomialProbability(const FaceCounts& faces) {
    const int dice = faces.Size();
    double ways = Factorial(dice);
    double throws = 1;
    for (int face = 1; face <= 6; ++face) {
        ways /= Factorial(faces.Count(face));
    }
    for (int i = 0; i < dice; ++i) {
        throws *= 6;
    }
    return ways / throws;
}

void AddMultisets(FaceCounts faces, int face, int room, std::vector<RollMultiset>& out) {
    if (face == 6) {
        faces.Add(6, room);
        out.push_back(RollMultiset{faces, MultinomialProbability(faces)});
        return;
    }
    for (int count = 0; count <= room; ++count) {
        FaceCounts next = faces;
        next.Add(face, count);
        AddMultisets(next, face + 1, room - count, out);
    }
}

}  // namespace

std::vector<TakeChoice> ChoicesAfterRoll(const TakeReach& reach, const FaceCounts& rolled) {
    const TakeReach::Best& best = reach.Of(rolled);
    std::vector<TakeChoice> choices;
    for (int left = 0; left < rolled.Size(); ++left) {
        const int points = best[static_cast<std::size_t>(left)];
        if (points != TakeReach::kUnreachable) {
            choices.push_back(TakeChoice{points, left == 0 ? kDiceCount : left});
        }
    }
    return choices;
}

std::vector<RollMultiset> RollMultisets(int dice) {
    std::vector<RollMultiset> multisets;
    AddMultisets(FaceCounts{}, 1, dice, multisets);
    return multisets;
}

RollOutcomes::RollOutcomes(const TakeReach& reach) {
    for (int dice = 1; dice <= kDiceCount; ++dice) {
        std::map<std::vector<TakeChoice>, double> byChoices;
        for (const RollMultiset& roll : RollMultisets(dice)) {
            const auto choices = ChoicesAfterRoll(reach, roll.faces);
            if (choices.empty()) {
                lose[Index(dice)] += roll.probability;
            } else {
                byChoices[choices] += roll.probability;
            }
        }
        for (const auto& [choices, probability] : byChoices) {
            groups[Index(dice)].push_back(OutcomeGroup{probability, choices});
        }
    }
}

std::size_t RollOutcomes::Index(int dice) {
    if (dice < 1 || dice > kDiceCount) {
        throw std::out_of_range("dice to roll must be 1 to 6");
    }
    return static_cast<std::size_t>(dice - 1);
}

}  // namespace vorpin::strategy
