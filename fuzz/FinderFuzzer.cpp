// SPDX-License-Identifier: GPL-3.0-or-later
// fuzz_finder: six die values from 0 to 255 (the first six bytes of the input, zeros
// for missing ones) go through the scoring options finder, and every option it offers
// must be one the scoring table allows for those dice, in row order, each offered once.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "OptionFinder.h"

namespace vorpin {
namespace {

[[noreturn]] void Fail(const DiceSet& dice, const char* why) {
    std::fprintf(stderr, "fuzz_finder: dice %d %d %d %d %d %d: %s\n", dice[0], dice[1], dice[2],
                 dice[3], dice[4], dice[5], why);
    std::abort();
}

// The row of the scoring table an option belongs to, from 0 (six of a kind) to 10
// (a single five), by its points; -1 for points the table does not give.
int TableRow(std::uint16_t points) {
    constexpr std::array<std::uint16_t, 11> kPoints{3000, 1500, 1000, 750, 600, 500,
                                                    400,  300,  200,  100, 50};
    const auto* found = std::find(kPoints.begin(), kPoints.end(), points);
    return found == kPoints.end() ? -1 : static_cast<int>(found - kPoints.begin());
}

// How many times the scoring table offers row `row` for dice showing each face
// counts[face] times (dice not in play left out).
int ExpectedCount(int row, const std::array<int, 7>& counts, bool sixInPlay) {
    const auto faces = [&](auto test) {
        return std::count_if(counts.begin() + 1, counts.end(), test);
    };
    switch (row) {
        case 0:
            return sixInPlay && faces([](int n) { return n == 6; }) == 1;
        case 1:
            return sixInPlay && faces([](int n) { return n == 1; }) == 6;
        case 2:
            return std::max(counts[1] - 2, 0);
        case 3:
            return sixInPlay && faces([](int n) { return n % 2 == 1; }) == 0;
        case 9:
            return counts[1];
        case 10:
            return counts[5];
        default:  // triples of 6 down to 2
            return std::max(counts[static_cast<std::size_t>(10 - row)] - 2, 0);
    }
}

// The dice an option of `row` takes: all six, three of one face, or one.
bool PatternFits(int row, const DicePattern& pattern) {
    const int used = static_cast<int>(
        std::count_if(pattern.begin(), pattern.end(), [](std::uint8_t face) { return face != 0; }));
    const auto faceOf = [&] { return *std::max_element(pattern.begin(), pattern.end()); };
    switch (row) {
        case 0:
        case 1:
        case 3:
            return used == kDiceCount;
        case 2:
            return used == 3 && faceOf() == 1;
        case 9:
            return used == 1 && faceOf() == 1;
        case 10:
            return used == 1 && faceOf() == 5;
        default:
            return used == 3 && faceOf() == 10 - row;
    }
}

void Check(const DiceSet& dice) {
    const DiceSet given = dice;
    OptionList found;
    FindScoringOptions(dice, found);
    if (dice != given) {
        Fail(given, "the finder changed the dice");
    }
    if (found.options.size() > 12) {
        Fail(dice, "more than twelve options");
    }
    std::array<int, 7> counts{};
    for (std::uint8_t value : dice) {
        counts[value >= 1 && value <= 6 ? value : 0U] += 1;
    }
    const bool sixInPlay = counts[0] == 0;
    std::array<int, 11> perRow{};
    int lastRow = 0;
    for (std::size_t i = 0; i < found.options.size(); ++i) {
        const ScoringOption& option = found.options[i];
        const int row = TableRow(option.points);
        if (row < 0) {
            Fail(dice, "points the scoring table does not give");
        }
        for (std::size_t slot = 0; slot < dice.size(); ++slot) {
            const std::uint8_t face = option.pattern[slot];
            if (face != 0 && (face != dice[slot] || face > 6)) {
                Fail(dice, "a pattern uses a die not in play or shows another face");
            }
        }
        if (!PatternFits(row, option.pattern)) {
            Fail(dice, "a pattern does not take the dice its points need");
        }
        if ((row == 0 || row == 1 || row == 3) && !sixInPlay) {
            Fail(dice, "a six-dice option without all six dice in play");
        }
        if (row < lastRow) {
            Fail(dice, "options out of row order");
        }
        if (std::count(found.options.begin(), found.options.begin() + static_cast<long>(i),
                       option) != 0) {
            Fail(dice, "an option offered twice");
        }
        lastRow = row;
        ++perRow[static_cast<std::size_t>(row)];
    }
    for (int row = 0; row < 11; ++row) {
        if (perRow[static_cast<std::size_t>(row)] != ExpectedCount(row, counts, sixInPlay)) {
            Fail(dice, "options missing or too many for a row of the scoring table");
        }
    }
}

}  // namespace
}  // namespace vorpin

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vorpin::DiceSet dice{};
    std::copy_n(data, std::min(size, dice.size()), dice.begin());
    vorpin::Check(dice);
    return 0;
}
