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

EnemyRecord& first(LevelData& level, EnemyKind kind)
{
    return *std::find_if(level.enemies.begin(), level.enemies.end(),
                         [&](const EnemyRecord& e) { return enemyKindOf(e.type) == kind; });
}

void sortByPosition(LevelData& level)
{
    std::stable_sort(level.enemies.begin(), level.enemies.end(),
                     [](const EnemyRecord& a, const EnemyRecord& b) { return a.position.y < b.position.y; });
}

// Moves the first prop of a layer onto open water halfway between two bridges.
void putOnWater(LevelData& l, NVolant::DecorLayer layer)
{
    const TerrainQuery q(l.map);
    const float y = (l.bridges[0] + l.bridges[1]) / 2;
    for (NVolant::DecorProp& p : l.decor.props) {
        if (p.layer != layer)
            continue;
        for (float x = 0; x < 800; x += 8)
            if (q.emptyAt(x, y)) {
                p.x = x;
                p.y = y;
                return;
            }
    }
}

// Adds count planes of one group and pace, the k-th at (x + k * dx, y + k * dy), in height order.
void addPlanes(LevelData& l, int count, int group, int speed, float x, float dx, float y, float dy)
{
    for (int k = 0; k < count; ++k)
        l.enemies.push_back({0, kPlaneType, group, speed,
                             Vector4(x + dx * static_cast<float>(k), y + dy * static_cast<float>(k)), 0});
    sortByPosition(l);
}

// One way to break a rule in a good level, and what the checker must say about it.
struct Breach {
    const char* what;
    void (*apply)(LevelData&);
    const char* says;
};

const Breach kBreaches[] = {
    {"a boat on full land, off any road",
     [](LevelData& l) {
         const TerrainQuery q(l.map);
         for (float y = 2000; y < 8000; y += 32)
             if (q.rectGround(8, y - 60, 120, y + 60)) {
                 first(l, EnemyKind::Boat).position = Vector4(64, y);
                 break;
             }
         sortByPosition(l);
     },
     "is not on open water"},
    {"a tank moved sideways into the river",
     [](LevelData& l) {
         EnemyRecord& tank = first(l, EnemyKind::Tank);
         const TerrainQuery q(l.map);
         for (float x = 0; x < 800; x += 8)
             if (q.emptyAt(x, tank.position.y)) {
                 tank.position.x = x;
                 break;
             }
     },
     "not on full land"},
    {"a building dropped onto a tank",
     [](LevelData& l) {
         const auto tank = std::find(l.enemies.begin(), l.enemies.end(), first(l, EnemyKind::Tank));
         EnemyRecord twin = *tank;
         twin.type = kBuildingType;
         twin.position.x += 4;
         l.enemies.insert(tank + 1, twin);
     },
     "overlaps another"},
    {"all bridges but one gone",
     [](LevelData& l) {
         int seen = 0;
         std::erase_if(l.enemies, [&](const EnemyRecord& e) { return e.type == kBridgeType && seen++ > 0; });
     },
     "at least two"},
    {"the last bridge far from the end",
     [](LevelData& l) {
         std::find_if(l.enemies.rbegin(), l.enemies.rend(), [](const EnemyRecord& e) {
             return e.type == kBridgeType;
         })->position.y -= 1500;
         sortByPosition(l);
     },
     "not near the end"},
    {"twenty seconds and more with nothing to shoot",
     [](LevelData& l) {
         std::erase_if(l.enemies,
                       [](const EnemyRecord& e) { return e.position.y > 5000 && e.position.y < 7000; });
     },
     "without a target"},
    {"a row of land across the river",
     [](LevelData& l) {
         const int row = l.map.rows / 2;
         for (int c = 0; c < l.map.columns; ++c)
             if (l.map.at(c, row) % 1000 == 0)
                 l.map.at(c, row) = l.map.at(0, row) / 1000 * 1000 + tiles::kFullFirst;
     },
     "the river is broken"},
    {"a marker cell in an ordinary row, a hole in the ground",
     [](LevelData& l) {
         l.map.at(12, 40) = static_cast<int>(l.sectors.size()) * 1000 + tiles::kGradientFirst;
     },
     "would show"},
    {"a land cell numbered past the last sector",
     [](LevelData& l) { l.map.at(12, 40) = static_cast<int>(l.sectors.size()) * 1000 + tiles::kFullFirst; },
     "names no tile"},
    {"a bonus at the very edge",
     [](LevelData& l) {
         l.bonuses.push_back({9, Vector4(5, 3000)});
     },
     "out of the plane's reach"},
    {"a bonus of an unknown kind",
     [](LevelData& l) {
         l.bonuses.push_back({11, Vector4(400, 3000)});
     },
     "has kind 11"},
    {"a decor prop naming a piece past the table", [](LevelData& l) { l.decor.props.front().piece = 999; },
     "names piece 999"},
    {"a decor prop on a layer above the tall one", [](LevelData& l) { l.decor.props.front().layer = 4; },
     "is on layer 4"},
    {"a decor prop beyond the right edge", [](LevelData& l) { l.decor.props.front().x = 801; },
     "lies off the map"},
    {"a tree in midstream", [](LevelData& l) { putOnWater(l, NVolant::kTallDecor); }, "stands in the water"},
    {"a road piece on open water far from any bridge", [](LevelData& l) { putOnWater(l, NVolant::kWayDecor); },
     "crosses open water"},
    {"six more planes along the valley", [](LevelData& l) { addPlanes(l, 6, 4, 0, 400, 0, 2500, 1500); },
     "is off the planned"},
    {"a boat racing down the river at the plane",
     [](LevelData& l) {
         EnemyRecord& boat = first(l, EnemyKind::Boat);
         boat.group = 4;
         boat.speedClass = 3;
     },
     "races down the river"},
    {"no plane in the sky and no flak",
     [](LevelData& l) {
         std::erase_if(l.enemies, [](const EnemyRecord& e) { return enemyKindOf(e.type) == EnemyKind::Plane; });
         for (EnemyRecord& e : l.enemies)
             e.weaponRange = 0;
     },
     "is off the planned"},
    {"a line of planes sweeping across at full speed",
     [](LevelData& l) {
         EnemyRecord& plane = first(l, EnemyKind::Plane);
         plane.group = 2;
         plane.speedClass = 3;
     },
     "sweeps across"},
    {"a line of five planes sweeping across", [](LevelData& l) { addPlanes(l, 5, 2, 1, -10, 136, 9000, 0); },
     "in a line of 5"},
    {"a formation of eight planes in one screen", [](LevelData& l) { addPlanes(l, 8, 4, 3, 100, 80, 6000, 0); },
     "more than"},
};

TEST(LevelChecker, AcceptsAGeneratedLevelAndNamesEveryBrokenRule)
{
    const LevelData good = makeLevel(9, testCatalog());
    const LevelChecker checker(testCatalog());
    EXPECT_TRUE(checker.check(good).empty());
    for (const Breach& breach : kBreaches) {
        SCOPED_TRACE(breach.what);
        LevelData level = good;
        breach.apply(level);
        const auto problems = checker.check(level);
        EXPECT_TRUE(std::any_of(problems.begin(), problems.end(), [&](const std::string& p) {
            return p.find(breach.says) != std::string::npos;
        })) << (problems.empty() ? std::string("no problem found") : problems.front());
    }
}

} // namespace
