#include "levels/TerrainArt.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

using namespace datagen::levels;

// The level's twelve are distinct pool pictures, and levels of the same landscape differ.
TEST(TerrainArt, EachLevelNamesItsOwnTwelveOfThePool)
{
    for (Landscape l : {Landscape::Grass, Landscape::Rock, Landscape::Town}) {
        std::set<std::vector<int>> lists;
        for (int level = 1; level <= 30; ++level) {
            const std::vector<int> v = terrain_art::levelVariants(level, l);
            ASSERT_EQ(v.size(), static_cast<std::size_t>(terrain_art::kVariants));
            EXPECT_EQ(std::set<int>(v.begin(), v.end()).size(), v.size());
            for (int i : v) {
                EXPECT_GE(i, 0);
                EXPECT_LT(i, terrain_art::kPoolSize);
            }
            EXPECT_EQ(terrain_art::levelVariants(level, l), v);
            lists.insert(v);
        }
        EXPECT_GT(lists.size(), 25u) << landscapeName(l);
    }
    EXPECT_GE(terrain_art::kPoolSize, 2 * terrain_art::kVariants);
}

double stepBetween(const Image& img, int ax, int ay, int bx, int by)
{
    double d = 0;
    for (int c = 0; c < 3; ++c)
        d += std::abs(img.at(ax, ay)[c] - img.at(bx, by)[c]);
    return d;
}

// The water is drawn repeated: the last column meets the first and the last row the first as
// smoothly as any two neighbouring pixels inside.
TEST(TerrainArt, WaterWrapsInBothDirections)
{
    for (Water w : {Water::Temperate, Water::Arid, Water::Cold}) {
        const Image img = terrain_art::water(w);
        ASSERT_EQ(img.width, img.height);
        ASSERT_EQ(img.width & (img.width - 1), 0) << "a power of two";
        const int n = img.width;
        double innerX = 0, innerY = 0, wrapX = 0, wrapY = 0;
        for (int i = 0; i < n; ++i) {
            wrapX += stepBetween(img, n - 1, i, 0, i) / n;
            wrapY += stepBetween(img, i, n - 1, i, 0) / n;
            for (int j = 0; j + 1 < n; ++j) {
                innerX += stepBetween(img, j, i, j + 1, i) / (n * (n - 1.0));
                innerY += stepBetween(img, i, j, i, j + 1) / (n * (n - 1.0));
            }
        }
        EXPECT_LE(wrapX, 1.25 * innerX) << waterName(w);
        EXPECT_LE(wrapY, 1.25 * innerY) << waterName(w);
    }
}

} // namespace
