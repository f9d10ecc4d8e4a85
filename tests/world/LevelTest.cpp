#include "world/Level.h"

#include "world/RealGameData.h"

#include "combat/Arena.h"
#include "content/BrokenInstallation.h"
#include "enemies/EBridge.h"
#include "enemies/Enemies.h"
#include "enemies/Enemy.h"
#include "content/LevelFiles.h"
#include "world/Terrain.h"

#include <algorithm>

namespace {

using NVolant::Level;

class LevelTest : public RealGameData {
protected:
    NVolant::Arena arena;
};

TEST_F(LevelTest, FoldersAreNumberedWithTwoDigits)
{
    EXPECT_EQ(Level::folderFor(7), "levels/07/");
    EXPECT_EQ(Level::folderFor(12), "levels/12/");
    EXPECT_EQ(Level::folderFor(30), "levels/30/");
}

TEST_F(LevelTest, LoadsTerrainEnemiesAndBonusesOfItsFolder)
{
    Level level(arena, Level::folderFor(7));
    EXPECT_EQ(level.folder(), "levels/07/");
    EXPECT_GT(level.terrain().rows(), 0);
    EXPECT_GT(level.terrain().sectorGraphicCount(), 0u);
    EXPECT_FALSE(level.enemies().all().empty());
    EXPECT_FALSE(level.enemies().bridges().empty());
    EXPECT_FALSE(arena.bonuses().bonuses().empty());
    EXPECT_EQ(arena.targets(), &level.enemies());
    const Vector4 start = level.cameraPosition();
    EXPECT_EQ(start.y, 0.0f);
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

TEST_F(LevelTest, EveryPartOfTheWorldLooksThroughTheSameCamera)
{
    Level level(arena, Level::folderFor(1));
    const Vector4 camera(0.0f, 640.0f, 0.0f, 1.0f);
    level.setCamera(camera);
    EXPECT_EQ(level.cameraPosition().y, 640.0f);
    EXPECT_EQ(level.enemies().camera().y, 640.0f);
    EXPECT_EQ(arena.shots().camera().y, 640.0f);
    EXPECT_EQ(arena.effects().camera().y, 640.0f);
}

TEST_F(LevelTest, ContinuingAtTheSecondBridgeSkipsWhatLiesBeforeIt)
{
    std::size_t bonusesInFile = 0;
    int secondBridgeEntry = -1;
    std::size_t enemiesInFile = 0;
    {
        Level fresh(arena, Level::folderFor(4));
        ASSERT_GE(fresh.enemies().bridges().size(), 3u);
        secondBridgeEntry = fresh.enemies().bridges()[1]->entryIndex();
        bonusesInFile = arena.bonuses().bonuses().size();
        enemiesInFile = fresh.enemies().all().size();
    }
    Level level(arena, Level::folderFor(4));
    // A bonus taken before the save is back when the game is continued.
    arena.bonuses().clear();
    arena.bonuses().load(Level::folderFor(4) + "bonuses.dat");
    level.setCheckpoint(2);
    level.restartFromCheckpoint();

    const NVolant::Enemies& enemies = level.enemies();
    EXPECT_EQ(enemies.bridgesPassed(), 2);
    EXPECT_TRUE(enemies.bridges()[0]->destroyed());
    EXPECT_TRUE(enemies.bridges()[1]->destroyed());
    EXPECT_FALSE(enemies.bridges()[2]->destroyed());
    // Every entry from the second bridge's on, and the bridges before it.
    const auto bytes = NLib::ResourceArchive::instance()->readFile(Level::folderFor(4) + "enemies.dat");
    const auto records = NVolant::LevelFiles::readEnemies(bytes);
    ASSERT_EQ(records.size(), enemiesInFile);
    const auto expected = std::count_if(records.begin(), records.end(), [&](const NVolant::EnemyRecord& r) {
        return r.index >= secondBridgeEntry || r.type == 300;
    });
    EXPECT_EQ(static_cast<long>(enemies.all().size()), expected);
    EXPECT_LT(enemies.all().size(), enemiesInFile);
    EXPECT_EQ(arena.bonuses().bonuses().size(), bonusesInFile);
    // The view starts at the checkpoint.
    EXPECT_EQ(level.cameraPosition().y, enemies.bridges()[1]->position().y);
    EXPECT_GT(secondBridgeEntry, 0);
}

TEST_F(LevelTest, RestartingGivesFreshShotsAndEffects)
{
    Level level(arena, Level::folderFor(2));
    arena.effects().addRandomExplosion(Vector4(100, 100, 0, 1));
    ASSERT_EQ(arena.effects().animationCount(), 1u);
    level.setCheckpoint(1);
    level.restartFromCheckpoint();
    EXPECT_EQ(arena.effects().animationCount(), 0u);
    EXPECT_TRUE(arena.shots().playerShots().empty());
}

TEST_F(LevelTest, AFinishedLevelLeavesNothingOfItsOwnInTheArena)
{
    {
        Level level(arena, Level::folderFor(3));
        arena.effects().addRandomExplosion(Vector4(100, 100, 0, 1));
        level.setCamera(Vector4(0.0f, 640.0f, 0.0f, 1.0f));
        ASSERT_GT(arena.bonuses().size(), 0u);
    }
    EXPECT_EQ(arena.bonuses().size(), 0u);
    EXPECT_EQ(arena.effects().animationCount(), 0u);
    EXPECT_EQ(arena.shots().camera().y, 0.0f) << "the next level starts at the bottom";
    EXPECT_EQ(arena.bonuses().camera().y, 0.0f);
    EXPECT_EQ(arena.effects().camera().y, 0.0f);
    EXPECT_EQ(arena.targets(), nullptr);
}

TEST_F(LevelTest, TheEndOfTheValleyEndsTheLevel)
{
    Level level(arena, Level::folderFor(1));
    const NVolant::Terrain& t = level.terrain();
    const float end = static_cast<float>(t.rows() * t.cellSize()) - 750.0f;
    level.setCamera(Vector4(0.0f, end, 0.0f, 1.0f));
    EXPECT_FALSE(level.endReached());
    level.setCamera(Vector4(0.0f, end + 1.0f, 0.0f, 1.0f));
    EXPECT_TRUE(level.endReached());
}

} // namespace
