// The shot manager: its two hit questions, the accuracy count, spent shots going with their
// impacts, and the trails of missiles, which stay put in the world and outlive them.
#include "combat/Bullet.h"
#include "combat/Missile.h"
#include "combat/TankRocket.h"
#include "content/ParticleSystem.h"
#include "gameplay/Images.h"
#include "gameplay/PlaneParams.h"

#include "ShotTestWorld.h"

using NVolant::Bullet;
using NVolant::Effects;
using NVolant::Missile;
using NVolant::Shots;

namespace {

constexpr float kFrame = 1000.0f / 60.0f;

template <typename T, typename... Kind>
std::unique_ptr<T> fired(NVolant::Arena& arena, const Vector4& at, float angle, Kind... kind)
{
    auto shot = std::make_unique<T>(arena, kind...);
    shot->setPosition(at);
    shot->setAngle(angle);
    shot->launch();
    return shot;
}

std::unique_ptr<Bullet> round(NVolant::Arena& arena, int kind, const Vector4& at, float angle = 0.0f)
{
    return fired<Bullet>(arena, at, angle, kind);
}

using ShotsTest = ShotTestWorld;

TEST_F(ShotsTest, OneProjectileHitsATargetPerQuestionAndEachHitCountsOnce)
{
    Shots* shots = &arena.shots();
    shots->add(round(arena, 0, Vector4(100.0f, 100.0f)));
    shots->add(round(arena, 2, Vector4(101.0f, 100.0f)));
    shots->add(round(arena, 1, Vector4(500.0f, 500.0f))); // nowhere near
    const auto target = circleAt(100.0f, 101.0f, 5.0f);

    EXPECT_EQ(shots->hitByPlayerShot(target), 8);
    EXPECT_EQ(arena.scores().shotsHittedCount(), 1);
    EXPECT_EQ(shots->hitByPlayerShot(target), 12);
    EXPECT_EQ(shots->hitByPlayerShot(target), 0);
    EXPECT_EQ(arena.scores().shotsHittedCount(), 2);

    // Spent rounds go at the next update, each leaving its spark behind.
    shots->update(kFrame);
    EXPECT_EQ(shots->playerShots().size(), 1u);
    EXPECT_EQ(arena.effects().animationCount(), 2u);
}

TEST_F(ShotsTest, EnemyShotsHitThePlayerAndAreNotCountedAsThePlayersHits)
{
    Shots* shots = &arena.shots();
    shots->addEnemy(fired<NVolant::TankRocket>(arena, Vector4(400.0f, 400.0f), 180.0f));
    shots->addEnemy(round(arena, 3, Vector4(400.0f, 290.0f), 180.0f));
    // The player's own shape from its parameter file, placed where the flak is.
    NVolant::CollitionCircles plane = NVolant::Images::instance()->playerParams->collisionCircles;
    plane.place(Vector4(400.0f, 290.0f), 0.0f);
    EXPECT_EQ(shots->hitByPlayerShot(plane), 0);
    EXPECT_EQ(shots->hitByEnemyShot(plane), 8); // the rocket is out of reach, the flak is inside
    EXPECT_EQ(shots->hitByEnemyShot(plane), 0);
    EXPECT_EQ(arena.scores().shotsHittedCount(), 0);
}

TEST_F(ShotsTest, RoundsThatRunOutOfRangeAreRemovedAfterFourHundredPixels)
{
    Shots* shots = &arena.shots();
    shots->add(round(arena, 0, Vector4(400.0f, 100.0f)));
    shots->addEnemy(round(arena, 4, Vector4(400.0f, 900.0f), 180.0f));
    int frames = 0;
    while (!shots->playerShots().empty() && frames < 100) {
        shots->update(16.0f);
        ++frames;
    }
    EXPECT_EQ(frames, 26); // 25 x 16 = 400 still flies; the move that passes the range removes it
    EXPECT_TRUE(shots->enemyShots().empty());
    EXPECT_EQ(arena.effects().animationCount(), 2u);
}

TEST_F(ShotsTest, AMissileTrailStaysPutInTheWorldWhenTheViewScrollsAndOutlivesItsMissile)
{
    Shots* shots = &arena.shots();
    Effects* effects = &arena.effects();
    shots->setCamera(Vector4(0.0f, 1000.0f));
    auto missile = fired<Missile>(arena, Vector4(400.0f, 1300.0f), 0.0f);
    missile->setRange(50.0f);
    const NVolant::ParticleSystem* trail = missile->trail();
    shots->add(std::move(missile));
    ASSERT_NE(trail, nullptr);
    shots->update(kFrame);
    ASSERT_GT(trail->aliveCount(), 0);
    const float y = trail->particle(0).y;
    const float emitterY = trail->locationY();
    shots->setCamera(Vector4(0.0f, 1005.0f)); // 5 px further up the level: everything 5 px lower
    EXPECT_FLOAT_EQ(trail->particle(0).y, y + 5.0f);
    EXPECT_FLOAT_EQ(trail->locationY(), emitterY + 5.0f);

    int frames = 0;
    while (!shots->playerShots().empty() && frames < 100) {
        effects->update(kFrame);
        shots->update(kFrame);
        ++frames;
    }
    ASSERT_EQ(effects->trailCount(), 1u) << "the ended missile's trail fades in the effects manager";
    EXPECT_EQ(effects->animationCount(), 1u); // its explosion
    for (int i = 0; i < 120 && effects->trailCount() > 0; ++i)
        effects->update(kFrame);
    EXPECT_EQ(effects->trailCount(), 0u);
}

} // namespace
