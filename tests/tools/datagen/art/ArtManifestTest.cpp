#include "ArtTree.h"

#include "content/BitmapText.h"
#include "content/ResourceArchive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

using namespace arttest;

namespace {

struct Expect {
    std::string path;
    int groups, minFrames; // groups exact, frames at least
};

// Every sprite the game loads, with the shape its owner relies on.
std::vector<Expect> expectedSprites()
{
    std::vector<Expect> list = {{"dat/player_plane/plane.xml", 8, 2},
                                {"dat/bridge/bridge.xml", 2, 1},
                                {"dat/player_plane/explode.xml", 1, 13} /* drawn until frame 12 */,
                                {"dat/explode1/explode.xml", 1, 8},
                                {"dat/explode2/explode.xml", 1, 8},
                                {"menu/na_bochke/na_bochke.xml", 1, 6},
                                {"dat/hull_icon/sprite.xml", 1, 5},
                                {"dat/bullet_expl/sprite.xml", 1, 3},
                                {"dat/aim_sight/sprite.xml", 1, 2}};
    for (const char* path :
         {"dat/bridge/bridgeexplode.xml", "dat/missile/missile_explode1.xml",
          "dat/missile/missile_explode2.xml", "dat/fire/fire.xml", "menu/labels/game_over/over_label.xml",
          "menu/labels/congratulations/cong_label.xml"})
        list.push_back({path, 1, 4});
    for (const char* path : {"dat/bridge/road.xml", "dat/missile/missile.xml", "dat/flak01/sprite.xml",
                             "dat/flak02/sprite.xml", "dat/life_icon/sprite.xml", "menu/svarka/svarka.xml",
                             "dat/game_border/border_up.xml", "dat/game_border/border_down.xml",
                             "dat/game_border/border_left.xml", "dat/game_border/border_right.xml"})
        list.push_back({path, 1, 1});
    for (int i = 1; i <= 4; ++i)
        for (const std::string kind : {"boat", "helic", "plane"})
            list.push_back({"dat/" + kind + num2(i) + "/" + kind + num2(i) + ".xml", 8, 2});
    for (int i = 1; i <= 3; ++i)
        list.push_back({"dat/bullet" + num2(i) + "/sprite.xml", 1, 1});
    for (int i = 1; i <= 5; ++i)
        list.push_back({"dat/tank" + num2(i) + "/sprite.xml", 8, 1});
    for (int i = 1; i <= 12; ++i)
        list.push_back({"dat/building" + num2(i) + "/sprite.xml", 1, 1});
    for (int i = 1; i <= 10; ++i)
        list.push_back({"dat/bonus" + num2(i) + "/sprite.xml", 1, 2});
    return list;
}

std::string fileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(ArtManifest, EverySpriteParsesAndHasItsOwnersShape)
{
    for (const Expect& e : expectedSprites()) {
        SCOPED_TRACE(e.path);
        const SpriteInfo s = loadSprite(e.path);
        ASSERT_TRUE(s.ok) << s.error;
        EXPECT_EQ(s.groups, e.groups);
        EXPECT_GE(s.frames, e.minFrames);
        EXPECT_GT(s.frameHeight, 0);
    }
}

TEST(ArtManifest, AnimationsAnimateDirectionsTurnAndBonusesDiffer)
{
    for (const std::string path : {"dat/player_plane/plane.xml", "dat/boat01/boat01.xml",
                                   "dat/helic02/helic02.xml", "dat/plane03/plane03.xml"}) {
        SCOPED_TRACE(path);
        EXPECT_NE(spriteCell(path, 0, 0).argb, spriteCell(path, 1, 0).argb);
        EXPECT_NE(spriteCell(path, 0, 0).argb, spriteCell(path, 0, 2).argb);
    }
    EXPECT_NE(spriteCell("dat/bridge/bridge.xml", 0, 0).argb, spriteCell("dat/bridge/bridge.xml", 0, 1).argb);
    std::set<std::vector<unsigned>> bonuses;
    for (int i = 1; i <= 10; ++i)
        bonuses.insert(spriteCell("dat/bonus" + num2(i) + "/sprite.xml", 0, 0).argb);
    EXPECT_EQ(bonuses.size(), 10u);
}

TEST(ArtManifest, HullGaugeFillsFromEmptyToFull)
{
    const SpriteInfo s = loadSprite("dat/hull_icon/sprite.xml");
    ASSERT_TRUE(s.ok);
    // More lit (bright red, yellow or green) pixels with every frame.
    int previous = -1;
    for (int f = 0; f < s.frames; ++f) {
        const std::vector<unsigned> argb = spriteCell("dat/hull_icon/sprite.xml", f, 0).argb;
        const int lit = static_cast<int>(std::count_if(argb.begin(), argb.end(), [](unsigned v) {
            return std::max((v >> 16) & 0xFF, (v >> 8) & 0xFF) > 150;
        }));
        EXPECT_GT(lit, previous) << "frame " << f;
        previous = lit;
    }
}

// Every button strip of the menus: normal, hovered, pressed and disabled looks stacked.
TEST(ArtManifest, ButtonStripsHaveFourDistinctLooks)
{
    for (const std::string name :
         {"play_game",      "options",       "top10",       "more_games", "exit",   "new_game", "custom_game",
          "continue_saved", "continue_game", "if_this_not", "ok",         "cancel", "delete",   "create",
          "close",          "main_menu",     "back_space",  "bar",        "up",     "chb"}) {
        SCOPED_TRACE(name);
        const Picture strip = loadPng("menu/" + name + (name == "chb" ? "" : "_btn") + ".png");
        ASSERT_GT(strip.width, 0);
        ASSERT_EQ(strip.height % 4, 0);
        const std::ptrdiff_t look = static_cast<std::ptrdiff_t>(strip.height / 4) * strip.width;
        std::set<std::vector<unsigned>> looks;
        for (int k = 0; k < 4; ++k)
            looks.emplace(strip.argb.begin() + k * look, strip.argb.begin() + (k + 1) * look);
        EXPECT_EQ(looks.size(), 4u);
    }
}

TEST(ArtManifest, GenerationIsDeterministicAndNamesAreLowerCase)
{
    namespace fs = std::filesystem;
    std::size_t files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(freshArtTree())) {
        const std::string rel = fs::relative(entry.path(), freshArtTree()).string();
        // The archive looks every name up in lower case, also for loose files on a case-sensitive disk.
        EXPECT_TRUE(std::none_of(rel.begin(), rel.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) << rel;
        if (!entry.is_regular_file())
            continue;
        EXPECT_TRUE(fileText(entry.path()) == fileText(artTree() + "/" + rel)) << rel;
        ++files;
    }
    EXPECT_GT(files, 200u);
}

// The game's own font scan accepts the generated font and the HUD texts fit where they are drawn.
TEST(ArtThroughGameLoaders, FontScansAndMeasures)
{
    // Glyphs are white, to be tinted.
    for (const unsigned v : loadPng("menu/font.png").argb)
        ASSERT_TRUE((v >> 24) <= 8 || ((v >> 16) & 0xFF) + 2 >= (v >> 24)) << std::hex << v;
    NLib::ResourceArchive archive;
    archive.setLooseFolder(artTree());
    const NLib::BitmapText text(archive, "menu/font.png");
    ASSERT_TRUE(text.scanSucceeded());
    for (int k = 0; k < NLib::BitmapText::kGlyphCount; ++k) {
        const NLib::BitmapText::Glyph& g = text.glyph(k);
        EXPECT_GT(g.right - g.left, 2) << static_cast<char>('!' + k);
        EXPECT_NEAR(g.lineBottom - g.lineTop, 32, 2) << static_cast<char>('!' + k);
    }
    // score "%6d" at size 14 fits its well (x 697..789); the welcome line fits the screen
    EXPECT_LT(text.measureText("888888", 14), 88);
    EXPECT_LT(text.measureText("Welcome to Skyvane, WWWWWWWWWWWWWW", 20), 780);
    EXPECT_LT(text.measureText("x 99", 14), 90);
}
