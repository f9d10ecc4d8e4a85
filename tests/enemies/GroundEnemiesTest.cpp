#include "EnemyFixture.h"

#include "combat/Bullet.h"
#include "combat/Effects.h"
#include "combat/Shot.h"
#include "combat/Shots.h"
#include "combat/TankRocket.h"
#include "content/AudioSystem.h"
#include "content/ParticleSystem.h"
#include "content/Sound.h"
#include "content/Sounds.h"
#include "content/Sprite.h"
#include "enemies/EBoat.h"
#include "enemies/EBuilding.h"
#include "enemies/Enemies.h"
#include "enemies/ETank.h"
#include "gameplay/CollitionCircles.h"
#include "gameplay/EnemyParams.h"
#include "gameplay/Images.h"
#include "score/Scores.h"

#include "support/HeadlessPlatform.h"

#include <algorithm>
#include <cmath>

namespace {

using NVolant::EBoat;
using NVolant::ETank;
using NVolant::Images;

class GroundEnemiesTest : public EnemyFixture {
protected:
    std::unique_ptr<EBoat> boat(int model, float x, float y, int group, int speedClass, int weaponRange = 0)
    {
        const auto i = static_cast<std::size_t>(model);
        return make<EBoat>(model, *Images::instance()->boats[i], *Images::instance()->boatParams[i], x, y,
                           group, speedClass, weaponRange);
    }

    std::unique_ptr<ETank> tank(const NVolant::ETankParams& params, int group, int weaponRange)
    {
        return make<ETank>(400, *Images::instance()->tanks[0], params, 400, 300, group, 0, weaponRange);
    }

    // Player bullets straight up into a world point, one per call.
    void bulletAt(const Vector4& target)
    {
        auto bullet = std::make_unique<NVolant::Bullet>(arena, 0);
        bullet->setPosition(target - Vector4(0.0f, 6.0f));
        bullet->setAngle(0.0f);
        bullet->launch();
        arena.shots().add(std::move(bullet));
    }

    // One bullet into the boat per frame until it sinks (at most a hundred).
    void sink(EBoat& b)
    {
        for (int i = 0; i < 100 && !b.finished(); ++i) {
            bulletAt(b.position());
            arena.shots().update(kStep);
            b.update(kStep);
        }
        ASSERT_TRUE(b.finished());
    }

    std::size_t enemyShotCount() { return arena.shots().enemyShots().size(); }
};

TEST_F(GroundEnemiesTest, ABoatHeadingRightTurnsWhenItsRightEdgePasses800)
{
    const float half = Images::instance()->boats[1]->frameWidth / 2.0f;
    auto b = boat(1, 800.0f - half - 3.0f, 300, 2, 3);
    b->update(kStep); // 2 px: still inside
    EXPECT_EQ(b->group(), 2);
    EXPECT_TRUE(b->hasWake());
    b->update(kStep);
    EXPECT_EQ(b->group(), 6);
    EXPECT_EQ(b->direction(), Vector4(-1, 0));
    EXPECT_FLOAT_EQ(b->angle(), 90.0f);
    b->update(kStep);
    EXPECT_EQ(b->group(), 6);
    EXPECT_LT(b->position().x + half, 800.0f);
}

TEST_F(GroundEnemiesTest, ABoatTurnsTheFrameItsOutlineTouchesATile)
{
    // Land everywhere right of x = 650 (what the real terrain says of an outline: TerrainTest).
    struct LandToTheRight final : NVolant::GroundQuery {
        bool anyTile(const NVolant::CollitionPoints& points) const override
        {
            return std::any_of(points.points().begin(), points.points().end(),
                               [](const Vector4& p) { return p.x > 650.0f; });
        }
        bool anyWater(const NVolant::CollitionPoints&) const override { return true; }
    } ground;
    enemies->setGround(&ground);
    auto b = boat(0, 500, 300, 2, 3);
    bool turned = false;
    for (int frame = 0; frame < 100 && !turned; ++frame) {
        b->update(kStep);
        NVolant::CollitionPoints placed = b->params().collisionPoints;
        placed.place(b->position(), -90.0f);
        turned = b->group() == 6;
        EXPECT_EQ(ground.anyTile(placed), turned) << "frame " << frame;
    }
    EXPECT_TRUE(turned);
    enemies->setGround(nullptr);
}

TEST_F(GroundEnemiesTest, AHitBoatBurnsWithOneFireSinksAndSoundsItsKindsExplosion)
{
    // The sound registry on a running (silent) output.
    struct RealSounds {
        RealSounds()
        {
            NAudio::AudioSystem::create();
            sounds = NVolant::Sounds::create();
        }
        ~RealSounds()
        {
            NVolant::Sounds::destroy();
            NAudio::AudioSystem::destroy();
        }
        NVolant::Sounds* sounds = nullptr;
    } audio;
    NVolant::Sounds& sounds = *audio.sounds;
    const auto heard = [&] {
        std::vector<int> playing;
        for (int k = 0; k < 3; ++k)
            if (sounds.boatExplode(k)->isPlaying())
                playing.push_back(k);
        return playing;
    };

    struct Case {
        int model;
        int explosion; // which of "sounds/boat_expl1..3.ogg"
    };
    for (const Case c : {Case{0, 0}, Case{1, 1}, Case{2, 0}, Case{3, 2}}) {
        SCOPED_TRACE(c.model);
        auto b = boat(c.model, 400, 300, 0, 0);
        const int hull = b->hull();
        for (int i = 1; i <= 3; ++i) {
            bulletAt(b->position());
            arena.shots().update(kStep);
            b->update(kStep);
            EXPECT_EQ(b->hull(), hull - 8 * i);
            EXPECT_EQ(b->fireCount(), 1u);
        }
        sink(*b);
        EXPECT_TRUE(heard().empty()) << "heard before the sunk boat is removed";
        b.reset();
        EXPECT_EQ(heard(), std::vector<int>{c.explosion});
        for (int k = 0; k < 3; ++k)
            sounds.boatExplode(k)->stop();
    }
    EXPECT_GT(arena.effects().animationCount(), 0u);
    boat(1, 400, 300, 0, 0).reset();
    EXPECT_TRUE(heard().empty()) << "a boat removed quietly makes no sound";
}

TEST_F(GroundEnemiesTest, AStillBoatHasNoWakeAMovingBoatsWakeFadesOutAfterItInsteadOfVanishing)
{
    auto still = boat(0, 400, 300, 2, 0);
    for (int i = 0; i < 30; ++i)
        still->update(kStep);
    EXPECT_FALSE(still->hasWake());
    NVolant::Effects* effects = (&arena.effects());
    auto b = boat(0, 400, 300, 0, 2);
    for (int i = 0; i < 30; ++i) {
        effects->update(kStep);
        b->update(kStep);
    }
    ASSERT_TRUE(b->hasWake());
    EXPECT_EQ(effects->burnerCount(), 1u);
    EXPECT_EQ(b->collideWithPlayer(playerAt(b->position())), b->hull());
    EXPECT_FALSE(b->hasWake());
    EXPECT_EQ(effects->burnerCount(), 0u);
    ASSERT_EQ(effects->trailCount(), 1u);
    for (int i = 0; i < 600 && effects->trailCount() > 0; ++i)
        effects->update(kStep);
    EXPECT_EQ(effects->trailCount(), 0u); // gone once its last particle died
    b.reset();
    EXPECT_EQ(effects->burnerCount(), 0u);
}

TEST_F(GroundEnemiesTest, TankRocketsTakeTheShotOriginsOfTheirStartGroupInTurn)
{
    NVolant::ETankParams params;
    for (int i = 0; i < 16; ++i)
        params.shootPos.push_back(Vector4(static_cast<float>(i), static_cast<float>(100 + i)));
    auto t = tank(params, 2, 4);
    std::vector<Vector4> origins;
    for (int frame = 0; frame < 400 && origins.size() < 3; ++frame) {
        const std::size_t before = enemyShotCount();
        t->update(kStep);
        if (enemyShotCount() > before)
            origins.push_back(arena.shots().enemyShots().back()->position());
    }
    // Group 2 owns entries 4 and 5 (the order within a group: ParamsTest), offset from the tank.
    EXPECT_EQ(origins, (std::vector<Vector4>{Vector4(405, 405), Vector4(404, 404), Vector4(405, 405)}));
    EXPECT_FLOAT_EQ(arena.shots().enemyShots().back()->angle(), -90.0f);

    // Without origins it never fires (fewer than eight: ParamsTest).
    params.shootPos.clear();
    auto none = tank(params, 2, 4);
    arena.shots().clear();
    for (int frame = 0; frame < 300; ++frame)
        none->update(kStep);
    EXPECT_EQ(enemyShotCount(), 0u);
}

TEST_F(GroundEnemiesTest, FlakComesInBurstsOfTwoThirdsToThreeHalvesOfItsCountWithPauses)
{
    NVolant::ETankParams params;
    params.flak = 2;
    params.flakCount = 10;
    params.shootPos.assign(8, Vector4(0, 0));
    auto t = tank(params, 0, 1000); // so far that no shell is spent during the test
    std::vector<int> shotFrames;
    for (int frame = 0; frame < 60 * 60; ++frame) {
        const std::size_t before = enemyShotCount();
        t->update(kStep);
        if (enemyShotCount() > before)
            shotFrames.push_back(frame);
    }
    ASSERT_FALSE(shotFrames.empty());
    std::vector<int> bursts{1};
    for (std::size_t i = 1; i < shotFrames.size(); ++i) {
        const int gap = shotFrames[i] - shotFrames[i - 1];
        if (gap * kStep > 1000.0f) {
            EXPECT_GE(gap * kStep, 1500.0f);
            bursts.push_back(1);
        } else {
            // 100 ms, and the frame in which the cooldown runs out
            EXPECT_GE(gap, 7);
            EXPECT_LE(gap, 8);
            ++bursts.back();
        }
    }
    ASSERT_GT(bursts.size(), 10u);
    EXPECT_GE(bursts.front(), 4);
    EXPECT_LE(bursts.front(), 12);
    for (std::size_t i = 1; i + 1 < bursts.size(); ++i) {
        EXPECT_GE(bursts[i], 7);
        EXPECT_LE(bursts[i], 15);
    }
    const auto& shell = *arena.shots().enemyShots().front();
    const auto* bullet = dynamic_cast<const NVolant::Bullet*>(&shell);
    ASSERT_NE(bullet, nullptr);
    EXPECT_EQ(bullet->kind(), 4);
    EXPECT_EQ(shell.flightSound(), NVolant::SoundCue::None);
    for (const auto& s : arena.shots().enemyShots()) {
        EXPECT_LE(std::fabs(s->angle()), 3.0f);
        EXPECT_GE(s->range(), 0.9f * 1000 * 100 - 1);
        EXPECT_LE(s->range(), 1.1f * 1000 * 100 + 1);
    }
}

TEST_F(GroundEnemiesTest, BuildingsAreTargetsOnlyWithAHitShape)
{
    Images* images = Images::instance();
    NVolant::EBuilding building(*enemies, 500, *images->buildings[0], *images->buildingParams[0]);
    place(building, 400, 300, 0, 0, 9);
    EXPECT_TRUE(building.isTargetable());
    NVolant::EnemyParams bare;
    NVolant::EBuilding shapeless(*enemies, 500, *images->buildings[0], bare);
    EXPECT_FALSE(shapeless.isTargetable());

    // The painted shadow alone: darkens the ground at its offset, and without an offset is not drawn.
    const auto shadowPixels = [](NVolant::EBuilding& b) {
        platform().beginFrame(1, 1, 1);
        b.drawShadow(Vector4(0, 0));
        const int dark = platform().readFrame().countNot(255, 255, 255, 8);
        platform().endFrame();
        return dark;
    };
    EXPECT_GT(shadowPixels(building), 100);
    NVolant::EnemyParams flat = *images->buildingParams[0];
    flat.shadowX = flat.shadowY = 0.0f;
    NVolant::EBuilding unshaded(*enemies, 500, *images->buildings[0], flat);
    place(unshaded, 400, 300, 0, 0, 0);
    EXPECT_EQ(shadowPixels(unshaded), 0);
}

} // namespace
