// The plane's weapons against the level's real enemies: locked missiles home on what the sight
// picked, and the kill-all salvo sends one missile per target ahead. (A missile whose target is
// gone: ShotTest; rounds wearing an enemy down: GroundEnemiesTest; the count of hits: ShotsTest.)
#include "combat/Missile.h"
#include "enemies/Enemies.h"
#include "enemies/Enemy.h"
#include "content/LevelFiles.h"
#include "gameplay/PlayerControls.h"
#include "player/AimSight.h"
#include "player/Plane.h"

#include "combat/ShotTestWorld.h"

using NVolant::Enemies;
using NVolant::EnemyRecord;
using NVolant::Plane;

namespace {

constexpr float kFrame = 1000.0f / 60.0f;

class PlaneAgainstEnemiesTest : public ShotTestWorld {
protected:
    static EnemyRecord tank(int index, float x, float y)
    {
        EnemyRecord r;
        r.index = index;
        r.type = NVolant::kTankType;
        r.position = Vector4(x, y);
        return r;
    }

    NVolant::PlayerControls controls;

    // One frame in the level's order: plane, effects, shots, enemies, then the new camera.
    void play(Plane& plane, int frames = 1)
    {
        for (int i = 0; i < frames; ++i) {
            plane.update(kFrame, controls);
            arena.effects().update(kFrame);
            arena.shots().update(kFrame);
            enemies->update(kFrame);
            const Vector4 camera = plane.cameraOffset();
            enemies->setCamera(camera);
            arena.shots().setCamera(camera);
            arena.effects().setCamera(camera);
        }
    }

    std::unique_ptr<Enemies> enemies = std::make_unique<Enemies>(arena);
};

TEST_F(PlaneAgainstEnemiesTest, LockedMissilesHomeOnTheEnemyTheSightPicked)
{
    Plane plane(arena);
    plane.setStart(Vector4(400.0f, 1000.0f));
    // A tank to the right of the straight path: only a homing missile can reach it.
    enemies->load(std::vector<EnemyRecord>{tank(0, 460.0f, 1300.0f)});
    enemies->setCamera(plane.cameraOffset());
    const int tank = enemies->all().front()->id();
    plane.enableAutoAim();
    play(plane, 10); // the sight locks
    ASSERT_EQ(plane.aimSight().targetId(), tank);
    EXPECT_LT(plane.aimSight().bulletAngle(), 0.0f) << "rounds turned right toward the tank";

    controls.missiles = true;
    play(plane);
    controls.missiles = false;
    const auto& shots = arena.shots().playerShots();
    ASSERT_EQ(shots.size(), 1u);
    EXPECT_EQ(static_cast<const NVolant::Missile&>(*shots.front()).target(), tank);
    play(plane, 90);
    EXPECT_TRUE(enemies->all().empty());
    EXPECT_EQ(arena.scores().shotsHittedCount(), 1);
}

TEST_F(PlaneAgainstEnemiesTest, KillAllSendsOneMissilePerTargetAheadAndCountsOneShot)
{
    Plane plane(arena);
    plane.setStart(Vector4(400.0f, 1000.0f));
    enemies->load(std::vector<EnemyRecord>{tank(0, 200.0f, 950.0f), // behind the plane
                                           tank(1, 150.0f, 1200.0f), tank(2, 600.0f, 1300.0f),
                                           tank(3, 350.0f, 1450.0f)});
    enemies->setCamera(plane.cameraOffset());
    play(plane);
    plane.launchAtAllTargets();
    const auto& shots = arena.shots().playerShots();
    ASSERT_EQ(shots.size(), 3u);
    EXPECT_EQ(arena.scores().shotsCount(), 1);
    play(plane, 120);
    ASSERT_EQ(enemies->all().size(), 1u) << "every tank ahead is destroyed, the one behind is left";
    EXPECT_FLOAT_EQ(enemies->all().front()->startPosition().y, 950.0f);
    EXPECT_EQ(arena.scores().shotsHittedCount(), 3);
}

} // namespace
