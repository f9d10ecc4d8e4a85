#include "levels/TerrainArt.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// The water is drawn repeated: the last column meets the first, and the last row the first, as
// smoothly as neighbouring lines inside do (crests across the current make some rows' steps far
// larger than others', so the wrap is measured against the spread inside).
TEST(TerrainArt, WaterWrapsInBothDirections)
{
    for (Water w : {Water::Temperate, Water::Arid, Water::Cold}) {
        const Image img = terrain_art::water(w);
        ASSERT_EQ(img.width, img.height);
        ASSERT_EQ(img.width & (img.width - 1), 0) << "a power of two";
        const int n = img.width;
        auto columnStep = [&](int a, int b) {
            double s = 0;
            for (int y = 0; y < n; ++y)
                s += stepBetween(img, a, y, b, y) / n;
            return s;
        };
        auto rowStep = [&](int a, int b) {
            double s = 0;
            for (int x = 0; x < n; ++x)
                s += stepBetween(img, x, a, x, b) / n;
            return s;
        };
        std::vector<double> columns, rows;
        for (int i = 0; i + 1 < n; ++i) {
            columns.push_back(columnStep(i, i + 1));
            rows.push_back(rowStep(i, i + 1));
        }
        std::sort(columns.begin(), columns.end());
        std::sort(rows.begin(), rows.end());
        EXPECT_LE(columnStep(n - 1, 0), columns[columns.size() * 99 / 100]) << waterName(w);
        EXPECT_LE(rowStep(n - 1, 0), rows[rows.size() * 99 / 100]) << waterName(w);
    }
}

} // namespace
