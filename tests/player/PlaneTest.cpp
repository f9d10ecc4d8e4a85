// The player's plane over many frames at 60 fps, driven by the player's controls: steering and
// its limits, banking and its animation, the fire rates of both weapons, the sight's lock marker
// between missiles, bonus weapons, hull and smoke, the explosion over the wreck, a lost life and
// the replacement plane, and the climb-out at the end of a level.
#include "combat/Bullet.h"
#include "combat/Missile.h"
#include "content/ParticleSystem.h"
#include "content/Sprite.h"
#include "gameplay/PlaneParams.h"
#include "gameplay/PlayerControls.h"
#include "player/AimSight.h"
#include "player/Plane.h"
#include "platform/KDrawBlend.h"

#include "combat/ShotTestWorld.h"

#include <cmath>

using NVolant::Plane;
using NVolant::PlaneState;
using NVolant::Shots;

namespace {

constexpr float kFrame = 1000.0f / 60.0f;

class PlaneTest : public ShotTestWorld {
protected:
    // Frames of play with the controls held; a steering point given goes with the first only.
    void fly(Plane& plane, int frames = 1)
    {
        for (int i = 0; i < frames; ++i) {
            plane.update(kFrame, m_controls);
            m_controls.steer.reset();
        }
    }

    void steerTo(int x, int y) { m_controls.steer = NVolant::SteeringPoint{x, y}; }

    NVolant::PlayerControls m_controls;

    static float halfWidth(const Plane& p) { return p.sprite().frameWidth / 2.0f; }
    static float halfHeight(const Plane& p) { return p.sprite().frameHeight / 2.0f; }

    static bool same(const Frame::Pixel& a, const Frame::Pixel& b)
    {
        return a.r == b.r && a.g == b.g && a.b == b.b;
    }
};

TEST_F(PlaneTest, StartsWhereTheLevelSaysAndAccelerates)
{
    Plane plane(arena);
    plane.setStart(Vector4(300.0f, 2500.0f));
    EXPECT_FLOAT_EQ(plane.worldPosition().x, 300.0f);
    EXPECT_FLOAT_EQ(plane.worldPosition().y, 2500.0f);
    EXPECT_FLOAT_EQ(plane.position().y, 500.0f);
    Plane low(arena);
    low.setStart(Vector4(400.0f, 0.5f)); // below 1 the camera starts at the start height itself
    EXPECT_FLOAT_EQ(low.worldPosition().y, 100.5f);

    steerTo(300, 500);
    fly(plane, 10);
    EXPECT_NEAR(plane.speed(), 0.05f, 1e-5f);
    fly(plane, 30);
    EXPECT_FLOAT_EQ(plane.speed(), 0.1f);
    const float camera = plane.cameraOffset().y;
    fly(plane);
    EXPECT_NEAR(plane.cameraOffset().y - camera, 0.1f * kFrame, 1e-3f);
}

TEST_F(PlaneTest, SettlesAtTheSteeringPointWhichKeysPushAndTheScreenEdgesHold)
{
    Plane plane(arena);
    steerTo(250, 320);
    fly(plane, 60);
    EXPECT_NEAR(plane.position().x, 250.0f, 0.5f);
    EXPECT_NEAR(plane.position().y, 320.0f, 0.5f);

    // Right and Left together go right; Up and Down together go up.
    m_controls.steerLeft = m_controls.steerRight = m_controls.steerUp = m_controls.steerDown = true;
    fly(plane);
    EXPECT_NEAR(plane.target().x, 250.0f + 0.3f * kFrame, 0.01f);
    EXPECT_NEAR(plane.target().y, 320.0f - 0.3f * kFrame, 0.01f);
    // The steering point follows, so keyboard steering adds up frame after frame.
    fly(plane, 9);
    EXPECT_NEAR(plane.target().x, 300.0f, 10.0f);
    m_controls.steerLeft = m_controls.steerRight = m_controls.steerUp = m_controls.steerDown = false;

    // The point is kept ten pixels inside the edges and above the bottom band.
    steerTo(0, 0);
    fly(plane);
    EXPECT_FLOAT_EQ(plane.target().x, halfWidth(plane) + 10.0f);
    EXPECT_FLOAT_EQ(plane.target().y, halfHeight(plane) + 10.0f);
    steerTo(799, 599);
    fly(plane);
    EXPECT_FLOAT_EQ(plane.target().x, 790.0f - halfWidth(plane));
    EXPECT_FLOAT_EQ(plane.target().y, 540.0f - halfHeight(plane));
    fly(plane, 120);
    EXPECT_NEAR(plane.position().y, 540.0f - halfHeight(plane), 0.5f);
}

TEST_F(PlaneTest, BanksThroughTheSpriteGroupsBySidewaysStep)
{
    struct Case {
        int pointerOffset; // px from the plane, which steps a 4.1th of the way, truncated
        int group;
    };
    for (const Case c : {Case{-17, 0}, Case{-100, 0}, Case{-9, 2}, Case{-3, 4}, Case{2, 4}, Case{5, 5},
                         Case{9, 6}, Case{17, 7}, Case{200, 7}}) {
        Plane p(arena);
        fly(p);
        steerTo(static_cast<int>(p.position().x) + c.pointerOffset, 500);
        fly(p);
        EXPECT_EQ(p.sprite().currentGroup, c.group) << "pointer offset " << c.pointerOffset;
        steerTo(400, 500);
    }
}

TEST_F(PlaneTest, EveryBankButTheFullLeftOneAnimatesTwiceAsFast)
{
    // Picture frames the propeller moves on over half a second of steady flight holding a key.
    const auto animation = [&](bool* key, int expectedGroup) {
        Plane plane(arena);
        if (key)
            *key = true;
        fly(plane, 12);
        int moved = 0;
        for (int i = 0; i < 30; ++i) {
            const int before = plane.sprite().getFrame();
            fly(plane);
            EXPECT_EQ(plane.sprite().currentGroup, expectedGroup);
            const int frames = plane.sprite().frameCount;
            moved += (plane.sprite().getFrame() - before + frames) % frames;
        }
        if (key)
            *key = false;
        steerTo(400, 500);
        return moved;
    };
    const int level = animation(nullptr, 4);
    const int fullLeft = animation(&m_controls.steerLeft, 0);
    const int fullRight = animation(&m_controls.steerRight, 7);
    EXPECT_GT(fullLeft, 30); // about 45 at the sprite's 90 pictures a second
    EXPECT_NEAR(level, 2 * fullLeft, 4);
    EXPECT_NEAR(fullRight, 2 * fullLeft, 4);
}

TEST_F(PlaneTest, EachWeaponFiresAtItsRateFromItsGunsAndCountsOneShotATrigger)
{
    // Bonuses the plane has taken before it fires (four missiles first, then double fire).
    enum Bonus { kDoubleFire = 1, kFourMissiles = 2, kDoubleMissile = 4 };
    struct Case {
        const char* what;
        int bonuses;
        bool missiles;
        int frames;
        std::size_t projectiles;
        int counted;
        std::vector<float> gunsX; // the first projectiles' offsets from the plane
    };
    // The idle cannon is ready at once; after each round 60 ms must run out (four frames bring the
    // cooldown to -6.7), so a held trigger fires every fifth frame: frames 1, 6, ... 56. The first
    // missile waits for the second frame, then 500 ms (900 ms for four) of cooldown.
    const Case cases[] = {
        {"cannon", 0, false, 60, 12, 12, {-8.0f, 8.0f, -8.0f}},
        {"double fire", kDoubleFire, false, 2, 2, 1, {-8.0f, 8.0f}},
        {"missiles", 0, true, 120, 4, 4, {0.0f}},
        {"four missiles", kFourMissiles, true, 119, 12, 3, {-6.0f, -2.0f, 2.0f, 6.0f}},
        // Double fire switches four missiles off, and double missiles count only then.
        {"double missiles", kFourMissiles | kDoubleFire | kDoubleMissile, true, 2, 2, 1, {-6.0f, 6.0f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        arena.shots().clear();
        arena.scores().resetLevelStats();
        Plane plane(arena);
        if (c.bonuses & kFourMissiles)
            plane.enableFourMissiles();
        if (c.bonuses & kDoubleFire)
            plane.enableDoubleFire();
        if (c.bonuses & kDoubleMissile)
            plane.enableDoubleMissile();
        fly(plane, 5);
        const float x = plane.worldPosition().x;
        (c.missiles ? m_controls.missiles : m_controls.cannon) = true;
        fly(plane, c.frames);
        (c.missiles ? m_controls.missiles : m_controls.cannon) = false;
        const auto& shots = arena.shots().playerShots();
        ASSERT_EQ(shots.size(), c.projectiles);
        EXPECT_EQ(arena.scores().shotsCount(), c.counted);
        for (std::size_t i = 0; i < c.gunsX.size(); ++i) {
            const NVolant::Shot& shot = *shots[i];
            EXPECT_EQ(dynamic_cast<const NVolant::Missile*>(&shot) != nullptr, c.missiles);
            EXPECT_FLOAT_EQ(shot.angle(), 0.0f);
            // Launched on a later frame, a missile has flown a little way already.
            EXPECT_NEAR(shot.position().x, x + c.gunsX[i], 0.5f) << "shot " << i;
        }
        fly(plane, 30);
        EXPECT_EQ(shots.size(), c.projectiles) << "released trigger";
    }
    // The first missile waits for the second frame; four leave slower the further out they sit.
    Plane four(arena);
    four.enableFourMissiles();
    arena.shots().clear();
    m_controls.missiles = true;
    fly(four);
    EXPECT_TRUE(arena.shots().playerShots().empty());
    fly(four);
    ASSERT_EQ(arena.shots().playerShots().size(), 4u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_FLOAT_EQ(static_cast<const NVolant::Missile&>(*arena.shots().playerShots()[i]).speed(),
                        0.5f / static_cast<float>(i + 1));
}

TEST_F(PlaneTest, TheLockMarkerGoesWithEachMissileUntilTheNextIsReady)
{
    Plane plane(arena);
    plane.enableAutoAim();
    ScriptedTarget enemy;
    arena.setTargets(&enemy);
    enemy.info.id = 7;
    // The target keeps 40 right of and 250 ahead of the plane: its marker stays in one place on
    // screen, well clear of the plane.
    const auto frame = [&] {
        enemy.info.position = plane.worldPosition() + Vector4(40.0f, 250.0f);
        fly(plane);
    };
    const auto sightBox = [&] { return picture([&] { plane.draw(); }); };
    constexpr int x1 = 390, y1 = 200, x2 = 490, y2 = 300;
    for (int i = 0; i < 30; ++i)
        frame();
    ASSERT_EQ(plane.aimSight().missileTarget(), 7);
    ASSERT_NEAR(plane.aimSight().aimPoint().x, 440.0f, 1.0f);
    ASSERT_NEAR(plane.aimSight().aimPoint().y, 250.0f, 2.0f);
    const Frame ready = sightBox();

    m_controls.missiles = true;
    frame();
    m_controls.missiles = false;
    ASSERT_EQ(arena.shots().playerShots().size(), 1u);
    const Frame reloading = sightBox();
    ASSERT_GT(differing(ready, reloading, x1, y1, x2, y2), 20) << "the marker went with the missile";

    // Hidden for the whole reload, back once the next missile can leave.
    int frames = 0;
    for (; frames < 100; ++frames) {
        frame();
        const Frame now = sightBox();
        if (differing(now, ready, x1, y1, x2, y2) < differing(now, reloading, x1, y1, x2, y2))
            break;
    }
    EXPECT_NEAR(frames * kFrame, Plane::kMissilePeriod, 3.0f * kFrame);
}

TEST_F(PlaneTest, HullTakesDamageTrailsSmokeAndTheRepairStopsIt)
{
    Plane plane(arena);
    const int full = plane.maxHull();
    const int third = full / 3;
    plane.applyDamage(0);
    plane.applyDamage(-20);
    EXPECT_EQ(plane.hull(), full);
    EXPECT_EQ(plane.smoke(), nullptr);

    plane.applyDamage(1);
    ASSERT_NE(plane.smoke(), nullptr);
    ASSERT_NE(plane.fire(), nullptr);
    const auto& templates = NVolant::Images::instance()->particles;
    EXPECT_EQ(plane.smoke()->info().emission, templates[2]->info().emission); // light smoke
    plane.applyDamage(full - 1 - 2 * third);                                  // exactly two thirds left
    EXPECT_EQ(plane.hull(), 2 * third);
    EXPECT_EQ(plane.smoke()->info().emission, templates[3]->info().emission);
    plane.applyDamage(third); // a third left: heavy
    EXPECT_EQ(plane.smoke()->info().emission, templates[4]->info().emission);

    fly(plane, 30);
    plane.repairAll();
    EXPECT_EQ(plane.hull(), full);
    ASSERT_NE(plane.smoke(), nullptr);
    EXPECT_TRUE(plane.smoke()->isStopped());
    EXPECT_GT(plane.smoke()->aliveCount(), 0) << "the smoke already out fades on its own";
    fly(plane, 200);
    EXPECT_NE(plane.smoke(), nullptr) << "emitters go only when the hull is used up";

    plane.addHull();
    EXPECT_EQ(plane.maxHull(), full + 100);
    EXPECT_EQ(plane.hull(), full + 100);
    plane.applyDamage(60);
    plane.repair();
    EXPECT_EQ(plane.hull(), full + 90);
}

TEST_F(PlaneTest, ALostHullExplodesOverTheWreckForTheFirstTwelvePicturesAndTheWreckNeitherTakesDamageNorFires)
{
    Plane plane(arena);
    fly(plane, 20);
    plane.applyDamage(plane.hull());
    EXPECT_EQ(plane.state(), PlaneState::Exploding);
    ASSERT_NE(plane.explosion(), nullptr);
    plane.applyDamage(10); // ignored while exploding
    EXPECT_LE(plane.hull(), 0);
    const float speed = plane.speed();
    fly(plane);
    EXPECT_NEAR(plane.speed(), speed * 0.98f, 1e-6f);

    m_controls.cannon = true;
    int early = 0, late = 0;
    while (plane.state() == PlaneState::Exploding && early + late < 500) {
        const int shown = plane.explosion()->getFrame();
        SCOPED_TRACE(shown);
        NLib::Sprite fire(*plane.explosion());
        const auto fireAlone = [&] { fire.drawTransformed(plane.position(), 1.0f, plane.angle()); };
        const Frame fireOnBlack = picture(fireAlone, 0);
        const Frame fireOnWhite = picture(fireAlone, 255);
        const Frame whole = picture([&] { plane.draw(); }, 0);
        int wreck = 0, fireCovered = 0;
        for (int y = 0; y < whole.height; ++y)
            for (int x = 0; x < whole.width; ++x) {
                const bool differs = !same(whole.at(x, y), fireOnBlack.at(x, y));
                if (same(fireOnBlack.at(x, y), fireOnWhite.at(x, y)))
                    fireCovered += differs ? 1 : 0; // where the fire is solid nothing shows over it
                else
                    wreck += differs ? 1 : 0;
            }
        EXPECT_EQ(fireCovered, 0);
        if (shown < 12) {
            EXPECT_GT(wreck, 50);
            ++early;
        } else {
            EXPECT_EQ(wreck, 0);
            ++late;
        }
        fly(plane);
    }
    m_controls.cannon = false;
    EXPECT_GT(early, 0);
    EXPECT_GT(late, 0);
    EXPECT_EQ(plane.state(), PlaneState::Destroyed);
    EXPECT_TRUE(arena.shots().playerShots().empty()) << "a wreck does not fire";
}

TEST_F(PlaneTest, TwoStealthBonusesHideThePlaneAtHalfForFortySeconds)
{
    Plane plane(arena);
    plane.addStealth();
    plane.addStealth();
    EXPECT_FLOAT_EQ(plane.stealthTime(), 40000.0f);
    fly(plane, 30);
    EXPECT_NEAR(plane.alpha(), 0.5f, 0.02f);
    fly(plane, 2330); // 39.4 s
    EXPECT_GT(plane.stealthTime(), 0.0f);
    EXPECT_NEAR(plane.alpha(), 0.5f, 0.02f);
    fly(plane, 60); // stealth over, fading back in
    EXPECT_LE(plane.stealthTime(), 0.0f);
    EXPECT_LT(plane.alpha(), 1.0f);
    fly(plane, 40);
    EXPECT_EQ(plane.alpha(), 1.0f);
}

TEST_F(PlaneTest, ClimbsAwayAtTheEndOfALevelUntilSlowerThanTwoHundredths)
{
    Plane plane(arena);
    fly(plane, 30); // full speed
    plane.applyDamage(10);
    plane.beginLevelExit();
    EXPECT_EQ(plane.state(), PlaneState::LeavingLevel);
    const float y = plane.exitPosition().y;
    m_controls.cannon = true;
    int frames = 0;
    while (plane.state() == PlaneState::LeavingLevel && frames < 1000) {
        fly(plane);
        ++frames;
        plane.applyDamage(50); // ignored: only a flying plane takes damage
    }
    m_controls.cannon = false;
    EXPECT_EQ(plane.state(), PlaneState::LevelLeft);
    EXPECT_LT(frames, 1000);
    EXPECT_FLOAT_EQ(plane.speed(), 0.0f);
    EXPECT_LT(plane.exitPosition().y, y - 600.0f) << "climbed off the top of the screen";
    EXPECT_EQ(plane.hull(), plane.maxHull() - 10);
    EXPECT_TRUE(arena.shots().playerShots().empty());
}

} // namespace

// A frame drawn between two steps shows the plane between where the newest step took it from and
// to; a jump (a new plane at its start) is never slid through.
TEST_F(PlaneTest, IsDrawnBetweenItsLastTwoStepsOnlyWhileFramesFallBetweenSteps)
{
    Plane plane(arena);
    steerTo(250, 320);
    fly(plane, 3);
    const Vector4 from = plane.position();
    fly(plane);
    const Vector4 to = plane.position();
    ASSERT_GT(std::fabs(to.x - from.x), 1.0f);
    EXPECT_EQ(plane.drawnPosition().x, to.x);
    KDrawBlend::set(0.25f);
    EXPECT_NEAR(plane.drawnPosition().x, from.x + 0.25f * (to.x - from.x), 1e-3f);
    EXPECT_NEAR(plane.drawnPosition().y, from.y + 0.25f * (to.y - from.y), 1e-3f);
    plane.setStart(Vector4(700.0f, 2500.0f));
    EXPECT_EQ(plane.drawnPosition().x, plane.position().x);
    KDrawBlend::set(std::nullopt);
}
