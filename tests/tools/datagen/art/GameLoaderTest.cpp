#include "ArtTree.h"

#include "content/BitmapText.h"
#include "content/CXmlNode.h"
#include "gameplay/EBoatParams.h"
#include "gameplay/EnemyParams.h"
#include "gameplay/ETankParams.h"
#include "gameplay/PlaneParams.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>

using namespace arttest;

namespace {

std::string num2(int n)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

std::unique_ptr<Xml::CXmlNode> document(const std::string& path)
{
    const std::vector<unsigned char> b = readBytes(path);
    auto root = std::make_unique<Xml::CXmlNode>();
    root->load(reinterpret_cast<const char*>(b.data()), b.size());
    return root;
}

} // namespace

// The game's own font scan accepts the generated font and the HUD texts fit where they are drawn.
TEST(ArtThroughGameLoaders, FontScansAndMeasures)
{
    const Picture font = loadPng("menu/font.png");
    ASSERT_GT(font.width, 0);
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(font.width) * font.height * 4);
    for (std::size_t i = 0; i < font.argb.size(); ++i) {
        const unsigned v = font.argb[i];
        rgba[i * 4 + 0] = static_cast<std::uint8_t>(v >> 16);
        rgba[i * 4 + 1] = static_cast<std::uint8_t>(v >> 8);
        rgba[i * 4 + 2] = static_cast<std::uint8_t>(v);
        rgba[i * 4 + 3] = static_cast<std::uint8_t>(v >> 24);
    }
    const NLib::BitmapText text(rgba.data(), font.width, font.height);
    ASSERT_TRUE(text.scanSucceeded()) << text.glyphsFound() << " glyphs";
    EXPECT_NEAR(text.lineHeight(), 32, 2);
    for (int k = 0; k < NLib::BitmapText::kGlyphCount; ++k) {
        const NLib::BitmapText::Glyph& g = text.glyph(k);
        EXPECT_GT(g.right - g.left, 2) << static_cast<char>('!' + k);
    }
    // score "%6d" at size 14 fits its well (x 697..789); the welcome line fits the screen
    EXPECT_LT(text.measureText("888888", 14), 88);
    EXPECT_LT(text.measureText("Welcome to Skyvane, WWWWWWWWWWWWWW", 20), 780);
    EXPECT_LT(text.measureText("x 99", 14), 90);
}

TEST(ArtThroughGameLoaders, ParameterFilesReadByTheGame)
{
    const NVolant::PlaneParams player(*document("dat/player_plane/params.xml"));
    EXPECT_GE(player.hull, 100);
    EXPECT_GE(player.collisionCircles.size(), 4u);
    EXPECT_GE(player.collisionPoints.size(), 4u);

    for (int i = 1; i <= 4; ++i) {
        SCOPED_TRACE(i);
        NVolant::EBoatParams boat(*document("dat/boat" + num2(i) + "/params.xml"));
        EXPECT_EQ(boat.tailPos.size(), 8u);
        EXPECT_GE(boat.collisionPoints.size(), 4u);
        EXPECT_GT(boat.collisionCircles.boundingRadius(), 10);
        // guns are used in turn and come back to the first
        const std::size_t guns = boat.guns.size();
        ASSERT_GE(guns, 1u);
        const Vector4 first = boat.nextGun();
        for (std::size_t k = 1; k < guns; ++k)
            boat.nextGun();
        EXPECT_FLOAT_EQ(boat.nextGun().y, first.y);

        const NVolant::EnemyParams helic(*document("dat/helic" + num2(i) + "/params.xml"));
        EXPECT_GE(helic.collisionPoints.size(), 4u);
        EXPECT_FALSE(helic.collisionCircles.radii().empty());
        const NVolant::EnemyParams plane(*document("dat/plane" + num2(i) + "/params.xml"));
        EXPECT_FALSE(plane.collisionCircles.radii().empty());
        EXPECT_LT(plane.hull, player.hull);
    }
    for (int i = 1; i <= 5; ++i) {
        SCOPED_TRACE(i);
        NVolant::ETankParams tank(*document("dat/tank" + num2(i) + "/params.xml"));
        ASSERT_TRUE(tank.hasShootPos());
        for (int g = 0; g < 8; ++g) {
            const Vector4 p = tank.shootPosFor(g);
            EXPECT_GT(std::hypot(p.x, p.y), 5) << "group " << g;
        }
    }
    for (int i = 1; i <= 12; ++i) {
        const NVolant::EnemyParams b(*document("dat/building" + num2(i) + "/params.xml"));
        EXPECT_FALSE(b.collisionCircles.radii().empty()) << i; // every building can be targeted
        EXPECT_GT(b.shadowX, 0);
    }
    const NVolant::EnemyParams bridge(*document("dat/bridge/params.xml"));
    EXPECT_GE(bridge.hull, 100);
    EXPECT_GT(bridge.collisionCircles.boundingRadius(), 100);
}
