#include "levels/LevelFormat.h"

#include <gtest/gtest.h>

namespace {

using namespace datagen::levels;

std::vector<EnemyRecord> someEnemies()
{
    EnemyRecord boat{kBoat + 2, 6, 1, 412.5f, 1300, 0, 1, 4};
    EnemyRecord bridge{kBridge, 0, 0, 400, 3872, 0, 1, 0};
    EnemyRecord plane{kPlane + 3, 3, 2, -20, 5000.25f, 0, 1, 0};
    return {boat, bridge, plane};
}

TEST(LevelFormat, EnemiesRoundTripWithExactLayout)
{
    const auto records = someEnemies();
    const auto bytes = encodeEnemies(records);
    ASSERT_EQ(bytes.size(), 4 + 32 * records.size());
    // Little-endian count, then type, group and speed class of the first record.
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(bytes[4], 2);
    EXPECT_EQ(bytes[8], 6);
    EXPECT_EQ(bytes[12], 1);
    EXPECT_EQ(bytes[32], 4); // weapon range sits after the four floats
    std::vector<EnemyRecord> back;
    ASSERT_TRUE(decodeEnemies(bytes, back));
    EXPECT_EQ(back, records);
}

TEST(LevelFormat, BonusesAndMapRoundTrip)
{
    const std::vector<BonusRecord> bonuses = {{2, 300, 900, 0, 1}, {10, 650.5f, 12000, 0, 1}};
    const auto bytes = encodeBonuses(bonuses);
    ASSERT_EQ(bytes.size(), 4 + 20 * bonuses.size());
    std::vector<BonusRecord> back;
    ASSERT_TRUE(decodeBonuses(bytes, back));
    EXPECT_EQ(back, bonuses);

    TileMap map;
    map.columns = 3;
    map.rows = 2;
    map.cellSize = 32;
    map.cells = {0, 1011, 2250, 3000, -1, 1005};
    const auto mapBytes = encodeMap(map);
    ASSERT_EQ(mapBytes.size(), 12 + 4 * 6u);
    TileMap mapBack;
    ASSERT_TRUE(decodeMap(mapBytes, mapBack));
    EXPECT_EQ(mapBack, map);
    EXPECT_EQ(mapBack.at(2, 0), 2250);
    EXPECT_EQ(mapBack.at(1, 1), -1);
}

TEST(LevelFormat, SizesThatDisagreeWithTheirCountsAreRejected)
{
    auto bytes = encodeEnemies(someEnemies());
    std::vector<EnemyRecord> out;

    auto truncated = bytes;
    truncated.resize(bytes.size() - 1);
    EXPECT_FALSE(decodeEnemies(truncated, out));
    EXPECT_EQ(out.size(), 2u) << "the records that are whole are still read";

    auto longer = bytes;
    longer.push_back(0);
    EXPECT_FALSE(decodeEnemies(longer, out));

    auto huge = bytes;
    huge[3] = 0x7F; // a count of about two thousand million over three records
    EXPECT_FALSE(decodeEnemies(huge, out));
    EXPECT_EQ(out.size(), 3u);

    EXPECT_FALSE(decodeEnemies({}, out));
    EXPECT_TRUE(out.empty());
    const std::vector<std::uint8_t> zero = {0, 0, 0, 0};
    EXPECT_TRUE(decodeEnemies(zero, out));
    EXPECT_TRUE(out.empty());

    std::vector<BonusRecord> bonuses;
    EXPECT_FALSE(decodeBonuses(std::vector<std::uint8_t>{1, 0, 0, 0, 5}, bonuses));
}

TEST(LevelFormat, MapHeaderMustMatchItsCells)
{
    TileMap map;
    map.columns = 2;
    map.rows = 2;
    map.cells = {1, 2, 3, 4};
    auto bytes = encodeMap(map);
    TileMap out;
    auto cut = bytes;
    cut.pop_back();
    EXPECT_FALSE(decodeMap(cut, out));
    auto wide = bytes;
    wide[0] = 3; // 3 x 2 cells claimed, 4 present
    EXPECT_FALSE(decodeMap(wide, out));
    auto negative = bytes;
    negative[7] = 0x80; // rows < 0
    EXPECT_FALSE(decodeMap(negative, out));
    auto noCell = bytes;
    noCell[8] = 0; // cell size 0
    EXPECT_FALSE(decodeMap(noCell, out));
    // Dimensions whose product overflows 32 bits must not be taken for a small map.
    std::vector<std::uint8_t> overflow = {0, 0, 1, 0, 0, 0, 1, 0, 32, 0, 0, 0};
    EXPECT_FALSE(decodeMap(overflow, out));
}

TEST(LevelFormat, TypeCodesMapToKindsAndModels)
{
    EXPECT_EQ(kindOf(3), Kind::Boat);
    EXPECT_EQ(kindOf(4), Kind::Unknown);
    EXPECT_EQ(kindOf(103), Kind::Helic);
    EXPECT_EQ(kindOf(250), Kind::Unknown);
    EXPECT_EQ(kindOf(300), Kind::Bridge);
    EXPECT_EQ(kindOf(301), Kind::Unknown);
    EXPECT_EQ(kindOf(404), Kind::Tank);
    EXPECT_EQ(kindOf(511), Kind::Building);
    EXPECT_EQ(kindOf(512), Kind::Unknown);
    EXPECT_EQ(kindOf(-1), Kind::Unknown);
    EXPECT_EQ(modelOf(511), 11);
    EXPECT_EQ(modelOf(512), -1);
}

} // namespace
