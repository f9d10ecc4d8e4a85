#include "content/Random.h"

#include <gtest/gtest.h>

namespace {

TEST(Random, FollowsTheGamesGeneratorFromZero)
{
    NLib::resetRnd();
    // state 2531011 -> (state >> 16) & 0xffff = 38; the next state is 505908858 -> 7719.
    EXPECT_FLOAT_EQ(NLib::rnd(0, 65535), 38.0f);
    EXPECT_EQ(NLib::rndSeed(), 2531011u);
    EXPECT_FLOAT_EQ(NLib::rnd(0, 65535), 7719.0f);
    EXPECT_FLOAT_EQ(NLib::rnd(5, 5), 5.0f);

    NLib::resetRnd();
    const float first = NLib::rnd(-1, 1);
    NLib::resetRnd();
    EXPECT_EQ(NLib::rnd(-1, 1), first);
    NLib::resetRnd();
}

} // namespace
