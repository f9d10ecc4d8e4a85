#include "content/CXmlNode.h"
#include "content/Random.h"
#include "content/XmlArchive.h"
#include "world/Terrain.h"

#include "world/RealGameData.h"

namespace {

// Real frames of the terrain of an early and a late level on the generated data.
class WorldSceneTest : public RealGameData {
protected:
    // A terrain with the level's water and nothing else.
    std::unique_ptr<NVolant::Terrain> waterOnly(const std::string& levelXml)
    {
        Xml::CXmlNode level;
        Xml::loadFromArchive(*NLib::ResourceArchive::instance(), levelXml, level);
        loose.write("water-only.xml",
                    "<level><water>" + level.findChild("water")->getText() + "</water></level>");
        auto terrain = std::make_unique<NVolant::Terrain>();
        terrain->load(*NLib::ResourceArchive::instance(), "water-only.xml", random);
        return terrain;
    }

    Frame render(NVolant::Terrain& terrain, float scroll)
    {
        terrain.setPosition(400, scroll, 0, 1);
        platform->beginFrame();
        terrain.draw();
        return platform->readFrame();
    }

    static int screenY(const NVolant::Terrain& t, float scroll, int row)
    {
        return static_cast<int>(scroll) + 600 - t.cellSize() - row * t.cellSize();
    }

    static int brightness(const Frame::Pixel& p) { return p.r + p.g + p.b; }

    NLib::Random random;
};

TEST_F(WorldSceneTest, WaterScrollsWithTheTerrain)
{
    const auto water = waterOnly("levels/01/level.xml");
    const Frame a = render(*water, 100.0f);
    const Frame b = render(*water, 107.0f);
    int same = 0;
    for (int y = 0; y < 590; y += 3)
        for (int x = 0; x < 800; x += 7)
            same += brightness(a.at(x, y)) == brightness(b.at(x, y + 7));
    EXPECT_EQ(same, ((590 + 2) / 3) * ((800 + 6) / 7));
    EXPECT_GT(a.countNot(0, 0, 0), 790 * 590); // water covers the screen
}

TEST_F(WorldSceneTest, LandTilesAndTheirShadowsAreDrawnOverTheWater)
{
    for (const char* level : {"levels/01/level.xml", "levels/30/level.xml"}) {
        NVolant::Terrain terrain;
        terrain.load(*NLib::ResourceArchive::instance(), level, random);
        ASSERT_GT(terrain.sectorGraphicCount(), 0u) << level;
        const auto water = waterOnly(level);
        const float scroll = 320.0f;
        const Frame full = render(terrain, scroll);
        const Frame bare = render(*water, scroll);

        // Open water away from land shows only the water; open water next to land lies partly in
        // the shadows that land tiles cast 5 pixels to either side, and only ever gets darker.
        int interiorLand = 0, landDrawn = 0, openWater = 0, openChanged = 0, nearLand = 0, shadowed = 0,
            lighter = 0;
        const int k = terrain.cellSize();
        const auto land = [&](int cc, int rr) { return terrain.cell(cc, rr) % 1000 >= 11; };
        for (int row = static_cast<int>(scroll) / k; row < static_cast<int>(scroll) / k + 600 / k; ++row) {
            const int y = screenY(terrain, scroll, row);
            if (y < 0 || y + k > 600)
                continue;
            for (int c = 1; c + 1 < terrain.columns(); ++c) {
                if (land(c, row) && land(c - 1, row) && land(c + 1, row) && land(c, row + 1) &&
                    land(c, row - 1)) {
                    ++interiorLand;
                    const int cx = c * k + k / 2, cy = y + k / 2;
                    landDrawn +=
                        full.at(cx, cy).r != bare.at(cx, cy).r || full.at(cx, cy).g != bare.at(cx, cy).g;
                }
                if (terrain.cell(c, row) != 0)
                    continue;
                const bool besideLand = land(c - 1, row) || land(c + 1, row);
                for (int dy = 0; dy < k; dy += 2)
                    for (int dx = 0; dx < k; dx += 2) {
                        const int px = c * k + dx, py = y + dy;
                        const int f = brightness(full.at(px, py)), b = brightness(bare.at(px, py));
                        if (!besideLand) {
                            ++openWater;
                            openChanged += f != b;
                        } else {
                            ++nearLand;
                            shadowed += f < b;
                            lighter += f > b;
                        }
                    }
            }
        }
        ASSERT_GT(interiorLand, 20) << level;
        EXPECT_GT(landDrawn, interiorLand * 9 / 10) << level;
        ASSERT_GT(openWater, 100) << level;
        EXPECT_EQ(openChanged, 0) << level;
        ASSERT_GT(nearLand, 100) << level;
        EXPECT_GT(shadowed, 20) << level;
        EXPECT_EQ(lighter, 0) << level;
    }
}

} // namespace
