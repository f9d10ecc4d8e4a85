#include "levels/TileSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using namespace datagen::levels::tiles;

TEST(TileSet, NumbersFollowTheGameClasses)
{
    EXPECT_EQ(classify(0), Class::Empty);
    for (int t = 1; t <= 6; ++t)
        EXPECT_EQ(classify(t), Class::FlatWater);
    for (int t = 7; t <= 10; ++t)
        EXPECT_EQ(classify(t), Class::FlatLand);
    EXPECT_EQ(classify(11), Class::FullLand);
    EXPECT_EQ(classify(kShoreFirst), Class::Shore);
    EXPECT_EQ(classify(kLastTile), Class::Gradient);
    EXPECT_EQ(classify(kLastTile + 1), Class::Invalid);
    EXPECT_LT(kLastTile, kBlockRows * kBlockRows) << "every tile has a block of the picture";

    // Every shoreline configuration has its own tile and maps back to itself.
    std::set<int> seen;
    for (int c = 0; c < kConfigs; ++c) {
        const int t = shoreTile(c);
        if (shapeOf(c) != Shape::Shore) {
            EXPECT_EQ(t, 0);
            continue;
        }
        EXPECT_EQ(classify(t), Class::Shore);
        EXPECT_TRUE(seen.insert(t).second);
        EXPECT_EQ(configOfTile(t), c);
    }
    EXPECT_EQ(static_cast<int>(seen.size()), kShoreCount);
}

// Alpha of any tile standing for a configuration: empty 0, full 255, shore its tile.
int alphaOfConfig(int cfg, int x, int y)
{
    switch (shapeOf(cfg)) {
    case Shape::Empty:
        return 0;
    case Shape::Full:
        return 255;
    default:
        return alphaAt(shoreTile(cfg), x, y);
    }
}

TEST(TileSet, NeighboursSharingCornersMeetWithoutASeam)
{
    // Two cells side by side share their right and left corners; above each other, their top
    // and bottom corners. The alpha on both sides of the common edge must agree closely.
    for (int a = 0; a < kConfigs; a += 3) {
        const int br = (a >> 2) & 3, tl = (a >> 4) & 3, tr = (a >> 6) & 3;
        for (int extra = 0; extra < 16; extra += 5) {
            const int right = config(br, extra & 3, tr, (extra >> 2) & 3);
            const int above = config(tl, tr, extra & 3, (extra >> 2) & 3);
            for (int i = 0; i < kCell; ++i) {
                EXPECT_NEAR(alphaOfConfig(a, kCell - 1, i), alphaOfConfig(right, 0, i), 40)
                    << "configs " << a << " and " << right << " at row " << i;
                EXPECT_NEAR(alphaOfConfig(a, i, 0), alphaOfConfig(above, i, kCell - 1), 40)
                    << "configs " << a << " and " << above << " at column " << i;
            }
        }
    }
}

// Every pair of configurations that can share an edge: the land value along it is the same
// seen from both cells, and a shore tile next to a full or an empty cell is whole land or clear
// water along their common edge.
TEST(TileSet, EveryEdgeMatchesItsNeighbourExactly)
{
    auto corner = [](int cfg, int i) { return (cfg >> (2 * i)) & 3; };
    for (int a = 0; a < kConfigs; ++a) {
        const int bl = corner(a, 0), br = corner(a, 1), tl = corner(a, 2), tr = corner(a, 3);
        for (int free = 0; free < 16; ++free) {
            const int right = config(br, free & 3, tr, free >> 2);
            const int above = config(tl, tr, free & 3, free >> 2);
            for (int i = 0; i <= 64; ++i) {
                const float s = static_cast<float>(i) / 64;
                ASSERT_NEAR(landAt(a, 1, s), landAt(right, 0, s), 1e-5) << a << " left of " << right;
                ASSERT_NEAR(landAt(a, s, 1), landAt(above, s, 0), 1e-5) << a << " below " << above;
            }
        }
        if (shapeOf(a) != Shape::Shore)
            continue;
        // Edges with both corners on one side: bottom, top, left, right.
        const int ends[4][2] = {{bl, br}, {tl, tr}, {bl, tl}, {br, tr}};
        for (int e = 0; e < 4; ++e) {
            const int lo = std::min(ends[e][0], ends[e][1]), hi = std::max(ends[e][0], ends[e][1]);
            if (lo <= 1 && hi >= 2)
                continue;
            const int want = lo >= 2 ? 255 : 0;
            for (int i = 0; i < kCell; ++i) {
                const int x = e < 2 ? i : (e == 2 ? 0 : kCell - 1);
                const int y = e >= 2 ? i : (e == 0 ? kCell - 1 : 0);
                EXPECT_EQ(alphaAt(shoreTile(a), x, y), want) << "config " << a << " edge " << e << " at " << i;
            }
        }
    }
}

TEST(TileSet, ShoreTilesLeanToTheLandAndTilesSitInTheirBlocks)
{
    // A cell whose left corners are land and right corners water fades from opaque to clear.
    const int t = shoreTile(config(3, 0, 3, 0));
    EXPECT_EQ(alphaAt(t, 0, 16), 255);
    EXPECT_EQ(alphaAt(t, kCell - 1, 16), 0);

    const std::vector<std::uint8_t> base = basePicture();
    ASSERT_EQ(base.size(), static_cast<std::size_t>(kPicture * kPicture * 4));
    // Tile 11 (full land) sits in block column 0, row 11; tile 0 stays clear.
    EXPECT_EQ(base[(static_cast<std::size_t>(11 * kCell + 5) * kPicture + 5) * 4 + 3], 255);
    EXPECT_EQ(base[(static_cast<std::size_t>(5) * kPicture + 5) * 4 + 3], 0);
}

} // namespace
