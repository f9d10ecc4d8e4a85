#include "content/LevelFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <span>

namespace {

using namespace NVolant;

EnemyRecord enemy(int type, float x, float y, int speedClass = 1)
{
    EnemyRecord r;
    r.type = type;
    r.group = 2;
    r.speedClass = speedClass;
    r.position = Vector4(x, y);
    r.weaponRange = 3;
    return r;
}

void setFloat(std::vector<std::uint8_t>& bytes, std::size_t at, float f)
{
    std::memcpy(bytes.data() + at, &f, sizeof f);
}

TEST(LevelFiles, EnemiesKeepTheirExactLayoutAndFileIndexes)
{
    const std::vector<EnemyRecord> records = {enemy(kBoatType + 2, 412.5f, 1300), enemy(kBridgeType, 400, 3872),
                                              enemy(kBuildingType + 11, -20, 5000.25f, 3)};
    const auto bytes = LevelFiles::encodeEnemies(records);
    ASSERT_EQ(bytes.size(), 4 + 32 * records.size());
    // Little-endian count, then type, group and speed class; the weapon range after four floats.
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(bytes[4], 2);
    EXPECT_EQ(bytes[8], 2);
    EXPECT_EQ(bytes[12], 1);
    EXPECT_EQ(bytes[32], 3);

    for (bool strict : {false, true}) {
        std::vector<EnemyRecord> back;
        if (strict) {
            ASSERT_TRUE(LevelFiles::decodeEnemies(bytes, back));
        } else {
            LevelFiles::EnemyReport report;
            back = LevelFiles::readEnemies(bytes, &report);
            EXPECT_TRUE(report.clean());
        }
        ASSERT_EQ(back.size(), records.size());
        for (std::size_t i = 0; i < back.size(); ++i) {
            EnemyRecord expected = records[i];
            expected.index = static_cast<int>(i);
            EXPECT_EQ(back[i], expected) << "strict " << strict << ", record " << i;
        }
    }
}

TEST(LevelFiles, TheGameTakesWhatADamagedEnemyListStillHolds)
{
    // A count far beyond the file, the second record cut short: only the whole record is read.
    auto bytes = LevelFiles::encodeEnemies({enemy(0, 1, 2), enemy(1, 3, 4)});
    std::memset(bytes.data(), 0xff, 4);
    bytes.resize(bytes.size() - 5);
    LevelFiles::EnemyReport report;
    EXPECT_EQ(LevelFiles::readEnemies(bytes, &report).size(), 1u);
    EXPECT_EQ(report.declared, 0xffffffffu);
    EXPECT_EQ(report.present, 1u);
    EXPECT_FALSE(report.clean());

    EXPECT_TRUE(LevelFiles::readEnemies({}).empty());
    EXPECT_TRUE(LevelFiles::readEnemies(std::vector<std::uint8_t>{1, 0, 0}).empty());

    // Places that are not numbers or absurdly far are dropped without shifting later indexes;
    // speed classes are clamped into the table, and w is always 1.
    bytes = LevelFiles::encodeEnemies({enemy(0, 1, 2), enemy(0, 3, 4), enemy(0, 5, 6), enemy(0, 7, 8, -7),
                                       enemy(0, 9, 10, 99)});
    setFloat(bytes, 4 + 32 * 0 + 12, std::numeric_limits<float>::quiet_NaN()); // x
    setFloat(bytes, 4 + 32 * 1 + 16, std::numeric_limits<float>::infinity());  // y
    setFloat(bytes, 4 + 32 * 2 + 20, -3.0e7f);                                 // z
    setFloat(bytes, 4 + 32 * 3 + 24, 5.0f);                                    // w
    const auto kept = LevelFiles::readEnemies(bytes, &report);
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(report.dropped, 3u);
    EXPECT_EQ(report.clamped, 2u);
    EXPECT_EQ(kept[0].index, 3);
    EXPECT_EQ(kept[0].speedClass, 0);
    EXPECT_EQ(kept[0].position, Vector4(7, 8));
    EXPECT_EQ(kept[1].index, 4);
    EXPECT_EQ(kept[1].speedClass, 3);
}

TEST(LevelFiles, TheGameReadsOnlyWholeBonusRecordsWhateverTheCountClaims)
{
    const std::vector<BonusRecord> records = {{3, Vector4(10, 20, 30, 99)}, {5, Vector4(1, 2)}};
    auto bytes = LevelFiles::encodeBonuses(records);
    ASSERT_EQ(bytes.size(), 4 + 20 * records.size());
    bytes[2] = 0x0f; // about a million announced
    std::uint32_t announced = 0;
    const auto read = LevelFiles::readBonuses(bytes, &announced);
    EXPECT_EQ(announced, 0x0f0002u);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].kind, 3);
    EXPECT_EQ(read[0].position, Vector4(10, 20, 30, 1)); // w of the file is not kept
    bytes.pop_back();
    EXPECT_EQ(LevelFiles::readBonuses(bytes).size(), 1u);
    bytes.resize(3);
    EXPECT_TRUE(LevelFiles::readBonuses(bytes).empty());

    // The tools keep w, and want the count to match the bytes exactly.
    std::vector<BonusRecord> strict;
    ASSERT_TRUE(LevelFiles::decodeBonuses(LevelFiles::encodeBonuses(records), strict));
    EXPECT_EQ(strict, records);
    EXPECT_FALSE(LevelFiles::decodeBonuses(std::vector<std::uint8_t>{1, 0, 0, 0, 5}, strict));
}

TEST(LevelFiles, TheGameReadsAShortMapAndRefusesAbsurdHeaders)
{
    // A negative cell reads as 0, the missing last cell stays 0.
    auto bytes = LevelFiles::encodeMap(TileMap{2, 2, 16, {2005, -7, 1011, 0}});
    bytes.resize(bytes.size() - 4);
    TileMap read;
    ASSERT_TRUE(LevelFiles::readMap(bytes, read));
    EXPECT_EQ(read, (TileMap{2, 2, 16, {2005, 0, 1011, 0}}));

    // Sizes whose cells or pixels do not fit, and headers cut short, leave the map untouched.
    const TileMap before = read;
    for (const auto& bad :
         {TileMap{1 << 20, 1 << 20, 32, {}}, TileMap{-1, 5, 32, {}}, TileMap{5, 5, 0, {}},
          TileMap{1, 1 << 22, 1024, {}}, TileMap{1 << 22, 1, 1024, {}}, TileMap{2, 2, 2048, {}}})
        EXPECT_FALSE(LevelFiles::readMap(LevelFiles::encodeMap(bad), read));
    EXPECT_FALSE(LevelFiles::readMap(std::vector<std::uint8_t>{1, 0, 0}, read));
    EXPECT_EQ(read, before);
}

TEST(LevelFiles, TheToolsRefuseSizesThatDisagreeWithTheirCounts)
{
    const auto enemies = LevelFiles::encodeEnemies({enemy(0, 1, 2), enemy(1, 3, 4), enemy(2, 5, 6)});
    std::vector<EnemyRecord> out;
    EXPECT_FALSE(LevelFiles::decodeEnemies(std::span(enemies).first(enemies.size() - 1), out));
    EXPECT_EQ(out.size(), 2u) << "the records that are whole are still read";
    auto longer = enemies;
    longer.push_back(0);
    auto huge = enemies;
    huge[3] = 0x7f;
    for (const auto& bad : {longer, huge, std::vector<std::uint8_t>{}})
        EXPECT_FALSE(LevelFiles::decodeEnemies(bad, out));
    EXPECT_TRUE(LevelFiles::decodeEnemies(std::vector<std::uint8_t>{0, 0, 0, 0}, out));
    EXPECT_TRUE(out.empty());

    const TileMap square{2, 2, 32, {1, 2, -1, 4}};
    TileMap back;
    ASSERT_TRUE(LevelFiles::decodeMap(LevelFiles::encodeMap(square), back));
    EXPECT_EQ(back, square) << "negative cells are kept as written";
    EXPECT_EQ(back.at(0, 1), -1);
    const auto bytes = LevelFiles::encodeMap(square);
    EXPECT_FALSE(LevelFiles::decodeMap(std::span(bytes).first(bytes.size() - 1), back));
    auto wide = bytes;
    wide[0] = 3; // 3 x 2 cells claimed, 4 present
    auto noCell = bytes;
    noCell[8] = 0;
    auto trailing = bytes;
    trailing.insert(trailing.end(), {5, 0, 0, 0}); // a fifth cell after the four claimed
    // Dimensions whose product overflows 32 bits must not be taken for a small map.
    const std::vector<std::uint8_t> overflow = {0, 0, 1, 0, 0, 0, 1, 0, 32, 0, 0, 0};
    for (const auto& bad : {wide, noCell, trailing, overflow})
        EXPECT_FALSE(LevelFiles::decodeMap(bad, back));
}

TEST(LevelFiles, TypeCodesNameAKindAndModel)
{
    const struct {
        std::int32_t type;
        EnemyKind kind;
        int model;
    } cases[] = {
        {3, EnemyKind::Boat, 3},        {4, EnemyKind::Unknown, -1},     {103, EnemyKind::Helic, 3},
        {250, EnemyKind::Unknown, -1},  {300, EnemyKind::Bridge, 0},     {301, EnemyKind::Unknown, -1},
        {404, EnemyKind::Tank, 4},      {405, EnemyKind::Unknown, -1},   {511, EnemyKind::Building, 11},
        {512, EnemyKind::Unknown, -1},  {600, EnemyKind::Unknown, -1},   {-1, EnemyKind::Unknown, -1},
        {-100, EnemyKind::Unknown, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(enemyKindOf(c.type), c.kind) << c.type;
        EXPECT_EQ(enemyModelOf(c.type), c.model) << c.type;
    }
}

} // namespace
