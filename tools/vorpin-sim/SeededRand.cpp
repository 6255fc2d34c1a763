// SPDX-License-Identifier: GPL-3.0-or-later
#include "SeededRand.h"

#include <cstdlib>

namespace vorpin::sim {

#if defined(__GLIBC__)

// As the library seeds: a seed of 0 counts as 1; the 31 words follow from it by
// 16807 * word mod (2^31 - 1), worked out without overflow on the 32-bit signed seed;
// the first 310 numbers are thrown away. The library then starts its sum at the fourth
// word; here the words are kept from that one on, so that each batch runs in order.
SeededRand::SeededRand(unsigned seed) {
    std::array<std::uint32_t, kDegree> seeded{};
    std::int32_t word = static_cast<std::int32_t>(seed == 0 ? 1U : seed);
    seeded[0] = static_cast<std::uint32_t>(word);
    for (std::size_t i = 1; i < kDegree; ++i) {
        const std::int64_t high = word / 127773;
        const std::int64_t low = word % 127773;
        std::int64_t following = 16807 * low - 2836 * high;
        if (following < 0) {
            following += 2147483647;
        }
        word = static_cast<std::int32_t>(following);
        seeded[i] = static_cast<std::uint32_t>(word);
    }
    for (std::size_t i = 0; i < kDegree; ++i) {
        words[i] = seeded[(i + kSeparation) % kDegree];
    }
    for (int batch = 0; batch < 10; ++batch) {
        Refill();
    }
    next = kDegree;
}

void SeededRand::Refill() {
    for (std::size_t i = 0; i < kSeparation; ++i) {
        words[i] += words[i + kDegree - kSeparation];
    }
    for (std::size_t i = kSeparation; i < kDegree; ++i) {
        words[i] += words[i - kSeparation];
    }
    next = 0;
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
