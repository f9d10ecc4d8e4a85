#include "platform/KFramePacer.h"

#include <gtest/gtest.h>

#include <cmath>

// Whatever the display's rate, the world takes 60 steps a second, and the picture's moment
// (the newest step's time, less the part of a step the blend leaves out) is the frame's own.
TEST(FramePacer, SixtyStepsASecondOnEveryDisplayAndThePictureAtTheFramesTime)
{
    for (const double rate : {30.0, 59.94, 60.0, 75.0, 120.0, 144.0, 165.0, 240.0}) {
        SCOPED_TRACE(rate);
        KFramePacer pacer;
        const double period = 1000.0 / rate;
        double worldMs = 0.0;
        int steps = 0;
        const int frames = static_cast<int>(std::lround(rate * 10));
        for (int frame = 0; frame < frames; ++frame) {
            const double display = 1000.0 + frame * period;
            const KFramePacer::Tick tick = pacer.advance(display);
            ASSERT_GE(tick.steps, frame == 0 ? 1 : 0);
            ASSERT_LE(tick.steps, static_cast<int>(std::ceil(60.0 / rate)));
            if (frame == 0)
                worldMs = display;
            else
                worldMs += tick.steps * KFramePacer::kStepMs;
            steps += tick.steps;
            ASSERT_NEAR(worldMs - (1.0 - tick.blend) * KFramePacer::kStepMs, display, 0.05) << frame;
        }
        EXPECT_NEAR(steps, 600, 1);
    }
    // On a 60 Hz display one step a frame, each drawn as it is, even with the timer's rounding.
    KFramePacer sixty;
    for (int frame = 0; frame < 1000; ++frame) {
        const KFramePacer::Tick tick = sixty.advance(frame * 16.666666 + (frame % 3) * 1e-3);
        ASSERT_EQ(tick.steps, 1) << frame;
        ASSERT_FLOAT_EQ(tick.blend, 1.0f) << frame;
    }
    // A stall or a pause is not made up for in a burst.
    KFramePacer stalled;
    stalled.advance(0.0);
    EXPECT_EQ(stalled.advance(5000.0).steps, 1);
    EXPECT_EQ(stalled.advance(5000.0 + KFramePacer::kStepMs).steps, 1);
}
