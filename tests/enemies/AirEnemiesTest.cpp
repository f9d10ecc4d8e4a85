#include "EnemyFixture.h"

#include "combat/Missile.h"
#include "combat/Shot.h"
#include "combat/Shots.h"
#include "content/ParticleSystem.h"
#include "content/ResourceArchive.h"
#include "content/Sprite.h"
#include "enemies/EHelic.h"
#include "enemies/EPlane.h"
#include "enemies/Enemies.h"
#include "gameplay/CollitionCircles.h"
#include "gameplay/EnemyParams.h"
#include "gameplay/Images.h"
#include "score/Scores.h"
#include "world/Terrain.h"

namespace {

using NVolant::EHelic;
using NVolant::EPlane;
using NVolant::Images;

class AirEnemiesTest : public EnemyFixture {
protected:
    std::unique_ptr<EHelic> helic(int model, float x, float y, int group, int speedClass, int weaponRange = 0)
    {
        const auto i = static_cast<std::size_t>(model);
        return make<EHelic>(100 + model, *Images::instance()->helics[i], *Images::instance()->helicParams[i],
                            x, y, group, speedClass, weaponRange);
    }

    std::unique_ptr<EPlane> plane(int model, float x, float y, int group, int speedClass)
    {
        const auto i = static_cast<std::size_t>(model);
        return make<EPlane>(200 + model, *Images::instance()->planes[i], *Images::instance()->planeParams[i],
                            x, y, group, speedClass);
    }
};

TEST_F(AirEnemiesTest, AHelicopterPatrolsBetweenTheScreenEdgesWithoutATerrain)
{
    auto h = helic(2, 400, 300, 2, 3);
    const float half = h->sprite().frameWidth / 2.0f;
    float minX = 400, maxX = 400;
    int turns = 0;
    int lastGroup = h->group();
    for (int i = 0; i < 60 * 30; ++i) {
        h->update(kStep);
        minX = std::min(minX, h->position().x);
        maxX = std::max(maxX, h->position().x);
        if (h->group() != lastGroup)
            ++turns;
        lastGroup = h->group();
    }
    EXPECT_GE(turns, 4); // 800 px at 0.1 px/ms take 8 s
    EXPECT_GE(minX - half, 0.0f);
    EXPECT_LE(maxX + half, 800.0f);
    EXPECT_GT(maxX + half, 797.0f);
    EXPECT_LT(minX - half, 3.0f);
}

TEST_F(AirEnemiesTest, AHelicopterKeepsToTheGroundItStartedOverOnARealLevel)
{
    NVolant::Terrain terrain;
    terrain.load(*NLib::ResourceArchive::instance(), "levels/02/level.xml", arena.random());
    const TerrainGround ground(terrain);
    enemies->setGround(&ground);
    const int k = terrain.cellSize();
    int overWater = 0, overTiles = 0;
    // Helicopters across the level heading right; each frame the rule is checked against the terrain.
    for (int row = 3; row < terrain.rows() - 3; row += 7)
        for (int c = 3; c < 22; c += 6) {
            auto h = helic(row % 4, static_cast<float>(c * k), static_cast<float>(row * k), 2, 3);
            const float half = h->sprite().frameWidth / 2.0f;
            h->update(kStep);
            const bool startedOverTile = h->startedOverTile();
            (startedOverTile ? overTiles : overWater)++;
            for (int frame = 0; frame < 120; ++frame) {
                const Vector4 before = h->position();
                const int group = h->group();
                const Vector4 next = before + h->direction() * (0.1f * kStep);
                NVolant::CollitionPoints outline = h->params().collisionPoints;
                outline.place(next, h->angle());
                bool turn = next.x + half > 800.0f || next.x - half < 0.0f;
                if (!turn)
                    turn = startedOverTile ? !ground.anyWater(outline) : ground.anyTile(outline);
                h->update(kStep);
                if (turn) {
                    ASSERT_EQ(h->group(), (group + 4) % 8);
                    ASSERT_EQ(h->position(), before); // back where it was
                } else {
                    ASSERT_EQ(h->group(), group);
                }
            }
        }
    EXPECT_GT(overWater, 0);
    EXPECT_GT(overTiles, 0);
    enemies->setGround(nullptr);
}

TEST_F(AirEnemiesTest, APlaneWrapsRoundTheScreenOnlyWhileTheCameraIsBelowItsSpawn)
{
    setCamera(0);
    auto right = plane(0, 821.0f - 0.15f * kStep, 500, 2, 0);
    right->update(kStep);
    EXPECT_NEAR(right->position().x, -19.0f, 0.01f);
    EXPECT_FLOAT_EQ(right->position().y, 500.0f);

    auto left = plane(1, -21.0f + 0.3f * kStep * 0.7071f, 500, 7, 3);
    const float y0 = left->position().y;
    left->update(kStep);
    EXPECT_NEAR(left->position().x, -21.0f + 840.0f, 0.05f);
    EXPECT_NEAR(left->position().y, y0 + 0.3f * kStep * 0.7071f - 840.0f, 0.05f); // back up its line

    // Group 0 is taken as straight down; it comes back at the top once it leaves the bottom.
    auto down = plane(2, 400, 500, 0, 1);
    EXPECT_EQ(down->group(), 4);
    EXPECT_EQ(down->direction(), Vector4(0, -1));
    EXPECT_EQ(down->angle(), 0.0f);
    const float h = down->sprite().frameHeight;
    setCamera(300); // still below the spawn height 500
    down->setPosition(Vector4(400, 300 - h + 1.0f));
    down->update(kStep);
    EXPECT_FLOAT_EQ(down->position().y, 300 + 600 + h);

    // Once the camera has passed the spawn height it flies off for good.
    setCamera(600);
    down->setPosition(Vector4(400, 100));
    down->update(kStep);
    EXPECT_LT(down->position().y, 100.0f);
    right->setPosition(Vector4(900, 500));
    right->update(kStep);
    EXPECT_GT(right->position().x, 900.0f);
}

TEST_F(AirEnemiesTest, EnginesAreKeptAliveEveryUpdateAndStoppedWithTheEnemy)
{
    const NVolant::GameSounds& sounds = arena.sounds();
    auto h = helic(3, 400, 300, 0, 0);
    const int id = h->id();
    for (int i = 0; i < 3; ++i) {
        h->update(kStep);
        const NVolant::GameSounds::Voice* engine = sounds.engine(id);
        ASSERT_NE(engine, nullptr);
        EXPECT_EQ(engine->engine, NVolant::GameSounds::Engine::Helic);
        EXPECT_EQ(engine->model, 3);
        EXPECT_EQ(engine->position, h->position());
    }
    h.reset();
    EXPECT_EQ(sounds.engine(id), nullptr);
    EXPECT_EQ(sounds.plays(NVolant::SoundCue::HelicExplosion), 0) << "quietly gone: no explosion";

    auto p = plane(1, 400, 300, 2, 0);
    p->update(kStep);
    ASSERT_NE(sounds.engine(p->id()), nullptr);
    p->collideWithPlayer(playerAt(p->position()));
    const int planeId = p->id();
    p.reset();
    EXPECT_EQ(sounds.engine(planeId), nullptr);
    EXPECT_EQ(sounds.plays(NVolant::SoundCue::PlaneExplosion), 1);
}

} // namespace
