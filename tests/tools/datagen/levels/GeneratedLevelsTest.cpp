#include "common/DataTree.h"
#include "levels/BonusPlacer.h"
#include "levels/Image.h"
#include "levels/LevelChecker.h"
#include "levels/LevelFiles.h"
#include "levels/LevelGenerator.h"
#include "levels/TerrainArt.h"
#include "levels/ThreatProfile.h"

#include "LevelsTestSupport.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

using namespace datagen::levels;

// All thirty levels, built once, their files written into a scratch data tree.
struct Built {
    TempDir dir;
    std::vector<LevelData> levels;
    Built()
    {
        const datagen::DataTree tree(dir.path());
        for (int n = 1; n <= 30; ++n) {
            levels.push_back(makeLevel(n, testCatalog()));
            writeLevel(tree, levels.back());
        }
    }
};

const Built& built()
{
    static const Built once;
    return once;
}

const LevelData& level(int n)
{
    return built().levels[static_cast<std::size_t>(n - 1)];
}

int count(const LevelData& l, EnemyKind k)
{
    return static_cast<int>(std::count_if(l.enemies.begin(), l.enemies.end(),
                                          [&](const EnemyRecord& e) { return enemyKindOf(e.type) == k; }));
}

bool firesFlak(const LevelData& l)
{
    return std::any_of(l.enemies.begin(), l.enemies.end(), [](const EnemyRecord& e) {
        return enemyKindOf(e.type) == EnemyKind::Tank && testCatalog().shapeOf(e.type).flak != 0;
    });
}

// What is written reads back as built, and building again gives the same bytes.
TEST(GeneratedLevels, FilesReadBackAsBuiltAndRebuildTheSame)
{
    for (int n : {1, 14, 30}) {
        LevelData back;
        std::string why;
        ASSERT_TRUE(readLevel(built().dir.path(), n, back, why)) << why;
        const LevelData& built = level(n);
        EXPECT_EQ(back.map, built.map);
        EXPECT_EQ(back.enemies, built.enemies);
        EXPECT_EQ(back.bonuses, built.bonuses);
        EXPECT_EQ(back.mapPath, built.folder + "map.dat");
        ASSERT_EQ(back.sectors.size(), built.sectors.size());
        EXPECT_EQ(back.textures.size(), built.textures.size());
        EXPECT_EQ(back.waterPath, built.waterPath);
        EXPECT_EQ(back.decorPath, built.decorPath);
        EXPECT_EQ(back.decor, built.decor);
    }
    // Every level's scenery reads back exactly as written and keeps the checker's rules.
    const LevelChecker checker(testCatalog());
    for (int n = 1; n <= 30; ++n) {
        NVolant::Decor back;
        ASSERT_TRUE(NVolant::DecorFile::decode(NVolant::DecorFile::encode(level(n).decor), back)) << n;
        EXPECT_EQ(back, level(n).decor) << n;
        EXPECT_FALSE(back.props.empty()) << n;
        EXPECT_TRUE(checker.check(level(n)).empty()) << n;
    }
    const LevelData again = makeLevel(7, testCatalog());
    EXPECT_EQ(LevelFiles::encodeMap(again.map), LevelFiles::encodeMap(level(7).map));
    EXPECT_EQ(LevelFiles::encodeEnemies(again.enemies), LevelFiles::encodeEnemies(level(7).enemies));
    EXPECT_EQ(LevelFiles::encodeBonuses(again.bonuses), LevelFiles::encodeBonuses(level(7).bonuses));
    EXPECT_EQ(levelXmlText(again), levelXmlText(level(7)));
    EXPECT_EQ(encodePng(terrain_art::texture(Landscape::Forest, 3)),
              encodePng(terrain_art::texture(Landscape::Forest, 3)));
    EXPECT_EQ(encodePng(terrain_art::water(Water::Cold)), encodePng(terrain_art::water(Water::Cold)));
}

// The game's random draws while it composes a sector depend on how many pictures a texture lists:
// every list keeps twelve, all from the pool in the data tree.
TEST(GeneratedLevels, EveryTextureListsTwelvePicturesOfThePool)
{
    const std::map<std::string, Image> pictures = terrain_art::allPictures();
    std::map<std::string, std::set<std::vector<std::string>>> listsOf;
    for (int n = 1; n <= 30; ++n) {
        LevelData back;
        std::string why;
        ASSERT_TRUE(readLevel(built().dir.path(), n, back, why)) << why;
        ASSERT_FALSE(back.textures.empty());
        for (const TextureDef& t : back.textures) {
            EXPECT_EQ(t.images.size(), 12u) << "level " << n << " " << t.name;
            for (const std::string& p : t.images)
                EXPECT_TRUE(pictures.count(p)) << p;
            EXPECT_EQ(std::set<std::string>(t.images.begin(), t.images.end()).size(), t.images.size());
            listsOf[t.name].insert(t.images);
        }
    }
    EXPECT_GT(listsOf["grass"].size(), 1u) << "levels of one landscape show different subsets";
}

TEST(GeneratedLevels, LengthAndDifficultyGrowAcrossTheGame)
{
    for (int n = 2; n <= 30; ++n)
        EXPECT_GE(level(n).endScroll(), level(n - 1).endScroll());

    // Level 1 is gentle: boats, tanks and buildings only, few of them armed.
    const LevelData& first = level(1);
    EXPECT_EQ(count(first, EnemyKind::Helic), 0);
    EXPECT_EQ(count(first, EnemyKind::Plane), 0);
    EXPECT_FALSE(firesFlak(first));
    EXPECT_GT(count(first, EnemyKind::Boat), 0);
    EXPECT_GT(count(first, EnemyKind::Tank) + count(first, EnemyKind::Building), 0);
    auto armedShare = [](const LevelData& l) {
        const auto armed = std::count_if(l.enemies.begin(), l.enemies.end(),
                                         [](const EnemyRecord& e) { return e.weaponRange > 0; });
        return static_cast<double>(armed) / static_cast<double>(l.enemies.size());
    };
    EXPECT_LT(armedShare(first), 0.3);
    EXPECT_GT(armedShare(level(30)), 0.4);

    // New threats arrive one after another and stay.
    auto firstLevelWith = [&](auto has) {
        for (int n = 1; n <= 30; ++n)
            if (has(level(n)))
                return n;
        return 99;
    };
    const int helic = firstLevelWith([&](const LevelData& l) { return count(l, EnemyKind::Helic) > 0; });
    const int planes = firstLevelWith([&](const LevelData& l) { return count(l, EnemyKind::Plane) > 0; });
    const int flak = firstLevelWith([&](const LevelData& l) { return firesFlak(l); });
    EXPECT_GT(helic, 1);
    EXPECT_GT(planes, helic);
    EXPECT_GT(flak, planes);
    // Density and firepower rise.
    auto threat = [&](const LevelData& l) {
        int sum = 0;
        for (const EnemyRecord& e : l.enemies)
            sum += e.weaponRange;
        return sum;
    };
    EXPECT_GT(level(30).enemies.size(), 3 * level(1).enemies.size());
    EXPECT_GT(threat(level(30)), 5 * threat(level(1)));

    // What a level costs rises without a wall: none noticeably harder than the two after it,
    // once what the pilots' flights showed beyond the measure is taken into account.
    std::vector<float> cost;
    for (int n = 1; n <= 30; ++n)
        cost.push_back(ThreatProfile(level(n), testCatalog()).total() / level(n).plan.measured);
    for (std::size_t i = 0; i + 2 < cost.size(); ++i)
        EXPECT_LE(cost[i], 1.1f * std::min(cost[i + 1], cost[i + 2]) + 4) << "level " << i + 1;
    EXPECT_GT(cost[29], 20 * cost[0]);

    // Plane formations come on their schedule, not by the luck of the draw.
    for (int n = 5; n <= 30; ++n) {
        const LevelData& l = level(n);
        const auto formations = std::count_if(l.notes.begin(), l.notes.end(),
                                              [](const Note& note) { return note.text.rfind("planes", 0) == 0; });
        const float due = l.plan.formationsPerMinute * l.endScroll() / 6000.0f;
        EXPECT_NEAR(static_cast<float>(formations), due, 2.0f) << "level " << n;
    }
}

// Every level: a cannon upgrade in the first half minute for the fresh plane, a repair, bonuses in
// flying order, and at least two landscapes; hardly two levels look alike.
TEST(GeneratedLevels, EveryLevelHasItsHelpAndItsOwnLook)
{
    std::set<std::string> looks;
    for (int n = 1; n <= 30; ++n) {
        SCOPED_TRACE(n);
        const LevelData& l = level(n);
        EXPECT_TRUE(std::any_of(l.bonuses.begin(), l.bonuses.end(), [](const BonusRecord& b) {
            return b.kind == kAddDamage && b.position.y < 3000;
        }));
        EXPECT_TRUE(std::any_of(l.bonuses.begin(), l.bonuses.end(), [](const BonusRecord& b) {
            return b.kind == kRepair || b.kind == kRepairAll;
        }));
        EXPECT_TRUE(std::is_sorted(
            l.bonuses.begin(), l.bonuses.end(),
            [](const BonusRecord& a, const BonusRecord& b) { return a.position.y < b.position.y; }));
        EXPECT_GE(l.sectors.size(), 2u);
        std::string look;
        for (const SectorDef& s : l.sectors)
            look += s.name + " ";
        looks.insert(look + l.waterPath);
    }
    EXPECT_GE(looks.size(), 25u);
}

// The build's own levels, written by the same writer as the scratch tree above.
TEST(GeneratedTree, ShippedLevelsPassTheChecker)
{
    const std::string tree = generatedTree();
    if (tree.empty())
        GTEST_SKIP() << "no generated data tree in the build folder";
    const LevelChecker checker(testCatalog());
    for (int n = 1; n <= 30; ++n) {
        const auto problems = checker.checkFiles(tree, n);
        EXPECT_TRUE(problems.empty()) << problems.front();
    }
}

} // namespace
