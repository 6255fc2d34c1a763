// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "DiceSet.h"
#include "OptionFinder.h"

namespace vorpin::strategy {

// The dice in play as a multiset: how many show each face. What the finder offers, as
// points and faces used, depends only on this, not on which slot holds which face.
class FaceCounts {
public:
    // Codes run below 7^6: each count is at most six.
    static constexpr int kCodeCount = 117649;

    static FaceCounts OfDiceInPlay(const DiceSet& dice);

    int Count(int face) const { return counts[static_cast<std::size_t>(face - 1)]; }
    void Add(int face, int count);
    int Size() const;
    // A number below kCodeCount that differs for every multiset.
    int Code() const;
    // The faces in ascending order from slot 0; the slots after them set aside.
    DiceSet AsDice() const;
    // The dice left after a take of the combination `pattern`.
    FaceCounts Without(const DicePattern& pattern) const;

private:
    std::array<std::uint8_t, 6> counts{};
};

// The finder's rows for `dice`.
std::vector<ScoringOption> OptionsFor(const DiceSet& dice);

}  // namespace vorpin::strategy
