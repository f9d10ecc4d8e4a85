// The aim sight: the lock time, leading the cannon, homing only with the bonus, the gliding sight,
// the lock marker and the sight's place on screen, and what happens without a level.
#include "player/AimSight.h"

#include "combat/ShotTestWorld.h"

#include <algorithm>
#include <cmath>

using NVolant::AimSight;

namespace {

constexpr float kFrame = 1000.0f / 60.0f;

class AimSightTest : public ShotTestWorld {
protected:
    // What the plane does with its sight every frame.
    void frame(AimSight& sight, int n = 1)
    {
        for (int i = 0; i < n; ++i) {
            sight.update(kFrame);
            sight.track(planeWorld, camera);
            sight.update(kFrame);
        }
    }

    // The sight drawn alone on black.
    Frame drawn(AimSight& sight)
    {
        return picture([&] { sight.draw(); });
    }
    static int differing(const Frame& a, const Frame& b)
    {
        return ShotTestWorld::differing(a, b, 0, 0, a.width, a.height);
    }

    Vector4 planeWorld{400.0f, 1100.0f};
    Vector4 camera{0.0f, 1000.0f};
};

TEST_F(AimSightTest, LockCompletesAfterSevenFramesAndRestartsWhenTheTargetChanges)
{
    AimSight withoutLevel(arena);
    withoutLevel.setActive(true);
    frame(withoutLevel);
    EXPECT_FALSE(withoutLevel.active()) << "no level switches the sight off";

    ScriptedTarget enemy;
    arena.setTargets(&enemy);
    enemy.info.id = 5;
    enemy.info.position = Vector4(400.0f, 1300.0f);
    AimSight sight(arena);
    sight.setActive(true);
    int frames = 0;
    while (sight.missileTarget() == 0 && frames < 100) {
        frame(sight);
        ++frames;
    }
    // 200 ms counted down twice per frame: about 100 ms of play.
    EXPECT_EQ(frames, 7);
    EXPECT_EQ(sight.missileTarget(), 5);

    enemy.info.id = 6;
    frame(sight);
    EXPECT_EQ(sight.targetId(), 6);
    EXPECT_EQ(sight.missileTarget(), 0);
    enemy.present = false;
    frame(sight);
    EXPECT_EQ(sight.targetId(), 0);
    EXPECT_FLOAT_EQ(sight.lockTimer(), AimSight::kLockTime) << "no target: the lock waits";
}

TEST_F(AimSightTest, WithoutTheBonusTargetsAreTrackedButBulletsFlyStraightAndMissilesDoNotHome)
{
    ScriptedTarget enemy;
    arena.setTargets(&enemy);
    enemy.info.id = 9;
    enemy.info.position = Vector4(450.0f, 1400.0f);
    AimSight sight(arena);
    frame(sight, 20);
    EXPECT_EQ(sight.targetId(), 9);
    EXPECT_LT(sight.lockTimer(), 0.0f);
    EXPECT_LT(sight.angle(), 0.0f);
    EXPECT_FLOAT_EQ(sight.bulletAngle(), 0.0f);
    EXPECT_EQ(sight.missileTarget(), 0);
    sight.setActive(true);
    EXPECT_EQ(sight.missileTarget(), 9);
    EXPECT_FLOAT_EQ(sight.bulletAngle(), sight.angle());
}

TEST_F(AimSightTest, BulletsLeadAMovingTarget)
{
    ScriptedTarget enemy;
    arena.setTargets(&enemy);
    enemy.info.id = 3;
    enemy.info.position = Vector4(460.0f, 1400.0f); // 60 right, 300 ahead
    AimSight sight(arena);
    sight.setActive(true);
    frame(sight);
    const float still = sight.bulletAngle();
    EXPECT_NEAR(still, std::atan(-60.0f / 300.0f) * 57.3248405f, 1e-3f);
    EXPECT_LT(still, 0.0f) << "a target to the right turns the rounds right";

    // Crossing to the right at 0.1 px/ms: aim further right by 0.1 x 300.
    enemy.info.direction = Vector4(1.0f, 0.0f);
    enemy.info.speed = 0.1f;
    frame(sight);
    EXPECT_NEAR(sight.bulletAngle(), std::atan(-90.0f / 300.0f) * 57.3248405f, 1e-3f);

    // Level with the plane there is nothing to lead; the angle stays a number.
    enemy.info.position = planeWorld;
    frame(sight);
    EXPECT_FLOAT_EQ(sight.bulletAngle(), 0.0f);
}

TEST_F(AimSightTest, SightAppearsAboveThePlaneGlidesToTheTargetAndNeverLeavesTheTopOfTheScreen)
{
    ScriptedTarget enemy;
    arena.setTargets(&enemy);
    enemy.present = false;
    AimSight sight(arena);
    frame(sight);
    sight.setActive(true);
    // 300 px above the plane's screen point (400, 500).
    EXPECT_EQ(sight.shownPoint(), Vector4(400.0f, 200.0f));
    EXPECT_EQ(sight.startPoint(), Vector4(400.0f, 200.0f));

    enemy.present = true;
    enemy.info.id = 1;
    enemy.info.position = Vector4(420.0f, 1500.0f); // screen (420, 100)
    frame(sight);
    EXPECT_EQ(sight.aimPoint(), Vector4(420.0f, 100.0f));
    // It glides there over a few frames instead of jumping.
    EXPECT_GT(sight.shownPoint().x, 400.0f);
    EXPECT_LT(sight.shownPoint().x, 420.0f);
    frame(sight, 30);
    EXPECT_NEAR(sight.shownPoint().y, 100.0f, 0.5f);

    // With the plane high on screen, at y 40, the point 300 above it is off the screen: the sight
    // stays wholly on screen, centred 32 below the top.
    enemy.present = false;
    planeWorld = Vector4(400.0f, camera.y + 600.0f - 40.0f);
    frame(sight, 30);
    ASSERT_LT(sight.aimPoint().y, 0.0f);
    const Frame shown = drawn(sight);
    EXPECT_FLOAT_EQ(sight.shownPoint().y, 32.0f);
    int lit = 0, top = shown.height, bottom = -1;
    for (int y = 0; y < shown.height; ++y)
        for (int x = 0; x < shown.width; ++x) {
            const Frame::Pixel p = shown.at(x, y);
            if (p.r + p.g + p.b <= 24)
                continue;
            ++lit;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    ASSERT_GT(lit, 20);
    EXPECT_GT(top, 0);
    EXPECT_NEAR((top + bottom) / 2.0f, 32.0f, 2.0f);
}

TEST_F(AimSightTest, TheLockMarkerShowsOnlyWithACompletedLockAndAMissileReady)
{
    ScriptedTarget enemy;
    arena.setTargets(&enemy);
    enemy.info.id = 4;
    enemy.info.position = Vector4(430.0f, 1350.0f);
    AimSight sight(arena);
    sight.setActive(true);
    frame(sight, 3);
    ASSERT_GE(sight.lockTimer(), 0.0f);
    sight.setArmed(true);
    const Frame armedBeforeLock = drawn(sight);
    sight.setArmed(false);
    EXPECT_EQ(differing(armedBeforeLock, drawn(sight)), 0) << "no marker before the lock completes";

    // Locked and ready, it shows: PlaneTest.TheLockMarkerGoesWithEachMissileUntilTheNextIsReady.
}

} // namespace
