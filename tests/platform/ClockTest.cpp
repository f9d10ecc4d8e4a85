#include "platform/KClock.h"

#include <gtest/gtest.h>

namespace {

struct ManualClock {
    ManualClock() { setManualClock(true); }
    ~ManualClock() { setManualClock(false); }
};

} // namespace

TEST(Clock, GameTimeFollowsTheClockAndSkipsResetPauses)
{
    ManualClock manual;
    const double start = getMilliseconds();
    advanceManualClock(40);
    EXPECT_DOUBLE_EQ(getMilliseconds() - start, 40.0);
    // A pause: time passes, then the clock is reset, so the pause is not counted.
    advanceManualClock(5000);
    resetClock();
    advanceManualClock(10);
    EXPECT_DOUBLE_EQ(getMilliseconds() - start, 50.0);
}

TEST(Clock, WaitsAdvanceAManualClockAtOnce)
{
    ManualClock manual;
    const double start = getMilliseconds();
    sleepPrecise(16);
    waitMilliseconds(5, false);
    EXPECT_GE(getMilliseconds() - start, 21.0);
    EXPECT_LT(getMilliseconds() - start, 23.0);
}

TEST(Clock, RealClockNeverRunsBackwards)
{
    const double a = getMilliseconds();
    const double b = getMilliseconds();
    EXPECT_GE(b, a);
    EXPECT_GE(getRealMilliseconds(), 0.0);
}
