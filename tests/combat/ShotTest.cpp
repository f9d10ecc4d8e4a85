// Projectiles one by one: headings, ranges, damage, the swept and point hit tests, homing, the
// rocket's burst.
#include "combat/Bullet.h"
#include "combat/Missile.h"
#include "combat/TankRocket.h"
#include "content/ParticleSystem.h"

#include "ShotTestWorld.h"

#include <cmath>

using NVolant::Bullet;
using NVolant::Missile;
using NVolant::TankRocket;

namespace {

constexpr float kFrame = 1000.0f / 60.0f;

using ShotTest = ShotTestWorld;

TEST_F(ShotTest, IdentifiersCountUpAndWrapAfterOneHundredThousand)
{
    Bullet a(arena, 0), b(arena, 0);
    EXPECT_EQ(a.identifier(), 1) << "a new game counts from 1";
    EXPECT_EQ(b.identifier(), 2);
    NVolant::RunningIds ids(99999, 99999);
    EXPECT_EQ(ids.nextShot(), 99999);
    EXPECT_EQ(ids.nextShot(), 100000);
    EXPECT_EQ(ids.nextShot(), 1);
    EXPECT_EQ(ids.nextEnemy(), 100000);
    EXPECT_EQ(ids.nextEnemy(), 1);
}

TEST_F(ShotTest, HeadingTurnsTowardMinusXForPositiveAngles)
{
    Bullet b(arena, 0);
    b.setAngle(0.0f);
    EXPECT_FLOAT_EQ(b.direction().x, 0.0f);
    EXPECT_FLOAT_EQ(b.direction().y, 1.0f);
    b.setAngle(90.0f);
    EXPECT_NEAR(b.direction().x, -1.0f, 1e-6f);
    EXPECT_NEAR(b.direction().y, 0.0f, 1e-6f);
    b.setAngle(180.0f);
    EXPECT_NEAR(b.direction().y, -1.0f, 1e-6f);
}

TEST_F(ShotTest, BulletKindsCarryTheirDamageAndOtherKindsFireTheFirst)
{
    const int expected[] = {8, 10, 12, 8, 8};
    for (int kind = 0; kind < 5; ++kind) {
        Bullet b(arena, kind);
        EXPECT_EQ(b.kind(), kind);
        EXPECT_EQ(b.damage(), expected[kind]);
        EXPECT_FLOAT_EQ(b.speed(), 1.0f);
        EXPECT_FLOAT_EQ(b.range(), 400.0f);
    }
    for (int kind : {-1, 5, 77}) {
        Bullet b(arena, kind);
        EXPECT_EQ(b.kind(), 0);
        EXPECT_EQ(b.damage(), 8);
    }
}

TEST_F(ShotTest, ABulletAtExactlyItsRangeFliesOnAndTheNextMoveSpendsIt)
{
    Bullet b(arena, 0);
    b.setPosition(Vector4(100.0f, 100.0f));
    b.setAngle(0.0f);
    b.launch();
    for (int i = 0; i < 25; ++i)
        b.update(16.0f); // 25 x 16 = 400 exactly
    EXPECT_FLOAT_EQ(b.travelled(), 400.0f);
    EXPECT_FALSE(b.spent());
    b.update(0.5f);
    EXPECT_TRUE(b.spent());
}

TEST_F(ShotTest, BulletIsTestedAlongItsWholeStepAndStopsAtTheHitPoint)
{
    // The target lies between the two ends of one frame's path: a test at either end misses it.
    const auto target = circleAt(100.0f, 208.0f, 6.0f);
    Bullet b(arena, 2);
    b.setPosition(Vector4(100.0f, 200.0f));
    b.setAngle(0.0f);
    b.launch();
    b.update(kFrame); // 200 -> 216.7, swept in five steps of 3.33
    EXPECT_EQ(b.hitTest(target), 12);
    EXPECT_TRUE(b.spent());
    EXPECT_NEAR(b.previousPosition().y, 203.33f, 0.01f); // the first sweep point inside
    EXPECT_EQ(b.hitTest(target), 0);                     // spent rounds hit nothing more
}

TEST_F(ShotTest, BulletThatHasNotMovedChecksItsOwnPointOnly)
{
    Bullet b(arena, 0);
    b.setPosition(Vector4(50.0f, 50.0f));
    b.setAngle(0.0f);
    b.launch();
    // Fired right next to the target: the path is the firing point, never a line from elsewhere.
    EXPECT_EQ(b.hitTest(circleAt(52.0f, 50.0f, 1.0f)), 0); // 1 + 1 = 2 < 4
    EXPECT_EQ(b.hitTest(circleAt(51.0f, 50.0f, 1.0f)), 8);
}

TEST_F(ShotTest, HitRuleComparesSquaredRadiiAndATouchIsNoHit)
{
    // Radius 7 and the round's 1: 49 + 1 = 50 against the squared distance.
    Bullet b(arena, 0);
    b.setPosition(Vector4(0.0f, 0.0f));
    b.launch();
    EXPECT_EQ(b.hitTest(NVolant::CollitionCircles()), 0);
    EXPECT_EQ(b.hitTest(circleAt(5.0f, 5.0f, 7.0f)), 0); // 50 == 50
    EXPECT_EQ(b.hitTest(circleAt(5.0f, 4.9f, 7.0f)), 8);
}

TEST_F(ShotTest, FourMissileVariantsLeaveSlowerAndAccelerate)
{
    for (int i = 0; i < 4; ++i) {
        Missile m(arena);
        m.makeFourMissileVariant(i);
        EXPECT_FLOAT_EQ(m.speed(), 0.5f / static_cast<float>(i + 1));
        EXPECT_FLOAT_EQ(m.maxSpeed(), 0.75f);
        EXPECT_FLOAT_EQ(m.acceleration(), 0.0004f);
    }
    Missile slow(arena);
    slow.setAngle(0.0f);
    slow.launch();
    slow.makeFourMissileVariant(3);
    for (int i = 0; i < 200; ++i)
        slow.update(kFrame);
    // Accelerates only while below the top speed; the last step may overshoot it a little.
    EXPECT_GE(slow.speed(), 0.75f);
    EXPECT_LT(slow.speed(), 0.75f + 0.0004f * kFrame);
}

TEST_F(ShotTest, MissileHomesOnAMovingTargetAndFliesStraightWhenItIsLost)
{
    ScriptedTarget enemy;
    arena.setTargets(&enemy);
    enemy.info.id = 42;
    enemy.info.position = Vector4(500.0f, 600.0f);
    Missile m(arena);
    m.setPosition(Vector4(300.0f, 300.0f));
    m.setAngle(0.0f);
    m.launch();
    m.setTarget(42);
    float closest = 1e9f;
    for (int i = 0; i < 120 && !m.spent(); ++i) {
        enemy.info.position.x -= 0.05f * kFrame; // crossing right to left
        m.update(kFrame);
        closest = std::min(closest, (m.position() - enemy.info.position).length());
    }
    EXPECT_LT(closest, 10.0f) << "the missile never came close to its target";
    // Heading and drawing angle agree: the target lies to the right, so the angle went negative.
    EXPECT_NEAR(m.direction().length(), 1.0f, 1e-4f);

    Missile lost(arena);
    lost.setPosition(Vector4(100.0f, 100.0f));
    lost.setAngle(0.0f);
    lost.launch();
    lost.setTarget(42);
    lost.update(kFrame);
    const float angleBefore = lost.angle();
    EXPECT_LT(angleBefore, 0.0f); // turning right, toward x = 500
    enemy.present = false;
    lost.update(kFrame);
    EXPECT_EQ(lost.target(), 0);
    const Vector4 heading = lost.direction();
    const float angle = lost.angle();
    lost.update(kFrame);
    EXPECT_EQ(lost.direction(), heading);
    EXPECT_FLOAT_EQ(lost.angle(), angle);
}

TEST_F(ShotTest, MissileWithoutALevelFliesStraight)
{
    Missile m(arena);
    m.setPosition(Vector4(0.0f, 0.0f));
    m.setAngle(0.0f);
    m.launch();
    m.setTarget(7);
    m.update(kFrame);
    EXPECT_FLOAT_EQ(m.position().x, 0.0f);
    EXPECT_FLOAT_EQ(m.position().y, 0.5f * kFrame);
}

TEST_F(ShotTest, MissileHitsAsAPointForOneHundred)
{
    Missile m(arena);
    m.setPosition(Vector4(10.0f, 10.0f));
    m.launch();
    EXPECT_EQ(m.hitTest(circleAt(10.0f, 14.0f, 4.0f)), 100); // 16 + 1 > 16
    EXPECT_TRUE(m.spent());
    Missile n(arena);
    n.setPosition(Vector4(10.0f, 10.0f));
    n.launch();
    EXPECT_EQ(n.hitTest(circleAt(10.0f, 15.0f, 4.0f)), 0);
}

TEST_F(ShotTest, RocketAcceleratesThenBurstsIntoAGrowingBlast)
{
    TankRocket r(arena);
    r.setPosition(Vector4(400.0f, 1000.0f));
    r.setAngle(180.0f);
    r.launch();
    EXPECT_FLOAT_EQ(r.speed(), 0.0f);
    r.update(100.0f);
    EXPECT_FLOAT_EQ(r.speed(), 0.08f);
    for (int i = 0; i < 10; ++i)
        r.update(100.0f);
    EXPECT_FLOAT_EQ(r.speed(), 0.5f);
    EXPECT_EQ(r.phase(), TankRocket::Flying);

    while (r.phase() == TankRocket::Flying)
        r.update(kFrame);
    EXPECT_EQ(r.phase(), TankRocket::Bursting);
    EXPECT_EQ(r.trail(), nullptr) << "the trail is let go when the rocket bursts";
    EXPECT_FALSE(r.spent());
    const Vector4 burst = r.position();

    // 10 px off: out of reach of the young blast, caught once it has grown past 8.
    const auto near = circleAt(burst.x + 10.0f, burst.y, 6.0f);
    EXPECT_EQ(r.hitTest(near), 0);
    r.update(150.0f); // blast 1 + 9 = 10
    EXPECT_EQ(r.position(), burst);
    EXPECT_EQ(r.hitTest(near), 50);
    EXPECT_EQ(r.phase(), TankRocket::Finished);
    EXPECT_TRUE(r.spent());
}

TEST_F(ShotTest, UnusedBlastDiesAtFifteenPixels)
{
    TankRocket r(arena);
    r.setRange(0.0f);
    r.launch();
    r.update(10.0f);
    ASSERT_EQ(r.phase(), TankRocket::Bursting);
    int updates = 0;
    while (!r.spent() && updates < 100) {
        r.update(10.0f);
        ++updates;
    }
    EXPECT_EQ(r.phase(), TankRocket::Finished);
    EXPECT_EQ(updates, 24); // 1 + 0.6 x 24 = 15.4 is the first size above 15
}

} // namespace
