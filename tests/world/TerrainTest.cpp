#include "content/BrokenInstallation.h"
#include "content/LevelFiles.h"
#include "platform/KGraphic.h"
#include "gameplay/CollitionPoints.h"
#include "content/Random.h"
#include "world/Terrain.h"
#include "world/TerrainTexture.h"

#include "support/WorldFixture.h"

namespace {

std::vector<std::uint8_t> mapBytes(int columns, int rows, int cellSize, const std::vector<std::int32_t>& cells)
{
    return NVolant::LevelFiles::encodeMap({columns, rows, cellSize, cells});
}

class TerrainTest : public WorldFixture {
protected:
    // A level of 4 x 100 cells of 32 pixels: one sector, water in column 0, land tile 11 in
    // column 3, nothing in between.
    void writeLevel()
    {
        std::vector<std::int32_t> cells;
        for (int r = 0; r < 100; ++r)
            for (int c = 0; c < 4; ++c)
                cells.push_back(c == 0 ? 2 : c == 3 ? 11 : 0);
        data.write("levels/99/map.dat", mapBytes(4, 100, 32, cells));
        writePng("levels/99/base.png", 64, 512, solid(64, 512, 0, 0, 0, 255));
        writePng("levels/99/grass.png", 32, 32, solid(32, 32, 30, 200, 40));
        writePng("levels/99/water.png", 64, 64, solid(64, 64, 20, 40, 220));
        data.write("levels/99/level.xml",
                   "<level><data>levels/99/map.dat</data>"
                   "<textures><texture name=\"grass\"><v>levels/99/grass.png</v></texture></textures>"
                   "<sectors><sector name=\"grass\"><p>levels/99/base.png</p></sector></sectors>"
                   "<water>levels/99/water.png</water></level>");
    }

    NLib::Random random;
};

TEST_F(TerrainTest, CellClassesAndGroundTests)
{
    NVolant::Terrain terrain;
    // Without a map every question answers no.
    EXPECT_FALSE(terrain.hasTile(Vector4(1, 1)));

    writeLevel();
    terrain.load(*archive, "levels/99/level.xml", random);
    ASSERT_EQ(terrain.sectorGraphicCount(), 1u);
    EXPECT_TRUE(terrain.isWater(Vector4(5, 40)));
    EXPECT_TRUE(terrain.hasTile(Vector4(5, 40)));
    EXPECT_FALSE(terrain.hasTile(Vector4(40, 40)));
    EXPECT_FALSE(terrain.isWater(Vector4(100, 40)));
    EXPECT_TRUE(terrain.hasTile(Vector4(100, 40)));
    EXPECT_FALSE(terrain.hasTile(Vector4(500, 40))); // outside the map
    EXPECT_FALSE(terrain.hasTile(Vector4(5, 99999)));
    // Cells as the map file holds them (how a damaged file reads: LevelFilesTest), none outside.
    EXPECT_EQ(terrain.cell(3, 99), 11);
    EXPECT_EQ(terrain.cell(4, 0), -1);
    EXPECT_EQ(terrain.cell(0, 100), -1);

    NVolant::CollitionPoints outline;
    outline.append(Vector4(40, 10));
    EXPECT_FALSE(terrain.anyTile(outline));
    outline.append(Vector4(110, 10));
    EXPECT_TRUE(terrain.anyTile(outline));
    EXPECT_FALSE(terrain.anyWater(outline));

    // 100 rows of 32: the end comes once the scroll passes 3200 - 750.
    terrain.setPosition(0, 2450, 0, 1);
    EXPECT_FALSE(terrain.isEndReached());
    terrain.setPosition(0, 2451, 0, 1);
    EXPECT_TRUE(terrain.isEndReached());
}

TEST_F(TerrainTest, SectorsAreFilledWithVariantsAndBlendIntoTheNextSector)
{
    DecodedImage base{64, 64, solid(64, 64, 0, 0, 0, 77)};
    NVolant::TerrainTexture grass;
    grass.addPicture({32, 32, solid(32, 32, 100, 100, 100)});
    NVolant::Terrain::fillSector(base, grass, 32);
    EXPECT_EQ(base.rgba[0], 100);
    EXPECT_EQ(base.rgba[3], 77); // alpha stays as loaded

    // Row 0 is sector 0; its column 1 cell marks block 3 (column 1, row 1 of the picture) for
    // blending into the next sector's texture.
    NVolant::Terrain terrain;
    const std::vector<std::uint8_t> bytes = mapBytes(2, 2, 32, {5, 2003, 1005, 1005});
    ASSERT_TRUE(terrain.readMap(bytes.data(), bytes.size()));
    ASSERT_EQ(terrain.boundaryRow(0), 0);
    ASSERT_EQ(terrain.boundaryRow(1), 1);
    EXPECT_EQ(terrain.boundaryRow(3), -1);
    NVolant::TerrainTexture sand;
    sand.addPicture({32, 32, solid(32, 32, 200, 200, 200)});
    terrain.blendTransition(base, terrain.boundaryRow(0), 2, sand, random);
    auto red = [&](int x, int y) { return base.rgba[(static_cast<std::size_t>(y) * 64 + x) * 4]; };
    EXPECT_EQ(red(40, 32), 100);                 // top row of the block: the base picture
    EXPECT_EQ(red(40, 48), 100 + 100 * 16 / 32); // halfway down
    EXPECT_EQ(red(40, 63), 100 + 100 * 31 / 32);
    EXPECT_EQ(red(10, 48), 100); // other blocks untouched

    // Tile numbers far beyond the picture blend nothing.
    const std::vector<std::uint8_t> far = mapBytes(2, 2, 32, {2147483647, 2000000000, 1005, 1005});
    ASSERT_TRUE(terrain.readMap(far.data(), far.size()));
    const std::vector<std::uint8_t> before = base.rgba;
    terrain.blendTransition(base, 0, 0, sand, random);
    EXPECT_EQ(base.rgba, before);
}

TEST_F(TerrainTest, DrawsWaterTilesAndShadowsInPlace)
{
    writeLevel();
    NVolant::Terrain terrain;
    terrain.load(*archive, "levels/99/level.xml", random);
    platform->beginFrame();
    terrain.draw();
    Frame frame = platform->readFrame();
    // Water everywhere but on land; row 0 has its top edge at 568.
    EXPECT_EQ(frame.at(50, 580).b, 220);
    EXPECT_EQ(frame.at(110, 580).g, 200);
    EXPECT_EQ(frame.at(110, 560).g, 200); // row 1
    // The shadows fall 5 pixels to either side of the land column, darkening the water.
    for (const int x : {92, 130}) {
        EXPECT_LT(frame.at(x, 580).b, 220) << x;
        EXPECT_GT(frame.at(x, 580).b, 100) << x;
    }

    // 16 pixels further up the level everything moves 16 pixels down the screen.
    terrain.setPosition(0, 16, 0, 1);
    platform->beginFrame();
    terrain.draw();
    frame = platform->readFrame();
    EXPECT_EQ(frame.at(110, 596).g, 200);

    data.write("levels/98/level.xml", "<level><data>");
    NVolant::Terrain broken;
    EXPECT_THROW(broken.load(*archive, "levels/98/level.xml", random), NLib::BrokenInstallation);
}

} // namespace
