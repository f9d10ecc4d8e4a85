#include "content/CXmlNode.h"
#include "content/Random.h"
#include "content/XmlArchive.h"
#include "world/Terrain.h"

#include "world/RealGameData.h"

namespace {

// Real frames of a level's water on the generated data (the land over it: TerrainTest).
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

} // namespace
