#include "AppFixture.h"

#include "app/DisplayClock.h"
#include "platform/KFramePacer.h"
#include "world/WorldChecksum.h"

#include <algorithm>
#include <vector>

namespace {

using NVolant::PlayerControls;

constexpr int kSeed = 7;
// Enough steps of the first level for the plane to start and reach its full speed.
constexpr int kStartSteps = 120;

class FramePacingTest : public AppFixture {
protected:
    NVolant::GameField& startFlying()
    {
        start(NVolant::makeDefaultScreenKit(), computerRun());
        EXPECT_NE(app->playLevel(1, kSeed), nullptr);
        PlayerControls moved;
        moved.pointerMoves = 1;
        for (int step = 0; step < kStartSteps; ++step) {
            app->setPilotControls(moved);
            app->update(NLib::Window::kFrameStep);
        }
        // Hands off from here: every step takes the untouched devices' controls, drawn or not.
        EXPECT_EQ(game()->field().status(), NVolant::FieldStatus::Playing);
        return game()->field();
    }
};

} // namespace

// A display faster than the world's 60 steps a second shows the scroll moving by the same
// distance every frame (rather than 2-3-2-3 frames per step), and the world stepped by the
// display's clock is the world of the same number of undrawn steps.
TEST_F(FramePacingTest, EveryRefreshRateScrollsEvenlyAndStepsTheWorldAsUndrawn)
{
    constexpr float kScrollPerSecond = 100.0f; // the plane's full speed, 0.1 px/ms
    // The world after each undrawn step.
    std::vector<std::uint32_t> undrawn;
    NVolant::GameField& alone = startFlying();
    for (int step = 0; step <= 60; ++step) {
        undrawn.push_back(NVolant::WorldChecksum::of(alone));
        app->update(NLib::Window::kFrameStep);
    }

    for (const int rate : {60, 75, 120, 144}) {
        SCOPED_TRACE(std::to_string(rate) + " Hz");
        NVolant::GameField& field = startFlying();
        double displayMs = 0.0;
        app->setDisplayClock([&displayMs] { return displayMs; });
        KFramePacer steps;
        int stepCount = 0;
        std::vector<float> drawn;
        // Half a second of frames.
        for (int frame = 0; frame < rate / 2; ++frame) {
            displayMs += 1000.0 / rate;
            stepCount += steps.advance(displayMs).steps;
            app->frame();
            drawn.push_back(field.drawnScroll());
        }
        ASSERT_NEAR(stepCount, 30, 1);
        for (std::size_t i = 1; i < drawn.size(); ++i)
            ASSERT_NEAR(drawn[i] - drawn[i - 1], kScrollPerSecond / rate, 0.01f) << "frame " << i;
        EXPECT_EQ(NVolant::WorldChecksum::of(field), undrawn[static_cast<std::size_t>(stepCount)]);
    }
}

// Drawn between steps, the ground and everything on it move as one: shifted a whole pixel, the
// picture is the unshifted one a row lower.
TEST_F(FramePacingTest, TheShiftedGroundIsTheSamePictureMoved)
{
    NVolant::Level* level = startFlying().level();
    ASSERT_NE(level, nullptr);
    auto drawn = [&](float shift) {
        KWindow::current()->setViewTransform(0, 0, 0, 1, true);
        level->drawGround(shift, shift);
        level->drawTop(shift);
        std::vector<std::uint8_t> rgba;
        int width = 0, height = 0;
        EXPECT_TRUE(KInjection::readPicture(rgba, width, height));
        return rgba;
    };
    const std::vector<std::uint8_t> still = drawn(0.0f);
    const std::vector<std::uint8_t> moved = drawn(1.0f);
    ASSERT_EQ(still.size(), 800u * 600u * 4u);
    const std::size_t row = 800 * 4;
    EXPECT_NE(moved, still);
    EXPECT_TRUE(std::equal(still.begin(), still.end() - row, moved.begin() + row));
}

// The timer's jitter around each refresh is taken out, a missed refresh counts whole; a time far
// off the grid (a drifting display, two frames in one refresh) starts it again.
TEST(DisplayClock, SnapsToTheRefreshGridAndStartsItAgainWhenFarOff)
{
    NLib::DisplayClock clock(144);
    const double p = 1000.0 / 144;
    const double restart = 100.0 + 4 * p + 0.1 + 400.45 * p;
    EXPECT_DOUBLE_EQ(clock.now(100.0), 100.0);
    // Real time, then the display time it reads as.
    const std::pair<double, double> reads[] = {{100.0 + p + 0.9, 100.0 + p},
                                               {100.0 + 2 * p - 1.2, 100.0 + 2 * p},
                                               {100.0 + 4 * p + 0.3, 100.0 + 4 * p},
                                               {100.0 + 4 * p + 0.1, 100.0 + 4 * p + 0.1},
                                               {restart, restart},
                                               {restart + p + 0.5, restart + p}};
    for (const auto& [real, shown] : reads)
        EXPECT_NEAR(clock.now(real), shown, 1e-9) << real;
}
