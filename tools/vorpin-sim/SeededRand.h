// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vorpin::sim {

// The numbers std::rand() gives after std::srand(seed), in the same order. With the GNU C
// library it works them out itself, by that library's additive feedback generator (31
// words, the second tap 3 words back), and spares the lock and the calls each
// std::rand() costs; with any other C library it seeds it and calls std::rand().
class SeededRand {
public:
    explicit SeededRand(unsigned seed);

#if defined(__GLIBC__)
    int Next() {
        std::uint32_t& word = state[front];
        word += state[rear];
        front = front + 1 == kDegree ? 0 : front + 1;
        rear = rear + 1 == kDegree ? 0 : rear + 1;
        return static_cast<int>(word >> 1);
    }

private:
    static constexpr std::size_t kDegree = 31;
    static constexpr std::size_t kSeparation = 3;

    std::array<std::uint32_t, kDegree> state{};
    std::size_t front = kSeparation;
    std::size_t rear = 0;
#else
    int Next();
#endif
};

}  // namespace vorpin::sim
