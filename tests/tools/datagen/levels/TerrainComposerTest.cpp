#include "levels/TerrainComposer.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

namespace {

using namespace datagen::levels;

Image solid(int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a = 255)
{
    Image img(w, h);
    for (std::size_t i = 0; i < img.rgba.size(); ++i)
        img.rgba[i] = std::array{r, g, b, a}[i % 4];
    return img;
}

struct Fixture {
    std::map<std::string, Image> pictures;
    LevelData level;

    Fixture()
    {
        pictures["base"] = solid(64, 64, 9, 9, 9, 200);
        pictures["red0"] = solid(32, 32, 255, 0, 0);
        pictures["red1"] = solid(32, 32, 200, 0, 0);
        pictures["blue"] = solid(32, 32, 0, 0, 255);
        pictures["water"] = solid(16, 16, 0, 60, 90);
        level.textures = {{"red", {"red0", "red1"}}, {"blue", {"blue"}}};
        level.sectors = {{"red", "base"}, {"blue", "base"}};
        level.waterPath = "water";
        level.map.columns = 3;
        level.map.rows = 4;
        level.map.cellSize = 32;
        // Sector 1 below and above; row 1 is the boundary row of sector 0 and holds a marker.
        level.map.cells = {1011, 1011, 0, 11, 2003, 0, 1011, 1011, 0, 1011, 1011, 0};
    }

    ComposedTerrain compose() const
    {
        return composeTerrain(level, [this](const std::string& p) -> const Image* {
            auto it = pictures.find(p);
            return it == pictures.end() ? nullptr : &it->second;
        });
    }
};

TEST(TerrainComposer, FillsBlocksColumnByColumnAndBlendsMarkedBlocks)
{
    const Fixture f;
    const ComposedTerrain t = f.compose();
    ASSERT_EQ(t.graphics.size(), 2u);
    const Image& g = t.graphics[0];
    // The variant index starts at 0 and advances before each block: blocks 0, 1, 2, 3 get
    // variants 1, 0, 1, 0; block 1 is the lower block of the first column.
    EXPECT_EQ(g.at(5, 5)[0], 200);
    EXPECT_EQ(g.at(5, 40)[0], 255);
    EXPECT_EQ(g.at(40, 5)[0], 200);
    // Block 3 (marker 2003 minus 1000 x two sectors) runs from red at its top to blue at its
    // bottom, in integer steps of 1/32.
    EXPECT_EQ(g.at(40, 32)[0], 255);
    EXPECT_EQ(g.at(40, 32)[2], 0);
    EXPECT_EQ(g.at(40, 63)[0], 255 - 255 * 31 / 32);
    EXPECT_EQ(g.at(40, 63)[2], 255 * 31 / 32);
    EXPECT_EQ(g.at(40, 48)[0], 255 - 255 * 16 / 32);
    // Alpha comes from the base picture only.
    EXPECT_EQ(g.at(40, 63)[3], 200);
    // The last sector is filled but never blended.
    EXPECT_EQ(t.graphics[1].at(40, 63)[2], 255);
    EXPECT_EQ(t.water.width, 16);
}

TEST(TerrainComposer, OwnSectorNumbersAreNotBlendedAndSectorsWithoutATextureGetNoGraphic)
{
    Fixture own;
    own.level.map.at(1, 1) = 3; // tile 3 of sector 0 itself: 3 - 2000 < 0
    const ComposedTerrain t = own.compose();
    ASSERT_EQ(t.graphics.size(), 2u);
    EXPECT_EQ(t.graphics[0].at(40, 63)[0], 255);

    Fixture untextured;
    untextured.level.sectors[0].name = "nothing"; // a sector without a texture of its name
    EXPECT_EQ(untextured.compose().graphics.size(), 1u);
}

} // namespace
