// SPDX-License-Identifier: GPL-3.0-or-later
#include "SeededRand.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace vorpin::sim {
namespace {

// The simulator's games for a seed are the games std::rand() would throw, seed 0 and
// seeds above the signed range included.
TEST(SeededRand, GivesWhatTheCLibraryGivesForTheSameSeed) {
#if !defined(__GLIBC__)
    GTEST_SKIP() << "elsewhere SeededRand calls std::rand() itself";
#endif
    for (unsigned seed : {0U, 1U, 2U, 42U, 2147483647U, 2147483648U, 4294967295U}) {
        std::srand(seed);
        SeededRand rand(seed);
        for (int draw = 0; draw < 1000; ++draw) {
            const int expected = std::rand();
            ASSERT_EQ(rand.Next(), expected) << "seed " << seed << ", draw " << draw;
        }
    }
}

}  // namespace
}  // namespace vorpin::sim
