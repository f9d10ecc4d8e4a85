#include "content/CXmlNode.h"
#include "content/XmlArchive.h"
#include "world/Level.h"
#include "world/Terrain.h"
#include "world/TerrainDecor.h"

#include "world/RealGameData.h"

#include <cstdio>
#include <map>

namespace {

// Frames of the real game in flight over every kind of landscape, written to
// build/test-output/terrain/ for looking at them.
class ValleyLookTest : public RealGameData {
protected:
    struct Stretch {
        int level = 0;
        float scroll = 0.0f;
    };

    // For every landscape, the middle of its first region in the generated levels.
    static std::map<std::string, Stretch> stretches()
    {
        std::map<std::string, Stretch> found;
        for (int level = 1; level <= 30; ++level) {
            Xml::CXmlNode xml;
            Xml::loadFromArchive(*NLib::ResourceArchive::instance(), NVolant::Level::folderFor(level) + "level.xml",
                                 xml);
            NVolant::Terrain terrain;
            NLib::Random random;
            terrain.load(*NLib::ResourceArchive::instance(), NVolant::Level::folderFor(level) + "level.xml", random);
            const auto& sectors = xml.findChild("sectors")->getChildren();
            for (std::size_t s = 0; s < sectors.size(); ++s) {
                const std::string name = sectors[s]->getString("name", "");
                if (found.count(name))
                    continue;
                // A region's rows: where its land is (the first column may lie in the river).
                int first = -1, last = -1;
                for (int r = 0; r < terrain.rows(); ++r)
                    for (int c = 0; c < terrain.columns(); ++c)
                        if (terrain.cell(c, r) % 1000 != 0 && terrain.cell(c, r) / 1000 == static_cast<int>(s)) {
                            first = first < 0 ? r : first;
                            last = r;
                            break;
                        }
                if (last - first >= 25)
                    found[name] = {level, static_cast<float>((first + last) / 2 * terrain.cellSize() - 300)};
            }
        }
        return found;
    }
};

TEST_F(ValleyLookTest, EveryLandscapeIsFlownOverWithItsScenery)
{
    const auto all = stretches();
    for (const char* landscape : {"grass", "forest", "scrub", "autumn", "rock", "desert", "snow", "town"}) {
        SCOPED_TRACE(landscape);
        const auto it = all.find(landscape);
        if (it == all.end()) {
            ADD_FAILURE() << "no level has a stretch of " << landscape;
            continue;
        }
        NVolant::GameField field;
        field.setLevel(it->second.level);
        field.startLevel();
        field.plane()->setStart(Vector4(400.0f, it->second.scroll + 100.0f, 0.0f, 1.0f));
        // The mouse wakes the field; then a few seconds of flight with the cannon going.
        for (int i = 0; i < 150; ++i) {
            NVolant::PlayerControls controls;
            controls.steer = NVolant::SteeringPoint{400 + i % 2, 470};
            controls.cannon = i > 60;
            field.update(1000.0f / 60.0f, controls);
        }
        platform->beginFrame();
        field.draw();
        platform->readFrame().save("terrain", std::string("flight-") + landscape);
        const NVolant::Terrain& terrain = field.level()->terrain();
        if (!terrain.decor())
            ADD_FAILURE() << "no scenery";
        else
            EXPECT_GT(terrain.decor()->visibleCount(terrain.position().y), 20u);
    }
}

} // namespace
