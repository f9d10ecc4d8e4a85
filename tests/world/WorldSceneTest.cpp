#include "combat/Arena.h"
#include "content/ParticleSystem.h"
#include "content/BitmapText.h"
#include "content/CXmlNode.h"
#include "content/ResourceArchive.h"
#include "content/Sprite.h"
#include "content/XmlArchive.h"
#include "platform/KGraphic.h"
#include "gameplay/Images.h"
#include "world/Terrain.h"

#include "support/GeneratedData.h"
#include "support/HeadlessPlatform.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Real frames of the world on the generated data: terrain of an early and a late level scrolling
// under sprites, effects and text. The frames are written to test-output/world for review.
class WorldSceneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform = std::make_unique<HeadlessPlatform>();
        ASSERT_TRUE(platform->ok());
        ASSERT_TRUE(openGeneratedData(loose.path()));
        images = NVolant::Images::instance();
    }

    void TearDown() override
    {
        m_arena.reset();
        NVolant::Images::destroy();
        closeGeneratedData();
        platform.reset();
    }

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

    TempDir loose;
    std::unique_ptr<HeadlessPlatform> platform;
    std::unique_ptr<NVolant::Arena> m_arena = std::make_unique<NVolant::Arena>();
    NVolant::Arena& arena = *m_arena;
    NLib::Random& random = arena.random();
    NVolant::Images* images = nullptr;
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

TEST_F(WorldSceneTest, AScrollingSceneWithUnitsEffectsAndText)
{
    NVolant::Terrain early;
    early.load(*NLib::ResourceArchive::instance(), "levels/01/level.xml", random);
    NVolant::Effects* effects = (&arena.effects());

    NLib::Sprite boat(*images->boats[0]);
    NLib::Sprite helic(*images->helics[1]);
    NLib::Sprite plane(*images->playerPlane);
    NLib::Sprite tank(*images->tanks[0]);
    NLib::Sprite building(*images->buildings[2]);
    NLib::Sprite bonus(*images->bonuses[0]);
    plane.setGroup(plane.groupCount / 2);
    auto smoke = std::make_unique<NVolant::ParticleSystem>(*images->particles[3], random);
    auto trail = std::make_unique<NVolant::ParticleSystem>(*images->particles[0], random);
    smoke->fireAt(520, 360);
    trail->fireAt(300, 560);
    NVolant::ParticleSystem* fire =
        effects->addBurner(std::make_unique<NVolant::ParticleSystem>(*images->particles[5], random));
    fire->fireAt(150, 250);
    effects->addRandomExplosion(Vector4(600, 200));

    const auto drawScene = [&](NVolant::Terrain& terrain, float scroll, bool withText) {
        terrain.setPosition(400, scroll, 0, 1);
        platform->beginFrame();
        terrain.draw();
        effects->drawBurners();
        tank.draw(Vector4(90, 150));
        building.draw(Vector4(720, 420));
        boat.draw(Vector4(380, 300));
        helic.draw(Vector4(260, 120));
        effects->drawTrailsAndAnimations();
        smoke->draw();
        trail->draw();
        plane.drawTransformed(Vector4(400, 500), 1.0f, 0.0f);
        bonus.draw(Vector4(460, 200));
        effects->drawAnimations();
        if (withText) {
            images->font->drawText("SCORE 001234", 28.0f, 20.0f, 20.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f);
            images->font->drawText("Level 1", 40.0f, 330.0f, 40.0f, 0.0f, 1.0f, 0.85f, 0.2f, 1.0f);
        }
        return platform->readFrame();
    };

    // Fly up the level for two seconds at full speed, stepping everything as the game does.
    float scroll = 0.0f;
    for (int frame = 0; frame < 120; ++frame) {
        const float dt = 1000.0f / 60.0f;
        scroll += 0.1f * dt;
        for (NLib::Sprite* s : {&boat, &helic, &plane, &tank, &bonus})
            s->update(dt);
        effects->setCamera(Vector4(0, scroll, 0, 1));
        effects->update(dt);
        smoke->update(dt / 1000.0f, 0.0f);
        trail->moveTo(300.0f, 560.0f - frame * 3.0f, false);
        trail->update(dt / 1000.0f, 0.0f);
        if (frame == 10 || frame == 60)
            drawScene(early, scroll, true).save("world", "level01-frame" + std::to_string(frame));
    }
    const Frame withText = drawScene(early, scroll, true);
    const Frame without = drawScene(early, scroll, false);
    withText.save("world", "level01-scene");
    EXPECT_GT(smoke->aliveCount(), 0);
    EXPECT_GT(trail->aliveCount(), 0);

    // Text changes pixels only inside the boxes it was drawn in.
    const float scoreWidth = images->font->measureText("SCORE 001234", 28.0f);
    const float titleWidth = images->font->measureText("Level 1", 40.0f);
    int inside = 0, outside = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            if (brightness(withText.at(x, y)) == brightness(without.at(x, y)))
                continue;
            const bool inScore = x >= 18 && x <= 22 + scoreWidth && y >= 18 && y <= 50;
            const bool inTitle = x >= 328 && x <= 332 + titleWidth && y >= 38 && y <= 82;
            (inScore || inTitle ? inside : outside)++;
        }
    EXPECT_GT(inside, 200);
    EXPECT_EQ(outside, 0);

    NVolant::Terrain late;
    late.load(*NLib::ResourceArchive::instance(), "levels/30/level.xml", random);
    drawScene(late, 2400.0f, true).save("world", "level30-scene");
}

} // namespace
