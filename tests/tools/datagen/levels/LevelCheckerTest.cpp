#include "levels/LevelBuilder.h"
#include "levels/LevelChecker.h"
#include "levels/LevelGenerator.h"
#include "levels/TerrainQuery.h"
#include "levels/TileSet.h"

#include "LevelsTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace datagen::levels;

// Each test breaks one rule in a good level and expects the checker to name it.
class LevelCheckerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_level = new LevelData(makeLevel(9, testCatalog())); }
    static void TearDownTestSuite() { delete s_level; }

    LevelData level = *s_level;
    LevelChecker checker{testCatalog()};

    bool mentions(const std::string& what) const
    {
        const auto problems = checker.check(level);
        return std::any_of(problems.begin(), problems.end(),
                           [&](const std::string& p) { return p.find(what) != std::string::npos; });
    }
    EnemyRecord& first(EnemyKind kind)
    {
        auto it = std::find_if(level.enemies.begin(), level.enemies.end(),
                               [&](const EnemyRecord& e) { return enemyKindOf(e.type) == kind; });
        EXPECT_NE(it, level.enemies.end());
        return *it;
    }
    // A point of full land in the middle of the level, off any road.
    std::pair<float, float> landPoint() const
    {
        const TerrainQuery q(level.map);
        for (float y = 2000; y < 8000; y += 32)
            if (q.rectGround(8, y - 60, 120, y + 60))
                return {64, y};
        return {0, 0};
    }

    static LevelData* s_level;
};
LevelData* LevelCheckerTest::s_level = nullptr;

TEST_F(LevelCheckerTest, AcceptsTheGeneratedLevel)
{
    EXPECT_TRUE(checker.check(level).empty());
}

TEST_F(LevelCheckerTest, BoatsMustFloat)
{
    const auto [x, y] = landPoint();
    EnemyRecord& boat = first(EnemyKind::Boat);
    boat.position.x = x;
    boat.position.y = y;
    std::stable_sort(level.enemies.begin(), level.enemies.end(),
                     [](const EnemyRecord& a, const EnemyRecord& b) { return a.position.y < b.position.y; });
    EXPECT_TRUE(mentions("is not on open water"));
}

TEST_F(LevelCheckerTest, GroundUnitsMustStandOnLandAndApart)
{
    // A tank moved sideways into the river.
    const EnemyRecord tank = first(EnemyKind::Tank);
    LevelData copy = level;
    EnemyRecord& t2 = *std::find_if(copy.enemies.begin(), copy.enemies.end(),
                                    [](const EnemyRecord& e) { return enemyKindOf(e.type) == EnemyKind::Tank; });
    const TerrainQuery q(copy.map);
    for (float x = 0; x < 800; x += 8)
        if (q.emptyAt(x, t2.position.y)) {
            t2.position.x = x;
            break;
        }
    const auto wet = checker.check(copy);
    EXPECT_TRUE(std::any_of(wet.begin(), wet.end(), [](const std::string& s) {
        return s.find("not on full land") != std::string::npos;
    }));

    // A building dropped onto the tank overlaps it.
    EnemyRecord twin = tank;
    twin.type = kBuildingType;
    twin.position.x += 4;
    level.enemies.insert(std::find(level.enemies.begin(), level.enemies.end(), tank) + 1, twin);
    EXPECT_TRUE(mentions("overlaps another"));
}

TEST_F(LevelCheckerTest, BridgesAreCheckpointsNearTheEnd)
{
    // Dropping all but one bridge leaves too few; moving the last far from the end is wrong too.
    LevelData few = level;
    int seen = 0;
    few.enemies.erase(std::remove_if(few.enemies.begin(), few.enemies.end(),
                                     [&](const EnemyRecord& e) { return e.type == kBridgeType && seen++ > 0; }),
                      few.enemies.end());
    const auto p = checker.check(few);
    EXPECT_TRUE(std::any_of(p.begin(), p.end(), [](const std::string& s) {
        return s.find("at least two") != std::string::npos;
    }));

    auto last = std::find_if(level.enemies.rbegin(), level.enemies.rend(),
                             [](const EnemyRecord& e) { return e.type == kBridgeType; });
    last->position.y -= 1500;
    std::stable_sort(level.enemies.begin(), level.enemies.end(),
                     [](const EnemyRecord& a, const EnemyRecord& b) { return a.position.y < b.position.y; });
    EXPECT_TRUE(mentions("not near the end")) << checker.check(level).front();
}

TEST_F(LevelCheckerTest, TheValleyHasNoLongStretchWithoutTargets)
{
    // Everything between 5000 and 7000 gone: twenty seconds and more with nothing to shoot.
    std::erase_if(level.enemies, [](const EnemyRecord& e) { return e.position.y > 5000 && e.position.y < 7000; });
    EXPECT_TRUE(mentions("without a target"));
}

TEST_F(LevelCheckerTest, TheRiverMustRunThrough)
{
    const int row = level.map.rows / 2;
    for (int c = 0; c < level.map.columns; ++c)
        if (level.map.at(c, row) % 1000 == 0)
            level.map.at(c, row) = level.map.at(0, row) / 1000 * 1000 + tiles::kFullFirst;
    EXPECT_TRUE(mentions("the river is broken"));
}

TEST_F(LevelCheckerTest, MarkersAndSectorsMustStayHidden)
{
    // A marker cell in an ordinary row would leave a hole in the ground.
    const int sectors = static_cast<int>(level.sectors.size());
    level.map.at(12, 40) = sectors * 1000 + tiles::kGradientFirst;
    EXPECT_TRUE(mentions("would show"));
    level.map.at(12, 40) = (sectors + 1) * 1000 + tiles::kFullFirst;
    EXPECT_TRUE(mentions("names no tile"));
}

TEST_F(LevelCheckerTest, BonusesMustBeReachable)
{
    level.bonuses.push_back({9, Vector4(5, 3000)});
    EXPECT_TRUE(mentions("out of the plane's reach"));
    level.bonuses.back() = {11, Vector4(400, 3000)};
    EXPECT_TRUE(mentions("has kind 11"));
}

} // namespace
