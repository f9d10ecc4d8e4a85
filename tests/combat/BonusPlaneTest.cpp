// Bonuses taken by the real plane as it flies: what each leaves on the plane, how the weapon
// bonuses combine, stealth running out, a new life starting bare, an exploding plane that takes
// nothing, and the kill-all salvo leaving once.
#include "combat/Bonus.h"
#include "combat/Bonuses.h"
#include "combat/Effects.h"
#include "combat/Shots.h"
#include "content/ParticleSystem.h"
#include "content/Sprite.h"
#include "enemies/Enemies.h"
#include "content/LevelFiles.h"
#include "gameplay/PlaneParams.h"
#include "gameplay/PlayerControls.h"
#include "player/AimSight.h"
#include "player/Plane.h"
#include "score/Scores.h"

#include "BonusFixture.h"

#include <initializer_list>

namespace {

using NVolant::Bonuses;
using NVolant::Plane;
using NVolant::PlaneState;
using NVolant::Scores;

constexpr float kFrame = 1000.0f / 60.0f;
constexpr int kTank = 400;

class BonusPlaneTest : public BonusFixture {
protected:
    void SetUp() override
    {
        BonusFixture::SetUp();
    }

    void TearDown() override
    {
        enemies.reset();
        BonusFixture::TearDown();
    }

    // Bonuses of the given kinds lying right under the plane, in this order.
    void layUnder(const Plane& plane, std::initializer_list<int> kinds)
    {
        const Vector4 at = plane.worldPosition();
        for (int kind : kinds) {
            auto bonus = Bonuses::createBonus(kind);
            bonus->setPosition(at.x, at.y, 0);
            bonuses.insert(std::move(bonus));
        }
    }

    // Frames of play in the level's order: the plane (which picks bonuses up), the managers, then
    // the new camera.
    void fly(Plane& plane, int frames = 1)
    {
        for (int i = 0; i < frames; ++i) {
            plane.update(kFrame, NVolant::PlayerControls{});
            arena.shots().update(kFrame);
            bonuses.update(kFrame);
            if (enemies)
                enemies->update(kFrame);
            const Vector4 camera = plane.cameraOffset();
            bonuses.setCamera(camera);
            arena.shots().setCamera(camera);
            if (enemies)
                enemies->setCamera(camera);
        }
    }

    Bonuses& bonuses = *(&arena.bonuses());
    std::unique_ptr<NVolant::Enemies> enemies;
};

TEST_F(BonusPlaneTest, WeaponBonusesTakenInARowCombineAsThePlaneAllows)
{
    enemies = std::make_unique<NVolant::Enemies>(arena); // a level, so the aim sight stays on
    Plane plane(arena);
    plane.setStart(Vector4(400, 1000));
    bonuses.setCamera(plane.cameraOffset());

    layUnder(plane, {2, 2, 2});
    fly(plane); // one bonus per frame
    EXPECT_EQ(plane.bulletKind(), 1);
    fly(plane, 2);
    EXPECT_EQ(plane.bulletKind(), 2); // the third only chimes
    EXPECT_EQ(chimes(), 3);

    layUnder(plane, {4, 6});
    fly(plane, 2);
    EXPECT_TRUE(plane.fourMissiles());
    EXPECT_FALSE(plane.doubleMissile());
    layUnder(plane, {4});
    fly(plane);
    EXPECT_TRUE(plane.fourMissiles()) << "double missiles only matter while four missiles are off";

    layUnder(plane, {3, 7});
    fly(plane, 2);
    EXPECT_TRUE(plane.doubleFire());
    EXPECT_FALSE(plane.fourMissiles());
    EXPECT_TRUE(plane.doubleMissile());
    EXPECT_TRUE(plane.aimSight().active());
    EXPECT_EQ(chimes(), 8);

    // Everything taken has faded out and gone.
    fly(plane, 30);
    EXPECT_EQ(bonuses.size(), 0u);
}

TEST_F(BonusPlaneTest, HullBonusesRepairAndRaiseTheMaximum)
{
    Plane plane(arena);
    plane.setStart(Vector4(400, 1000));
    bonuses.setCamera(plane.cameraOffset());
    const int full = plane.maxHull();
    plane.applyDamage(full - 10);
    layUnder(plane, {8});
    fly(plane);
    EXPECT_EQ(plane.hull(), std::min(10 + 50, full));
    layUnder(plane, {10, 9});
    fly(plane);
    EXPECT_EQ(plane.maxHull(), full + 100);
    EXPECT_EQ(plane.hull(), std::min(10 + 50 + 100, full + 100));
    fly(plane);
    EXPECT_EQ(plane.hull(), full + 100);
}

TEST_F(BonusPlaneTest, TwoStealthBonusesLastFortySecondsThenThePlaneComesBack)
{
    Plane plane(arena);
    plane.setStart(Vector4(400, 1000));
    bonuses.setCamera(plane.cameraOffset());
    layUnder(plane, {5, 5});
    fly(plane, 2);
    EXPECT_NEAR(plane.stealthTime(), 40000.0f - 2 * kFrame, 1.0f);
    fly(plane, 60);
    EXPECT_LE(plane.alpha(), 0.5f); // half-seen: nothing can hit it

    fly(plane, 2300); // 39.4 s after the first
    EXPECT_GT(plane.stealthTime(), 0.0f);
    EXPECT_LT(plane.alpha(), 1.0f);
    fly(plane, 60); // stealth over, fading back in
    EXPECT_LE(plane.stealthTime(), 0.0f);
    fly(plane, 40);
    EXPECT_EQ(plane.alpha(), 1.0f);
}

TEST_F(BonusPlaneTest, ANewLifeStartsWithoutTheBonusesOfTheLastOne)
{
    Plane plane(arena);
    plane.setStart(Vector4(400, 1000));
    bonuses.setCamera(plane.cameraOffset());
    layUnder(plane, {2, 3, 4, 5, 7, 10});
    fly(plane, 6);
    ASSERT_EQ(chimes(), 6);
    plane.applyDamage(plane.hull());
    ASSERT_EQ(plane.state(), PlaneState::Exploding);

    Plane next(arena);
    next.takeOver(plane);
    EXPECT_EQ(next.bulletKind(), 0);
    EXPECT_FALSE(next.doubleFire());
    EXPECT_FALSE(next.doubleMissile());
    EXPECT_FALSE(next.fourMissiles());
    EXPECT_FALSE(next.aimSight().active());
    EXPECT_EQ(next.maxHull(), NVolant::Images::instance()->playerParams->hull);
    EXPECT_EQ(next.stealthTime(), 2000.0f); // only the short cover of a new life
}

TEST_F(BonusPlaneTest, AnExplodingPlaneTakesNothingButAHalfSeenNewOneDoes)
{
    Plane plane(arena);
    plane.setStart(Vector4(400, 1000));
    bonuses.setCamera(plane.cameraOffset());
    plane.applyDamage(plane.hull());
    layUnder(plane, {9});
    for (int i = 0; i < 200 && plane.state() == PlaneState::Exploding; ++i)
        fly(plane);
    EXPECT_FALSE(bonuses.bonuses()[0]->collected());
    EXPECT_EQ(chimes(), 0);

    Plane next(arena);
    next.takeOver(plane);
    ASSERT_LT(next.alpha(), 1.0f); // cannot be hit yet, but it can collect
    fly(next);
    EXPECT_TRUE(bonuses.bonuses()[0]->collected());
    EXPECT_EQ(chimes(), 1);
}

TEST_F(BonusPlaneTest, TheKillAllBonusSendsOneSalvoAtEveryTargetAheadOnce)
{
    Plane plane(arena);
    plane.setStart(Vector4(400, 1000));
    enemies = std::make_unique<NVolant::Enemies>(arena);
    auto tank = [](int index, float x, float y) {
        NVolant::EnemyRecord r;
        r.index = index;
        r.type = kTank;
        r.position = Vector4(x, y);
        return r;
    };
    enemies->load(std::vector<NVolant::EnemyRecord>{tank(0, 200, 950), tank(1, 150, 1200), tank(2, 600, 1300),
                                                    tank(3, 350, 1450)});
    enemies->setCamera(plane.cameraOffset());
    bonuses.setCamera(plane.cameraOffset());
    fly(plane); // the tanks wake up in the camera's band
    ASSERT_EQ(arena.shots().playerShots().size(), 0u);

    layUnder(plane, {1});
    fly(plane);
    EXPECT_EQ(arena.shots().playerShots().size(), 3u) << "the tank behind the plane is left alone";
    EXPECT_EQ(arena.scores().shotsCount(), 1);
    EXPECT_EQ(chimes(), 1);
    fly(plane, 10); // flying on over the fading bonus launches nothing more
    EXPECT_LE(arena.shots().playerShots().size(), 3u);
    EXPECT_EQ(arena.scores().shotsCount(), 1);
    EXPECT_EQ(chimes(), 1);
}

} // namespace
