#include "levels/DecorPlacer.h"
#include "levels/LevelBuilder.h"
#include "levels/LevelGenerator.h"
#include "levels/TerrainQuery.h"
#include "levels/TileSet.h"

#include "LevelsTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

using namespace datagen::levels;
using NVolant::DecorProp;

// Levels that between them fly over every landscape: grass, forest, rock, autumn, desert, town,
// scrub and snow.
constexpr int kSample[] = {1, 7, 12, 20, 30};

const LevelData& level(int n)
{
    static std::map<int, LevelData> built;
    auto it = built.find(n);
    if (it == built.end())
        it = built.emplace(n, makeLevel(n, testCatalog())).first;
    return it->second;
}

float distance(float ax, float ay, float bx, float by)
{
    return std::hypot(ax - bx, ay - by);
}

TEST(DecorPlacer, RoadsMeetBothEndsOfEveryBridge)
{
    const float half = testCatalog().bridge.frameWidth / 2;
    for (int n : kSample) {
        const LevelData& l = level(n);
        for (const EnemyRecord& b : l.enemies) {
            if (b.type != kBridgeType)
                continue;
            for (int side : {-1, 1}) {
                const float endX = b.position.x + static_cast<float>(side) * half;
                const bool met = std::any_of(l.decor.props.begin(), l.decor.props.end(), [&](const DecorProp& p) {
                    return p.layer == NVolant::kWayDecor && distance(p.x, p.y, endX, b.position.y) < 70;
                });
                EXPECT_TRUE(met) << "level " << n << ": no road at the " << (side < 0 ? "left" : "right")
                                 << " end of the bridge at " << b.position.y;
            }
        }
    }
}

TEST(DecorPlacer, NothingTallOnATankABuildingOrABridgeEnd)
{
    const float half = testCatalog().bridge.frameWidth / 2;
    for (int n : kSample) {
        const LevelData& l = level(n);
        std::vector<Circle> units;
        for (const EnemyRecord& e : l.enemies) {
            const EnemyKind k = enemyKindOf(e.type);
            if (k == EnemyKind::Tank || k == EnemyKind::Building)
                units.push_back({e.position.x, e.position.y, testCatalog().shapeOf(e.type).reach() * 0.8f});
            else if (k == EnemyKind::Bridge)
                for (float side : {-1.0f, 1.0f})
                    units.push_back({e.position.x + side * half, e.position.y, 60});
        }
        int tall = 0;
        for (const DecorProp& p : l.decor.props) {
            if (p.layer != NVolant::kTallDecor)
                continue;
            ++tall;
            const float r = DecorPlacer::footprint(p);
            for (const Circle& u : units)
                ASSERT_GE(distance(p.x, p.y, u.x, u.y), u.r + r - 0.5f)
                    << "level " << n << ": tall prop at (" << p.x << ", " << p.y << ") on a unit at (" << u.x
                    << ", " << u.y << ")";
        }
        EXPECT_GT(tall, 50) << "level " << n;
    }
}

TEST(DecorPlacer, OnlyBankPropsAndBridgeRoadsOverOpenWater)
{
    for (int n : kSample) {
        const LevelData& l = level(n);
        const TerrainQuery q(l.map);
        std::map<int, int> layers;
        for (const DecorProp& p : l.decor.props) {
            ++layers[p.layer];
            if (!q.emptyAt(p.x, p.y))
                continue;
            const bool allowed = DecorPlacer::bankPiece(p.piece) ||
                                 (p.layer == NVolant::kWayDecor && DecorPlacer::atBridge(l, testCatalog(), p.x, p.y));
            EXPECT_TRUE(allowed) << "level " << n << ": piece " << p.piece << " on open water at (" << p.x << ", "
                                 << p.y << ")";
        }
        for (int layer = 0; layer < NVolant::DecorFile::kLayers; ++layer)
            EXPECT_GT(layers[layer], 20) << "level " << n << " layer " << layer;
    }
}

// The scenery never takes a draw from the level's streams: with or without it, the map, the units
// and the bonuses are the same.
TEST(DecorPlacer, LevelIsTheSameWithoutIt)
{
    for (int n : {3, 12, 27}) {
        const LevelData with = buildLevel(n, testCatalog());
        const LevelData without = buildLevelWithoutDecor(n, testCatalog());
        EXPECT_FALSE(with.decor.props.empty());
        EXPECT_TRUE(without.decor.props.empty());
        EXPECT_EQ(with.map, without.map) << n;
        EXPECT_EQ(with.enemies, without.enemies) << n;
        EXPECT_EQ(with.bonuses, without.bonuses) << n;
    }
}

} // namespace
