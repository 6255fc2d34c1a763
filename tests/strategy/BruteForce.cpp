// SPDX-License-Identifier: GPL-3.0-or-later
#include "BruteForce.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "FaceCounts.h"
#include "TakeReach.h"

namespace vorpin::strategy::testing {
namespace {

using Kinds = std::array<std::vector<ThrowKind>, kDiceCount + 1>;

const Kinds& AllKinds() {
    static const Kinds kinds = [] {
        Kinds all;
        for (int dice = 1; dice <= kDiceCount; ++dice) {
            all[static_cast<std::size_t>(dice)] = ThrowKinds(dice);
        }
        return all;
    }();
    return kinds;
}

}  // namespace

std::array<int, kDiceCount + 1> BestBySlots(const DiceSet& dice) {
    std::array<int, 64> bestOfMask;
    bestOfMask.fill(-1);
    std::function<void(DiceSet, unsigned, int)> visit = [&](DiceSet left, unsigned mask,
                                                            int points) {
        if (points <= bestOfMask[mask]) {
            return;
        }
        bestOfMask[mask] = points;
        for (const auto& option : OptionsFor(left)) {
            DiceSet after = left;
            unsigned used = 0;
            for (std::size_t slot = 0; slot < 6; ++slot) {
                if (option.pattern[slot] != 0) {
                    after[slot] = 0;
                    used |= 1u << slot;
                }
            }
            visit(after, mask | used, points + option.points);
        }
    };
    visit(dice, 0, 0);
    std::array<int, kDiceCount + 1> best;
    best.fill(TakeReach::kUnreachable);
    for (unsigned mask = 0; mask < 64; ++mask) {
        if (bestOfMask[mask] >= 0) {
            DiceSet left = dice;
            for (std::size_t slot = 0; slot < 6; ++slot) {
                left[slot] = (mask >> slot) & 1u ? 0 : left[slot];
            }
            auto& entry = best[static_cast<std::size_t>(CountDiceInPlay(left))];
            entry = std::max(entry, bestOfMask[mask]);
        }
    }
    return best;
}

std::vector<ThrowKind> ThrowKinds(int dice) {
    std::map<std::vector<int>, ThrowKind> kinds;
    const int throws = static_cast<int>(std::pow(6, dice));
    for (int index = 0; index < throws; ++index) {
        DiceSet thrown{};
        for (int slot = 0, rest = index; slot < dice; ++slot, rest /= 6) {
            thrown[static_cast<std::size_t>(slot)] = static_cast<std::uint8_t>(1 + rest % 6);
        }
        std::vector<int> key(thrown.begin(), thrown.begin() + dice);
        std::sort(key.begin(), key.end());
        auto [it, added] = kinds.try_emplace(key);
        it->second.probability += 1.0 / throws;
        if (added) {
            const auto best = BestBySlots(thrown);
            for (int left = 0; left < dice; ++left) {
                if (best[static_cast<std::size_t>(left)] >= 0) {
                    it->second.choices.push_back(
                        {best[static_cast<std::size_t>(left)], left == 0 ? kDiceCount : left});
                }
            }
        }
    }
    std::vector<ThrowKind> all;
    for (auto& [key, kind] : kinds) {
        all.push_back(kind);
    }
    return all;
}

double ChanceToGather(int goal) {
    std::map<std::pair<int, int>, double> memo;
    std::function<double(int, int)> chance = [&](int total, int dice) {
        if (total >= goal) {
            return 1.0;
        }
        if (auto it = memo.find({total, dice}); it != memo.end()) {
            return it->second;
        }
        double sum = 0;
        for (const ThrowKind& kind : AllKinds()[static_cast<std::size_t>(dice)]) {
            double best = 0;
            for (const TakeChoice& choice : kind.choices) {
                best = std::max(best, chance(total + choice.points, choice.diceToRoll));
            }
            sum += kind.probability * best;
        }
        return memo[{total, dice}] = sum;
    };
    return chance(0, kDiceCount);
}

// Each banked score in turn from the top, iterating x = 1 + (the turn's value given x)
// until it stands still; the turn's value takes the better move everywhere.
std::vector<double> TurnsByValueIteration(const GameRules& rules) {
    const int steps = rules.target / kPointStep;
    std::vector<double> turns(static_cast<std::size_t>(steps) + 1, 0.0);
    for (int banked = rules.target - kPointStep; banked >= 0; banked -= kPointStep) {
        const int minimum = rules.MinimumToBank(banked);
        const int highest = std::max(rules.target - banked, minimum);  // beyond: a bank ends it
        double x = 1;
        for (double previous = -1; std::abs(x - previous) > 1e-14;) {
            std::vector<std::array<double, kDiceCount + 1>> roll(
                static_cast<std::size_t>(highest / kPointStep) + 1);
            const auto after = [&](int total, int dice) {
                if (total < minimum) {
                    return roll[static_cast<std::size_t>(total / kPointStep)]
                               [static_cast<std::size_t>(dice)];
                }
                const double bank = turns[static_cast<std::size_t>(
                    std::min(banked + total, rules.target) / kPointStep)];
                return total >= highest
                           ? bank
                           : std::min(bank, roll[static_cast<std::size_t>(total / kPointStep)]
                                                [static_cast<std::size_t>(dice)]);
            };
            for (int total = highest - kPointStep; total >= 0; total -= kPointStep) {
                for (int dice = 1; dice <= kDiceCount; ++dice) {
                    double value = 0;
                    for (const ThrowKind& kind : AllKinds()[static_cast<std::size_t>(dice)]) {
                        double best = kind.choices.empty() ? x : 1e300;
                        for (const TakeChoice& choice : kind.choices) {
                            best = std::min(best, after(total + choice.points, choice.diceToRoll));
                        }
                        value += kind.probability * best;
                    }
                    roll[static_cast<std::size_t>(total / kPointStep)]
                        [static_cast<std::size_t>(dice)] = value;
                }
            }
            previous = x;
            x = 1 + roll[0][kDiceCount];
        }
        turns[static_cast<std::size_t>(banked / kPointStep)] = x;
    }
    return turns;
}

}  // namespace vorpin::strategy::testing
