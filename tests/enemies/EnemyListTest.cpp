#include "enemies/EnemyList.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

using NVolant::EnemyList;
using NVolant::EnemyRecord;

EnemyRecord rec(int type, float x, float y, int speedClass = 1)
{
    EnemyRecord r;
    r.type = type;
    r.group = 2;
    r.speedClass = speedClass;
    r.position = Vector4(x, y, 0.0f, 1.0f);
    r.weaponRange = 3;
    return r;
}

void setFloat(std::vector<std::uint8_t>& bytes, std::size_t at, float f)
{
    std::memcpy(bytes.data() + at, &f, sizeof f);
}

TEST(EnemyListTest, RecordsRoundTripWithTheirFileIndexes)
{
    const auto bytes = EnemyList::write({rec(0, 100, 200), rec(300, 400, 900), rec(511, 50, 60, 3)});
    ASSERT_EQ(bytes.size(), 4u + 3 * 32);
    EnemyList::Report report;
    const auto records = EnemyList::read(bytes, &report);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_TRUE(report.clean());
    EXPECT_EQ(records[1].index, 1);
    EXPECT_EQ(records[1].type, 300);
    EXPECT_EQ(records[1].group, 2);
    EXPECT_EQ(records[1].weaponRange, 3);
    EXPECT_EQ(records[1].position, Vector4(400, 900, 0, 1));
    EXPECT_EQ(records[2].speedClass, 3);
}

TEST(EnemyListTest, ACountLargerThanTheFileReadsOnlyTheWholeRecordsPresent)
{
    auto bytes = EnemyList::write({rec(0, 1, 2), rec(1, 3, 4)});
    bytes[0] = 0xff;
    bytes[1] = 0xff;
    bytes[2] = 0xff;
    bytes[3] = 0xff;                // 4294967295 records claimed
    bytes.resize(bytes.size() - 5); // the second record cut short
    EnemyList::Report report;
    const auto records = EnemyList::read(bytes, &report);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(report.declared, 0xffffffffu);
    EXPECT_EQ(report.present, 1u);
    EXPECT_FALSE(report.clean());
}

TEST(EnemyListTest, ShortAndEmptyFilesGiveNoEnemies)
{
    EXPECT_TRUE(EnemyList::read({}).empty());
    const std::uint8_t three[] = {1, 0, 0};
    EXPECT_TRUE(EnemyList::read(three).empty());
    const std::uint8_t zero[] = {0, 0, 0, 0};
    EnemyList::Report report;
    EXPECT_TRUE(EnemyList::read(zero, &report).empty());
    EXPECT_TRUE(report.clean());
}

TEST(EnemyListTest, PositionsOffTheMapAreDroppedWithoutShiftingLaterIndexes)
{
    auto bytes = EnemyList::write({rec(0, 1, 2), rec(0, 3, 4), rec(0, 5, 6), rec(0, 7, 8), rec(0, 9, 10)});
    setFloat(bytes, 4 + 32 * 0 + 12, std::numeric_limits<float>::quiet_NaN()); // x
    setFloat(bytes, 4 + 32 * 1 + 16, std::numeric_limits<float>::infinity());  // y
    setFloat(bytes, 4 + 32 * 2 + 20, -3.0e7f);                                 // z
    EnemyList::Report report;
    const auto records = EnemyList::read(bytes, &report);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(report.dropped, 3u);
    EXPECT_EQ(records[0].index, 3);
    EXPECT_EQ(records[1].index, 4);
    EXPECT_EQ(records[1].position, Vector4(9, 10, 0, 1));
}

TEST(EnemyListTest, SpeedClassesOutsideTheTableAreClampedAndWIsAlwaysOne)
{
    auto bytes = EnemyList::write({rec(0, 1, 2, -7), rec(0, 3, 4, 99)});
    setFloat(bytes, 4 + 32 * 0 + 24, 5.0f); // w
    EnemyList::Report report;
    const auto records = EnemyList::read(bytes, &report);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].speedClass, 0);
    EXPECT_EQ(records[1].speedClass, 3);
    EXPECT_EQ(report.clamped, 2u);
    EXPECT_EQ(records[0].position.w, 1.0f);
}

} // namespace
