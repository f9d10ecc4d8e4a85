#include "levels/Placement.h"
#include "levels/ThreatBalancer.h"
#include "levels/ThreatProfile.h"

#include "LevelsTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace datagen::levels;

LevelData valley(int number, float height)
{
    LevelData l;
    l.number = number;
    l.plan = planFor(number);
    l.map.columns = 25;
    l.map.cellSize = 32;
    l.map.rows = static_cast<int>(height / 32);
    return l;
}

EnemyRecord unit(int type, float y, int range = 0, int speed = 0, int group = 4)
{
    EnemyRecord e;
    e.type = type;
    e.group = group;
    e.speedClass = speed;
    e.weaponRange = range;
    e.position = Vector4(400, y);
    return e;
}

int flakModel()
{
    for (int i = 0; i < 5; ++i)
        if (testCatalog().tanks[static_cast<std::size_t>(i)].flak != 0)
            return i;
    return 4;
}

ThreatProfile profileOf(const LevelData& l)
{
    return ThreatProfile(l, testCatalog());
}

} // namespace

TEST(ThreatProfile, CountsEachUnitInTheScreensThatHoldItAndNowhereElse)
{
    LevelData l = valley(20, 6400);
    l.enemies = {unit(kPlaneType, 1000), unit(kTankType + flakModel(), 3000, 5), unit(kBuildingType, 3000),
                 unit(kBridgeType, 3000), unit(kBoatType, 5000, 0, 3, 2)};
    const ThreatProfile p = profileOf(l);
    const float plane = ThreatProfile::unitThreat(l.enemies[0], testCatalog().planes[0]);
    const float flak = ThreatProfile::unitThreat(l.enemies[1], testCatalog().shapeOf(l.enemies[1].type));
    const float boat = ThreatProfile::unitThreat(l.enemies[4], testCatalog().boats[0]);
    EXPECT_GT(flak, 0);
    EXPECT_FLOAT_EQ(p.total(), plane + flak + boat);
    EXPECT_FLOAT_EQ(p.around(1000), plane);
    EXPECT_FLOAT_EQ(p.around(1290), plane) << "still in sight, on the bottom edge";
    EXPECT_FLOAT_EQ(p.around(1350), 0) << "out of sight";
    EXPECT_FLOAT_EQ(p.around(760), plane) << "still in sight, on the top edge";
    EXPECT_FLOAT_EQ(p.around(700), 0) << "not yet in sight";
    EXPECT_FLOAT_EQ(p.around(3000), flak);
    EXPECT_FLOAT_EQ(p.around(2000), 0);
    EXPECT_FLOAT_EQ(p.peak(), std::max(plane, flak));
    EXPECT_NEAR(p.peakY(), plane > flak ? 1000 : 3000, ThreatProfile::kScreen / 2);
}

// A level whose layout came out with a spot: the spot is calmed to the cap, and the level made
// up to its plan elsewhere by guns reaching further. Nothing but paces and guns changes, and
// nothing the plan left unarmed is armed.
TEST(ThreatBalancer, CalmsASpotAndBringsTheLevelToItsPlanByPacesAndGunsAlone)
{
    LevelData l = valley(17, 20000);
    for (int i = 0; i < 15; ++i)
        l.enemies.push_back(unit(kHelicType, 6000 + 20.0f * static_cast<float>(i), 7));
    for (int i = 0; i < 40; ++i) {
        const float y = 1500 + 450.0f * static_cast<float>(i);
        if (i % 3 == 0)
            l.enemies.push_back(unit(kPlaneType, y, 0, 1));
        l.enemies.push_back(unit(kBoatType, y + 100, 0, 1, 4));
        l.enemies.push_back(unit(kTankType + flakModel(), y + 200, l.plan.rangeMin));
        l.enemies.push_back(unit(kHelicType, y + 300, 5, 1));
    }
    std::stable_sort(l.enemies.begin(), l.enemies.end(),
                     [](const EnemyRecord& a, const EnemyRecord& b) { return a.position.y < b.position.y; });
    const LevelData before = l;
    ASSERT_GT(profileOf(l).peak(), ThreatBalancer::screenCap(l.plan));

    ThreatBalancer(l, testCatalog()).balance();
    const ThreatProfile after = profileOf(l);
    EXPECT_LE(after.peak(), ThreatBalancer::screenCap(l.plan) + 0.01f);
    EXPECT_NEAR(after.total(), l.plan.threat, l.plan.threat * 0.03f);
    ASSERT_EQ(l.enemies.size(), before.enemies.size());
    for (std::size_t i = 0; i < l.enemies.size(); ++i) {
        const EnemyRecord &a = before.enemies[i], &b = l.enemies[i];
        EXPECT_EQ(b.type, a.type);
        EXPECT_EQ(b.group, a.group);
        EXPECT_EQ(b.position, a.position);
        EXPECT_TRUE(b.weaponRange == 0 ||
                    (b.weaponRange >= l.plan.rangeMin && b.weaponRange <= l.plan.rangeMax));
        if (a.weaponRange == 0) {
            EXPECT_EQ(b.weaponRange, 0) << "armed beyond the plan's share";
        }
        if (enemyKindOf(a.type) == EnemyKind::Boat) {
            EXPECT_GE(b.speedClass, 1) << "a boat under way stays under way";
            EXPECT_LE(b.speedClass, placement::kFastestAtThePlane)
                << "and never races down the river at the plane";
        }
        if (enemyKindOf(a.type) == EnemyKind::Helic && a.speedClass > 0) {
            EXPECT_EQ(b, a) << "what costs no lives is left as placed";
        }
    }
}

TEST(ThreatBalancer, TakesATooHardLevelDownToItsPlan)
{
    LevelData l = valley(12, 16000);
    for (int i = 0; i < 60; ++i)
        l.enemies.push_back(unit(kHelicType, 1500 + 230.0f * static_cast<float>(i), 6));
    ASSERT_GT(profileOf(l).total(), l.plan.threat * 1.5f);
    ThreatBalancer(l, testCatalog()).balance();
    EXPECT_NEAR(profileOf(l).total(), l.plan.threat, l.plan.threat * 0.03f);
}
