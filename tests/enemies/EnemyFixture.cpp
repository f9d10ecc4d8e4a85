#include "EnemyFixture.h"

#include "combat/Effects.h"
#include "combat/Shots.h"
#include "content/ParticleSystem.h"
#include "content/Random.h"
#include "content/ResourceArchive.h"
#include "content/Sprite.h"
#include "enemies/Enemies.h"
#include "enemies/Enemy.h"
#include "gameplay/CollitionCircles.h"
#include "gameplay/Images.h"
#include "platform/KGraphic.h"
#include "score/Scores.h"
#include "world/Terrain.h"

#include "support/GeneratedData.h"
#include "support/HeadlessPlatform.h"

#include <cstdlib>

namespace {

// One window, the data pack and the registry for the whole test binary: loading them per test
// would cost more than the tests.
class RegistryEnvironment final : public ::testing::Environment {
public:
    void SetUp() override
    {
        platform = std::make_unique<HeadlessPlatform>();
        ASSERT_TRUE(platform->ok());
        ASSERT_TRUE(openGeneratedData()) << "no generated data pack";
        NVolant::Images::instance();
    }

    void TearDown() override
    {
        NVolant::Images::destroy();
        closeGeneratedData();
        platform.reset();
    }

    std::unique_ptr<HeadlessPlatform> platform;
};

RegistryEnvironment* const g_registry =
    static_cast<RegistryEnvironment*>(::testing::AddGlobalTestEnvironment(new RegistryEnvironment));

} // namespace

HeadlessPlatform& EnemyFixture::platform()
{
    return *g_registry->platform;
}

void EnemyFixture::SetUp()
{
    enemies = std::make_unique<NVolant::Enemies>(arena);
}

void EnemyFixture::TearDown()
{
    enemies.reset();
}

NVolant::EnemyRecord EnemyFixture::record(int type, float x, float y, int group, int speedClass,
                                          int weaponRange)
{
    NVolant::EnemyRecord r;
    r.type = type;
    r.group = group;
    r.speedClass = speedClass;
    r.position = Vector4(x, y, 0.0f, 1.0f);
    r.weaponRange = weaponRange;
    return r;
}

void EnemyFixture::loadList(std::vector<NVolant::EnemyRecord> records)
{
    for (std::size_t i = 0; i < records.size(); ++i)
        records[i].index = static_cast<int>(i);
    enemies->load(records);
}

NVolant::Enemy* EnemyFixture::firstOfType(int type) const
{
    for (const auto& e : enemies->all())
        if (e->type() == type)
            return e.get();
    return nullptr;
}

void EnemyFixture::setCamera(float y)
{
    enemies->setCamera(Vector4(0.0f, y, 0.0f, 1.0f));
    arena.shots().setCamera(Vector4(0.0f, y, 0.0f, 1.0f));
    arena.effects().setCamera(Vector4(0.0f, y, 0.0f, 1.0f));
}

void EnemyFixture::run(int frames)
{
    for (int i = 0; i < frames; ++i) {
        arena.effects().update(kStep);
        arena.shots().update(kStep);
        enemies->update(kStep);
    }
}

void EnemyFixture::place(NVolant::Enemy& e, float x, float y, int group, int speedClass, int weaponRange)
{
    e.setStartPosition(Vector4(x, y));
    e.setPosition(Vector4(x, y));
    e.setDirection(group);
    e.setInitialGroup(group);
    e.setSpeedClass(speedClass);
    e.setWeaponRange(weaponRange);
}

NVolant::CollitionCircles EnemyFixture::playerAt(const Vector4& p, float radius)
{
    NVolant::CollitionCircles circles;
    circles.append(Vector4(0, 0), radius);
    circles.place(p, 0.0f);
    return circles;
}

bool TerrainGround::anyTile(const NVolant::CollitionPoints& points) const
{
    return m_terrain.anyTile(points);
}

bool TerrainGround::anyWater(const NVolant::CollitionPoints& points) const
{
    return m_terrain.anyWater(points);
}
