// SPDX-License-Identifier: GPL-3.0-or-later
#include "SeededRand.h"

#include <cstdlib>

namespace vorpin::sim {

#if defined(__GLIBC__)

// As the library seeds: a seed of 0 counts as 1; the words follow from it by
// 16807 * word mod (2^31 - 1), worked out without overflow on the 32-bit signed seed;
// the first 310 numbers are thrown away.
SeededRand::SeededRand(unsigned seed) {
    std::int32_t word = static_cast<std::int32_t>(seed == 0 ? 1U : seed);
    state[0] = static_cast<std::uint32_t>(word);
    for (std::size_t i = 1; i < kDegree; ++i) {
        const std::int64_t high = word / 127773;
        const std::int64_t low = word % 127773;
        std::int64_t next = 16807 * low - 2836 * high;
        if (next < 0) {
            next += 2147483647;
        }
        word = static_cast<std::int32_t>(next);
        state[i] = static_cast<std::uint32_t>(word);
    }
    for (std::size_t i = 0; i < 10 * kDegree; ++i) {
        Next();
    }
}

#else

SeededRand::SeededRand(unsigned seed) {
    std::srand(seed);
}

int SeededRand::Next() {
    return std::rand();
}

#endif

}  // namespace vorpin::sim
