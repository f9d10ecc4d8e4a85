#include "world/Level.h"

#include "world/RealGameData.h"

#include "combat/Arena.h"
#include "content/BrokenInstallation.h"
#include "enemies/EBridge.h"
#include "enemies/Enemies.h"
#include "enemies/Enemy.h"
#include "world/Terrain.h"

namespace {

using NVolant::Level;

class LevelTest : public RealGameData {
protected:
    NVolant::Arena arena;
};

TEST_F(LevelTest, ALevelLoadsItsFolderLooksThroughOneCameraAndLeavesNothingOfItsOwnWhenFinished)
{
    {
        Level level(arena, Level::folderFor(7));
        EXPECT_EQ(level.folder(), "levels/07/");
        EXPECT_GT(level.terrain().rows(), 0);
        EXPECT_GT(level.terrain().sectorGraphicCount(), 0u);
        EXPECT_FALSE(level.enemies().all().empty());
        EXPECT_FALSE(level.enemies().bridges().empty());
        EXPECT_FALSE(arena.bonuses().bonuses().empty());
        EXPECT_EQ(arena.targets(), &level.enemies());
        EXPECT_EQ(level.cameraPosition().y, 0.0f);

        arena.effects().addRandomExplosion(Vector4(100, 100, 0, 1));
        level.setCamera(Vector4(0.0f, 640.0f, 0.0f, 1.0f));
        EXPECT_EQ(level.cameraPosition().y, 640.0f);
        EXPECT_EQ(level.enemies().camera().y, 640.0f);
        EXPECT_EQ(arena.shots().camera().y, 640.0f);
        EXPECT_EQ(arena.effects().camera().y, 640.0f);
        EXPECT_EQ(arena.bonuses().camera().y, 640.0f);
    }
    EXPECT_EQ(arena.bonuses().size(), 0u);
    EXPECT_EQ(arena.effects().animationCount(), 0u);
    EXPECT_EQ(arena.shots().camera().y, 0.0f) << "the next level starts at the bottom";
    EXPECT_EQ(arena.bonuses().camera().y, 0.0f);
    EXPECT_EQ(arena.effects().camera().y, 0.0f);
    EXPECT_EQ(arena.targets(), nullptr);
    EXPECT_EQ(Level::folderFor(12), "levels/12/");
}

TEST_F(LevelTest, AMissingLevelIsABrokenInstallationNamingTheFile)
{
    try {
        Level level(arena, Level::folderFor(0));
        FAIL() << "a level without its folder loaded";
    } catch (const NLib::BrokenInstallation& e) {
        EXPECT_EQ(e.file(), "levels/00/level.xml");
    }
}

TEST_F(LevelTest, AnEmptyEnemyListGivesALevelWithoutEnemies)
{
    // The terrain of level 1 with lists of its own.
    const auto xml = NLib::ResourceArchive::instance()->readFile("levels/01/level.xml");
    loose.write("custom/level.xml", std::string(xml.begin(), xml.end()));
    loose.write("custom/enemies.dat", std::vector<std::uint8_t>{0, 0, 0, 0});
    Level level(arena, "custom/");
    EXPECT_TRUE(level.enemies().all().empty());
    EXPECT_TRUE(arena.bonuses().bonuses().empty());
    level.update(16.666666f);
    EXPECT_EQ(level.collidePlayer(NVolant::CollitionCircles()), 0);
}

TEST_F(LevelTest, RestartingGivesFreshShotsAndEffectsAndTheViewAtTheCheckpoint)
{
    Level level(arena, Level::folderFor(2));
    arena.effects().addRandomExplosion(Vector4(100, 100, 0, 1));
    ASSERT_EQ(arena.effects().animationCount(), 1u);
    level.setCheckpoint(1);
    level.restartFromCheckpoint();
    EXPECT_EQ(arena.effects().animationCount(), 0u);
    EXPECT_TRUE(arena.shots().playerShots().empty());
    // What lies before the checkpoint: EnemiesTest.
    EXPECT_EQ(level.enemies().bridgesPassed(), 1);
    EXPECT_EQ(level.cameraPosition().y, level.enemies().bridges()[0]->position().y);
}

} // namespace
