// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vorpin::sim {

// The numbers std::rand() gives after std::srand(seed), in the same order. With the GNU C
// library it works them out itself, by that library's additive feedback generator (31
// words, each new word the sum of the words 31 and 3 places back), 31 at a time, and
// spares the lock and the calls each std::rand() costs; with any other C library it
// seeds it and calls std::rand().
class SeededRand {
public:
    explicit SeededRand(unsigned seed);

#if defined(__GLIBC__)
    int Next() {
        if (next == kDegree) {
            Refill();
        }
        return static_cast<int>(words[next++] >> 1);
    }

private:
    static constexpr std::size_t kDegree = 31;
    static constexpr std::size_t kSeparation = 3;

    // Replaces every word with the next one of the sequence, in order.
    void Refill();

    // The last 31 words of the sequence, oldest first; `next` is the next one to give.
    std::array<std::uint32_t, kDegree> words{};
    std::size_t next = kDegree;
#else
    int Next();
#endif
};

}  // namespace vorpin::sim
