// SPDX-License-Identifier: GPL-3.0-or-later
#include "TakeReach.h"

#include <algorithm>
#include <stdexcept>

namespace vorpin::strategy {
namespace {

constexpr std::int16_t kNotBuilt = -1;

// Every multiset of up to six dice, each passed to `visit` once.
template <typename Visit>
void ForEachMultiset(FaceCounts faces, int face, int room, Visit& visit) {
    if (face > 6) {
        visit(faces);
        return;
    }
    for (int count = 0; count <= room; ++count) {
        FaceCounts next = faces;
        next.Add(face, count);
        ForEachMultiset(next, face + 1, room - count, visit);
    }
}

}  // namespace

TakeReach::TakeReach() : slotOfCode(FaceCounts::kCodeCount, kNotBuilt) {
    auto build = [this](const FaceCounts& faces) { Build(faces); };
    ForEachMultiset(FaceCounts{}, 1, kDiceCount, build);
}

const TakeReach::Best& TakeReach::Of(const FaceCounts& dice) const {
    const std::int16_t slot = slotOfCode[static_cast<std::size_t>(dice.Code())];
    if (slot == kNotBuilt) {
        throw std::out_of_range("more than six dice");
    }
    return bests[static_cast<std::size_t>(slot)];
}

// Memoised over the multisets: a take only ever leads to a smaller one.
const TakeReach::Best& TakeReach::Build(const FaceCounts& dice) {
    const auto code = static_cast<std::size_t>(dice.Code());
    if (slotOfCode[code] != kNotBuilt) {
        return bests[static_cast<std::size_t>(slotOfCode[code])];
    }
    Best best;
    best.fill(kUnreachable);
    best[static_cast<std::size_t>(dice.Size())] = 0;
    for (const ScoringOption& option : OptionsFor(dice.AsDice())) {
        const Best after = Build(dice.Without(option.pattern));
        for (std::size_t left = 0; left < best.size(); ++left) {
            if (after[left] != kUnreachable) {
                best[left] = std::max(best[left], option.points + after[left]);
            }
        }
    }
    slotOfCode[code] = static_cast<std::int16_t>(bests.size());
    bests.push_back(best);
    return bests.back();
}

}  // namespace vorpin::strategy
