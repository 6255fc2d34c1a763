// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionFinder.h"

#include <algorithm>

namespace vorpin {
namespace {

constexpr std::uint16_t kSixOfAKindPoints = 3000;
constexpr std::uint16_t kStraightPoints = 1500;
constexpr std::uint16_t kThreeOnesPoints = 1000;
constexpr std::uint16_t kThreePairsPoints = 750;
constexpr std::uint16_t kSingleOnePoints = 100;
constexpr std::uint16_t kSingleFivePoints = 50;

// The dice in ascending order: for each face from 1 to 6, one entry per slot showing it.
DiceSet SortDice(const DiceSet& values) {
    DiceSet sorted{};
    std::size_t next = 0;
    for (std::uint8_t face = 1; face <= 6; ++face) {
        for (std::uint8_t value : values) {
            if (value == face) {
                sorted[next++] = value;
            }
        }
    }
    return sorted;
}

void FindSixOfAKind(const DiceSet& values, OptionSink& sink) {
    if (std::all_of(values.begin(), values.end(), [&](auto v) { return v == values[0]; })) {
        sink.AddOption(kSixOfAKindPoints, values);
    }
}

void FindStraight(const DiceSet& values, const DiceSet& sorted, OptionSink& sink) {
    if (sorted == DiceSet{1, 2, 3, 4, 5, 6}) {
        sink.AddOption(kStraightPoints, values);
    }
}

// Four of a kind with a pair, and six of a kind, pass as three pairs; two triples do not.
void FindThreePairs(const DiceSet& values, const DiceSet& sorted, OptionSink& sink) {
    if (sorted[0] == sorted[1] && sorted[2] == sorted[3] && sorted[4] == sorted[5]) {
        sink.AddOption(kThreePairsPoints, values);
    }
}

// Offers one triple for each run of three consecutive dice showing `face`: k such dice
// give k - 2 overlapping triples. Each scan takes the first three matches, then scans
// again without the first of them.
void FindTriples(const DiceSet& values, std::uint8_t face, std::uint16_t points, OptionSink& sink) {
    DicePattern pattern{};
    DiceSet rest = values;
    int matches = 0;
    for (std::size_t slot = 0; slot < values.size(); ++slot) {
        if (values[slot] != face) {
            continue;
        }
        pattern[slot] = face;
        if (++matches == 1) {
            rest[slot] = 0;
        }
        if (matches == 3) {
            sink.AddOption(points, pattern);
            FindTriples(rest, face, points, sink);
            return;
        }
    }
}

void FindSingles(const DiceSet& values, std::uint8_t face, std::uint16_t points, OptionSink& sink) {
    for (std::size_t slot = 0; slot < values.size(); ++slot) {
        if (values[slot] == face) {
            DicePattern pattern{};
            pattern[slot] = face;
            sink.AddOption(points, pattern);
        }
    }
}

// Which slots show each face, as bit masks (bit s for slot s), and how many; values
// other than 1 to 6 count as face 0, no die in play. Offers work straight from these.
class FaceSlots {
public:
    explicit FaceSlots(const DiceSet& dice) {
        for (std::size_t slot = 0; slot < dice.size(); ++slot) {
            const std::size_t face = dice[slot] <= 6 ? dice[slot] : 0U;
            slotsOf[face] = static_cast<std::uint8_t>(slotsOf[face] | 1U << slot);
            ++counts[face];
        }
    }

    bool NoneInPlay() const { return counts[0] == kDiceCount; }
    bool AllInPlay() const { return counts[0] == 0; }
    bool AnyFaceOnAllSix() const {
        return std::any_of(counts.begin() + 1, counts.end(), [](int n) { return n == kDiceCount; });
    }
    bool EachFaceOnce() const {
        return std::all_of(counts.begin() + 1, counts.end(), [](int n) { return n == 1; });
    }
    bool EveryCountEven() const {
        return std::all_of(counts.begin() + 1, counts.end(), [](int n) { return n % 2 == 0; });
    }

    // The lowest three slots showing `face`, then the next three after dropping the
    // lowest, and so on: k such dice give k - 2 triples.
    void OfferTriples(std::uint8_t face, std::uint16_t points, OptionSink& sink) const {
        if (counts[face] < 3) {
            return;
        }
        for (unsigned rest = slotsOf[face]; WithoutLowest(WithoutLowest(rest)) != 0;
             rest = WithoutLowest(rest)) {
            const unsigned beyondThree = WithoutLowest(WithoutLowest(WithoutLowest(rest)));
            sink.AddOption(points, Pattern(rest ^ beyondThree, face));
        }
    }

    void OfferSingles(std::uint8_t face, std::uint16_t points, OptionSink& sink) const {
        for (unsigned rest = slotsOf[face]; rest != 0; rest = WithoutLowest(rest)) {
            sink.AddOption(points, Pattern(rest ^ WithoutLowest(rest), face));
        }
    }

private:
    static unsigned WithoutLowest(unsigned slots) { return slots & (slots - 1); }

    static DicePattern Pattern(unsigned slots, std::uint8_t face) {
        const auto at = [&](unsigned slot) {
            return static_cast<std::uint8_t>((slots >> slot & 1U) * face);
        };
        return DicePattern{at(0), at(1), at(2), at(3), at(4), at(5)};
    }

    std::array<std::uint8_t, 7> slotsOf{};
    std::array<int, 7> counts{};
};

// The scoring table worked out from the slot masks; what fills the lookup table.
void FindBySlots(const DiceSet& dice, OptionSink& sink) {
    const FaceSlots faces(dice);
    if (faces.NoneInPlay()) {
        return;
    }
    const bool sixInPlay = faces.AllInPlay();
    if (sixInPlay) {
        if (faces.AnyFaceOnAllSix()) {
            sink.AddOption(kSixOfAKindPoints, dice);
        }
        if (faces.EachFaceOnce()) {
            sink.AddOption(kStraightPoints, dice);
        }
    }
    faces.OfferTriples(1, kThreeOnesPoints, sink);
    if (sixInPlay && faces.EveryCountEven()) {
        sink.AddOption(kThreePairsPoints, dice);
    }
    for (std::uint8_t face = 6; face >= 2; --face) {
        faces.OfferTriples(face, static_cast<std::uint16_t>(face * 100), sink);
    }
    faces.OfferSingles(1, kSingleOnePoints, sink);
    faces.OfferSingles(5, kSingleFivePoints, sink);
}

}  // namespace

int CountDiceInPlay(const DiceSet& dice) {
    return static_cast<int>(
        std::count_if(dice.begin(), dice.end(), [](auto v) { return v >= 1 && v <= 6; }));
}

OptionTable MakeScoringTable() {
    return OptionTable(FindBySlots);
}

void FindScoringOptions(const DiceSet& dice, OptionSink& sink) {
    for (const ScoringOption& option : LookUpScoringOptions(dice)) {
        sink.AddOption(option.points, option.pattern);
    }
}

void FindScoringOptionsByRules(const DiceSet& dice, OptionSink& sink) {
    DiceSet values = dice;
    for (auto& value : values) {
        if (value > 6) {
            value = 0;
        }
    }
    const int inPlay = CountDiceInPlay(values);
    if (inPlay == 0) {
        return;
    }
    const bool sixInPlay = inPlay == kDiceCount;
    DiceSet sorted{};
    if (sixInPlay) {
        sorted = SortDice(values);
        FindSixOfAKind(values, sink);
        FindStraight(values, sorted, sink);
    }
    FindTriples(values, 1, kThreeOnesPoints, sink);
    if (sixInPlay) {
        FindThreePairs(values, sorted, sink);
    }
    for (std::uint8_t face = 6; face >= 2; --face) {
        FindTriples(values, face, static_cast<std::uint16_t>(face * 100), sink);
    }
    FindSingles(values, 1, kSingleOnePoints, sink);
    FindSingles(values, 5, kSingleFivePoints, sink);
}

}  // namespace vorpin
