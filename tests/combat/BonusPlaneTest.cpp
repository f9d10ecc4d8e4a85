// Bonuses taken by the real plane as it flies: one a frame, how the weapon bonuses combine, and an
// exploding plane that takes nothing. (What each kind calls on its taker: BonusesTest; what the
// plane does with it: PlaneTest.)
#include "combat/Bonus.h"
#include "combat/Bonuses.h"
#include "combat/Effects.h"
#include "combat/Shots.h"
#include "content/ParticleSystem.h"
#include "content/Sprite.h"
#include "enemies/Enemies.h"
#include "gameplay/PlayerControls.h"
#include "player/AimSight.h"
#include "player/Plane.h"
#include "score/Scores.h"

#include "ShotTestWorld.h"

#include <initializer_list>

namespace {

using NVolant::Bonuses;
using NVolant::Plane;
using NVolant::PlaneState;

constexpr float kFrame = 1000.0f / 60.0f;

class BonusPlaneTest : public ShotTestWorld {
protected:
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

    Bonuses& bonuses = arena.bonuses();
    std::unique_ptr<NVolant::Enemies> enemies;
};

TEST_F(BonusPlaneTest, WeaponBonusesTakenOneAFrameCombineAsThePlaneAllows)
{
    enemies = std::make_unique<NVolant::Enemies>(arena); // a level, so the aim sight stays on
    Plane plane(arena);
    plane.setStart(Vector4(400, 1000));
    bonuses.setCamera(plane.cameraOffset());

    layUnder(plane, {2, 2, 2});
    fly(plane);
    EXPECT_EQ(plane.bulletKind(), 1);
    fly(plane, 2);
    EXPECT_EQ(plane.bulletKind(), 2); // the third only chimes
    EXPECT_EQ(chimes(), 3);

    layUnder(plane, {4, 6});
    fly(plane, 2);
    EXPECT_TRUE(plane.fourMissiles());
    EXPECT_FALSE(plane.doubleMissile()) << "double missiles only matter while four missiles are off";
    layUnder(plane, {4});
    fly(plane);
    EXPECT_TRUE(plane.fourMissiles());
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

TEST_F(BonusPlaneTest, AnExplodingPlaneTakesNothingAndTheNextLifeStartsBareButCollectsAtOnce)
{
    Plane plane(arena);
    plane.setStart(Vector4(400, 1000));
    bonuses.setCamera(plane.cameraOffset());
    const int hull = plane.maxHull();
    layUnder(plane, {2, 3, 4, 5, 7, 10});
    fly(plane, 6);
    ASSERT_EQ(chimes(), 6);
    plane.applyDamage(plane.hull());
    ASSERT_EQ(plane.state(), PlaneState::Exploding);
    layUnder(plane, {9});
    for (int i = 0; i < 200 && plane.state() == PlaneState::Exploding; ++i)
        fly(plane);
    ASSERT_EQ(bonuses.size(), 1u); // the ones taken have gone
    EXPECT_FALSE(bonuses.bonuses()[0]->collected());
    EXPECT_EQ(chimes(), 6);

    // The next plane takes over where the wreck is: whole, half seen, and without the last one's
    // bonuses but the short cover of a new life.
    Plane next(arena);
    next.takeOver(plane);
    EXPECT_EQ(next.worldPosition(), plane.worldPosition());
    EXPECT_EQ(next.cameraOffset(), plane.cameraOffset());
    EXPECT_FLOAT_EQ(next.alpha(), 0.5f);
    EXPECT_FLOAT_EQ(next.speed(), 0.0f);
    EXPECT_EQ(next.maxHull(), hull);
    EXPECT_EQ(next.hull(), hull);
    EXPECT_EQ(next.bulletKind(), 0);
    EXPECT_FALSE(next.doubleFire());
    EXPECT_FALSE(next.doubleMissile());
    EXPECT_FALSE(next.fourMissiles());
    EXPECT_FALSE(next.aimSight().active());
    EXPECT_EQ(next.stealthTime(), 2000.0f);
    // It cannot be hit yet (FieldRulesTest), but it can collect.
    fly(next);
    EXPECT_TRUE(bonuses.bonuses()[0]->collected());
    EXPECT_EQ(chimes(), 7);
}

} // namespace
