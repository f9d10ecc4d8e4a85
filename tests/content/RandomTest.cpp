#include "content/Random.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(Random, FollowsTheGamesGeneratorFromItsSeed)
{
    NLib::Random random;
    // state 2531011 -> (state >> 16) & 0xffff = 38; the next state is 505908858 -> 7719.
    EXPECT_FLOAT_EQ(random.between(0, 65535), 38.0f);
    EXPECT_EQ(random.state(), 2531011u);
    EXPECT_FLOAT_EQ(random.between(0, 65535), 7719.0f);
    EXPECT_FLOAT_EQ(random.between(5, 5), 5.0f);

    NLib::Random again;
    NLib::Random other(7);
    EXPECT_FLOAT_EQ(again.between(-1, 1), NLib::Random().between(-1, 1));
    EXPECT_NE(other.between(-1, 1), NLib::Random().between(-1, 1));
}

// Recorded flights chose explosion pictures and tank bursts with the C library's rand after
// srand(seed); the game's integer choices must go on drawing the same sequence.
TEST(Random, IntegerChoicesAreTheCLibrarysSequenceForTheSeed)
{
    for (const unsigned seed : {0u, 1u, 42u, 4000000000u}) {
        std::srand(seed);
        NLib::Random random(seed);
        for (int i = 0; i < 1000; ++i)
            ASSERT_EQ(random.integer(), std::rand()) << "seed " << seed << ", draw " << i;
    }
}

} // namespace
