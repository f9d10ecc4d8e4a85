#include "platform/KClock.h"

#include <gtest/gtest.h>

TEST(Clock, GameTimeFollowsAManualClockSkipsResetPausesAndWaitsAtOnce)
{
    setManualClock(true);
    const double start = getMilliseconds();
    advanceManualClock(40);
    EXPECT_DOUBLE_EQ(getMilliseconds() - start, 40.0);
    // A pause: time passes, then the clock is reset, so the pause is not counted.
    advanceManualClock(5000);
    resetClock();
    advanceManualClock(10);
    EXPECT_DOUBLE_EQ(getMilliseconds() - start, 50.0);

    sleepPrecise(16);
    waitMilliseconds(5, false);
    EXPECT_GE(getMilliseconds() - start, 71.0);
    EXPECT_LT(getMilliseconds() - start, 73.0);
    setManualClock(false);
}
