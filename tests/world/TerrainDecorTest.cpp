#include "content/DecorFile.h"
#include "content/LevelFiles.h"
#include "content/Random.h"
#include "world/CloudShadows.h"
#include "world/Terrain.h"
#include "world/TerrainDecor.h"

#include "support/WorldFixture.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

using namespace NVolant;

// A level of open water (one row of land in column 0 so that the map draws) with scenery: the
// atlas holds a red square, a white square and a blue bar.
class TerrainDecorTest : public WorldFixture {
protected:
    void writeLevel(const std::vector<DecorProp>& props, bool withDecor = true, bool withClouds = false)
    {
        std::vector<std::int32_t> cells(100, 0);
        cells[0] = 11;
        data.write("levels/99/map.dat", LevelFiles::encodeMap({1, 100, 32, cells}));
        writePng("levels/99/base.png", 32, 512, solid(32, 512, 0, 0, 0, 255));
        writePng("levels/99/grass.png", 32, 32, solid(32, 32, 30, 200, 40));
        writePng("levels/99/water.png", 64, 64, solid(64, 64, 20, 40, 220));

        std::vector<std::uint8_t> atlas = solid(48, 16, 255, 255, 255);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 48; ++x) {
                std::uint8_t* p = &atlas[(static_cast<std::size_t>(y) * 48 + x) * 4];
                if (x < 16) {
                    p[1] = p[2] = 0; // red
                } else if (x >= 32) {
                    p[0] = p[1] = 0; // a blue bar 16 x 4, transparent below it
                    p[3] = y < 4 ? 255 : 0;
                }
            }
        writePng("levels/99/atlas.png", 48, 16, atlas);
        writePng("levels/99/cloud.png", 64, 64, solid(64, 64, 255, 255, 255));
        Decor decor;
        decor.pieces = {{0, 0, 16, 16}, {16, 0, 16, 16}, {32, 0, 16, 4}};
        decor.props = props;
        data.write("levels/99/decor.dat", DecorFile::encode(decor));

        std::string xml = "<level><data>levels/99/map.dat</data>"
                          "<textures><texture name=\"grass\"><v>levels/99/grass.png</v></texture></textures>"
                          "<sectors><sector name=\"grass\"><p>levels/99/base.png</p></sector></sectors>"
                          "<water>levels/99/water.png</water>";
        if (withDecor)
            xml += std::string("<decor atlas=\"levels/99/atlas.png\"") +
                   (withClouds ? " clouds=\"levels/99/cloud.png\"" : "") + ">levels/99/decor.dat</decor>";
        data.write("levels/99/level.xml", xml + "</level>");
    }

    static DecorProp prop(int piece, int layer, float x, float y, float angle = 0, float scale = 1,
                          std::uint32_t colour = 0xFFFFFFFFu)
    {
        return DecorProp{piece, layer, x, y, angle, scale, colour};
    }

    Frame drawn(Terrain& terrain, float scroll)
    {
        terrain.setPosition(0, scroll, 0, 1);
        platform->beginFrame();
        terrain.draw();
        return platform->readFrame();
    }

    static bool red(const Frame::Pixel& p) { return p.r > 200 && p.g < 60 && p.b < 60; }
    static bool water(const Frame::Pixel& p) { return p.r == 20 && p.g == 40 && p.b == 220; }

    NLib::Random random;
};

TEST_F(TerrainDecorTest, PropsAreDrawnCentredTurnedScaledAndTintedWhereTheyStand)
{
    writeLevel({prop(0, kTallDecor, 300, 300), prop(1, kGroundDecor, 500, 300, 0, 2, 0xFF0080FFu),
                prop(2, kGroundDecor, 650, 300, 90, 2), prop(1, kGroundDecor, 300, 300, 0, 3),
                prop(2, kGroundDecor, 150, 300, 45, 2)});
    Terrain terrain;
    terrain.load(*archive, "levels/99/level.xml", random);
    ASSERT_NE(terrain.decor(), nullptr);
    EXPECT_EQ(terrain.decor()->propCount(), 5u);

    Frame frame = drawn(terrain, 0);
    // The red square, 16 pixels about its centre, over the larger white square of a lower layer.
    EXPECT_TRUE(red(frame.at(300, 300)));
    EXPECT_TRUE(red(frame.at(293, 307)));
    // The white square's edges, also where they reach past its centre's band of the level.
    for (const auto& [x, y] : {std::pair{311, 300}, std::pair{310, 277}, std::pair{290, 322}}) {
        const auto white = frame.at(x, y);
        EXPECT_TRUE(white.r > 240 && white.g > 240 && white.b > 240) << x << "," << y;
    }
    // The white square scaled twice and tinted orange (red in the colour's lowest byte).
    const auto orange = frame.at(514, 286);
    EXPECT_TRUE(orange.r > 240 && std::abs(orange.g - 128) < 3 && orange.b < 10);
    EXPECT_TRUE(water(frame.at(519, 300)));
    // The blue bar doubled and turned a quarter about its centre: upright, 8 x 32.
    for (const int y : {286, 313}) {
        EXPECT_GT(frame.at(650, y).b, 240) << y;
        EXPECT_LT(frame.at(650, y).g, 20) << y;
    }
    EXPECT_TRUE(water(frame.at(656, 300)));
    EXPECT_TRUE(water(frame.at(650, 318)));
    // Turned an eighth counter-clockwise: its right end rises.
    EXPECT_GT(frame.at(158, 292).b, 240);
    EXPECT_TRUE(water(frame.at(158, 308)));
    EXPECT_TRUE(water(frame.at(165, 285))); // beyond its end

    // Scenery moves with the ground; out of sight nothing of it is drawn.
    frame = drawn(terrain, 100);
    EXPECT_TRUE(red(frame.at(300, 400)));
    // A prop whose centre is off the screen still shows the part that reaches into it.
    EXPECT_TRUE(red(drawn(terrain, 306).at(300, 599)));
    EXPECT_TRUE(red(drawn(terrain, -306).at(300, 0)));
    EXPECT_EQ(terrain.decor()->visibleCount(100), 5u);
    EXPECT_EQ(terrain.decor()->visibleCount(2000), 0u);
}

TEST_F(TerrainDecorTest, LowerPropsOverlapHigherOnesOfTheirLayer)
{
    // The white square stands 10 pixels higher up the level than the red one of its layer.
    writeLevel({prop(0, kTallDecor, 300, 200), prop(1, kTallDecor, 300, 210)});
    Terrain terrain;
    terrain.load(*archive, "levels/99/level.xml", random);
    const Frame frame = drawn(terrain, 0);
    EXPECT_TRUE(red(frame.at(300, 395)));
    EXPECT_GT(frame.at(300, 385).g, 240);
}

TEST_F(TerrainDecorTest, SceneryTakesNothingFromTheWorldsRandomSequence)
{
    writeLevel({prop(0, kTallDecor, 300, 300)}, false);
    NLib::Random plain;
    Terrain without;
    without.load(*archive, "levels/99/level.xml", plain);

    writeLevel({prop(0, kTallDecor, 300, 300)}, true, true);
    NLib::Random scenic;
    Terrain with;
    with.load(*archive, "levels/99/level.xml", scenic);
    with.update(5000.0f);
    drawn(with, 0);
    EXPECT_EQ(scenic.state(), plain.state());
    EXPECT_EQ(without.decor(), nullptr);
}

TEST_F(TerrainDecorTest, MissingSceneryLeavesTheLevelAsItWas)
{
    writeLevel({prop(0, kTallDecor, 300, 300)});
    data.write("levels/99/level.xml",
               "<level><data>levels/99/map.dat</data>"
               "<textures><texture name=\"grass\"><v>levels/99/grass.png</v></texture></textures>"
               "<sectors><sector name=\"grass\"><p>levels/99/base.png</p></sector></sectors>"
               "<water>levels/99/water.png</water>"
               "<decor atlas=\"levels/99/none.png\" clouds=\"levels/99/none.png\">levels/99/none.dat</decor></level>");
    Terrain terrain;
    terrain.load(*archive, "levels/99/level.xml", random);
    ASSERT_EQ(terrain.sectorGraphicCount(), 1u);
    EXPECT_EQ(terrain.decor()->visibleCount(0), 0u);
    EXPECT_FALSE(terrain.clouds()->loaded());
    EXPECT_TRUE(water(drawn(terrain, 0).at(300, 300)));
}

TEST_F(TerrainDecorTest, CloudShadowsDriftWithTimeAndDarkenTheGround)
{
    writeLevel({}, true, true);
    Terrain terrain;
    terrain.load(*archive, "levels/99/level.xml", random);
    const CloudShadows& clouds = *terrain.clouds();

    // Same time, same sky; a second later every cloud has moved with the wind.
    const CloudShadows::Cloud before = clouds.cloud(3);
    EXPECT_EQ(clouds.cloud(3).x, before.x);
    terrain.update(1000.0f);
    const CloudShadows::Cloud after = clouds.cloud(3);
    EXPECT_NEAR(after.y - before.y, 1000.0f * CloudShadows::kWindY, 1e-3);
    EXPECT_NEAR(std::fmod(after.x - before.x + 2000.0f, 2000.0f), 1000.0f * CloudShadows::kWindX, 1e-2);

    // Find a cloud that crosses the valley and fly to where its centre is mid-screen.
    std::int64_t slot = 0;
    while (clouds.cloud(slot).x < 100 || clouds.cloud(slot).x > 700)
        ASSERT_LT(++slot, 200);
    const CloudShadows::Cloud c = clouds.cloud(slot);
    // The software renderer keeps the light ground: no clouds with it.
    Frame frame = drawn(terrain, c.y - 300.0f);
    EXPECT_TRUE(water(frame.at(static_cast<int>(c.x), 300)));
    // Drawn (as a graphics card draws them), the shadow darkens the ground.
    platform->beginFrame();
    terrain.draw();
    clouds.draw(terrain.position().y);
    frame = platform->readFrame();
    const auto shaded = frame.at(static_cast<int>(c.x), 300);
    EXPECT_NEAR(shaded.b, 220.0 * (1.0 - c.darkness), 3.0);
    EXPECT_TRUE(water(frame.at(static_cast<int>(c.x), 300 - static_cast<int>(64 * c.scale))));
}

} // namespace
