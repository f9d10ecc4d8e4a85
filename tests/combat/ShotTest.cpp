// Projectiles one by one: headings, damage, the swept and point hit tests, homing, the rocket's
// burst.
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

template <typename T> void launch(T& shot, const Vector4& at, float angle = 0.0f)
{
    shot.setPosition(at);
    shot.setAngle(angle);
    shot.launch();
}

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

TEST_F(ShotTest, HeadingTurnsTowardMinusXForPositiveAnglesAndUnknownKindsFireTheFirst)
{
    struct Case {
        float angle, x, y;
    };
    Bullet b(arena, 0);
    for (const Case c : {Case{0.0f, 0.0f, 1.0f}, Case{90.0f, -1.0f, 0.0f}, Case{180.0f, 0.0f, -1.0f}}) {
        b.setAngle(c.angle);
        EXPECT_NEAR(b.direction().x, c.x, 1e-6f) << c.angle;
        EXPECT_NEAR(b.direction().y, c.y, 1e-6f) << c.angle;
    }
    for (int kind : {-1, 5, 77}) {
        Bullet odd(arena, kind);
        EXPECT_EQ(odd.kind(), 0);
        EXPECT_EQ(odd.damage(), b.damage());
    }
}

TEST_F(ShotTest, BulletIsTestedAlongItsWholeStepAndStopsAtTheHitPoint)
{
    // The target lies between the two ends of one frame's path: a test at either end misses it.
    const auto target = circleAt(100.0f, 208.0f, 6.0f);
    Bullet b(arena, 2);
    launch(b, Vector4(100.0f, 200.0f));
    b.update(kFrame); // 200 -> 216.7, swept in five steps of 3.33
    EXPECT_EQ(b.hitTest(target), 12);
    EXPECT_TRUE(b.spent());
    EXPECT_NEAR(b.previousPosition().y, 203.33f, 0.01f); // the first sweep point inside
    EXPECT_EQ(b.hitTest(target), 0);                     // spent rounds hit nothing more
}

TEST_F(ShotTest, AnUnmovedShotHitsAtItsOwnPointWhenTheSquaredRadiiOutweighTheDistance)
{
    // A round counts as radius 1 and a missile as a point of radius 1: a touch is no hit, and a
    // round fired next to a target tests the firing point, never a line from elsewhere.
    struct Case {
        bool missile;
        Vector4 from;
        float x, y, radius;
        int damage;
    };
    for (const Case c :
         {Case{false, Vector4(50, 50), 52.0f, 50.0f, 1.0f, 0},
          Case{false, Vector4(50, 50), 51.0f, 50.0f, 1.0f, 8},
          Case{false, Vector4(0, 0), 5.0f, 5.0f, 7.0f, 0}, // 49 + 1 == 50
          Case{false, Vector4(0, 0), 5.0f, 4.9f, 7.0f, 8}, Case{true, Vector4(10, 10), 10.0f, 15.0f, 4.0f, 0},
          Case{true, Vector4(10, 10), 10.0f, 14.0f, 4.0f, 100}}) { // 16 + 1 > 16
        std::unique_ptr<NVolant::Shot> shot;
        if (c.missile)
            shot = std::make_unique<Missile>(arena);
        else
            shot = std::make_unique<Bullet>(arena, 0);
        launch(*shot, c.from);
        EXPECT_EQ(shot->hitTest(circleAt(c.x, c.y, c.radius)), c.damage) << c.x << ", " << c.y;
        EXPECT_EQ(shot->spent(), c.damage > 0);
    }
    Bullet b(arena, 0);
    launch(b, Vector4(0, 0));
    EXPECT_EQ(b.hitTest(NVolant::CollitionCircles()), 0);
}

TEST_F(ShotTest, AFourMissileVariantAcceleratesOnlyWhileBelowTheTopSpeed)
{
    Missile slow(arena);
    launch(slow, Vector4(0, 0));
    slow.makeFourMissileVariant(3);
    for (int i = 0; i < 200; ++i)
        slow.update(kFrame);
    // The last step may overshoot the top speed a little.
    EXPECT_GE(slow.speed(), slow.maxSpeed());
    EXPECT_LT(slow.speed(), slow.maxSpeed() + slow.acceleration() * kFrame);
}

TEST_F(ShotTest, MissileHomesOnAMovingTargetAndFliesStraightWhenItIsLostOrThereIsNoLevel)
{
    Missile alone(arena);
    launch(alone, Vector4(0.0f, 0.0f));
    alone.setTarget(7);
    alone.update(kFrame);
    EXPECT_FLOAT_EQ(alone.position().x, 0.0f) << "no level: nothing to home on";

    ScriptedTarget enemy;
    arena.setTargets(&enemy);
    enemy.info.id = 42;
    enemy.info.position = Vector4(500.0f, 600.0f);
    Missile m(arena);
    launch(m, Vector4(300.0f, 300.0f));
    m.setTarget(42);
    float closest = 1e9f;
    for (int i = 0; i < 120 && !m.spent(); ++i) {
        enemy.info.position.x -= 0.05f * kFrame; // crossing right to left
        m.update(kFrame);
        closest = std::min(closest, (m.position() - enemy.info.position).length());
    }
    EXPECT_LT(closest, 10.0f) << "the missile never came close to its target";
    EXPECT_NEAR(m.direction().length(), 1.0f, 1e-4f);

    Missile lost(arena);
    launch(lost, Vector4(100.0f, 100.0f));
    lost.setTarget(42);
    lost.update(kFrame);
    EXPECT_LT(lost.angle(), 0.0f); // turning right, toward x = 500
    enemy.present = false;
    lost.update(kFrame);
    EXPECT_EQ(lost.target(), 0);
    const Vector4 heading = lost.direction();
    const float angle = lost.angle();
    lost.update(kFrame);
    EXPECT_EQ(lost.direction(), heading);
    EXPECT_FLOAT_EQ(lost.angle(), angle);
}

TEST_F(ShotTest, RocketAcceleratesThenBurstsIntoAGrowingBlast)
{
    TankRocket r(arena);
    launch(r, Vector4(400.0f, 1000.0f), 180.0f);
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

    // A blast nothing touched dies once it grows past 15 px: 1 + 0.6 x 24 = 15.4.
    TankRocket unused(arena);
    unused.setRange(0.0f);
    unused.launch();
    for (int i = 0; i < 24; ++i)
        unused.update(10.0f);
    EXPECT_FALSE(unused.spent());
    unused.update(10.0f);
    EXPECT_TRUE(unused.spent());
}

} // namespace
