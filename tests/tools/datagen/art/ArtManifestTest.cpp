#include "ArtTree.h"

#include <gtest/gtest.h>

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
                                {"dat/player_plane/explode.xml", 1, 13}, /* drawn until frame 12 */
                                {"dat/bridge/bridge.xml", 2, 1},
                                {"dat/bridge/road.xml", 1, 1},
                                {"dat/bridge/bridgeexplode.xml", 1, 4},
                                {"dat/missile/missile.xml", 1, 1},
                                {"dat/missile/missile_explode1.xml", 1, 4},
                                {"dat/missile/missile_explode2.xml", 1, 4},
                                {"dat/bullet_expl/sprite.xml", 1, 3},
                                {"dat/flak01/sprite.xml", 1, 1},
                                {"dat/flak02/sprite.xml", 1, 1},
                                {"dat/explode1/explode.xml", 1, 8},
                                {"dat/explode2/explode.xml", 1, 8},
                                {"dat/fire/fire.xml", 1, 4},
                                {"dat/aim_sight/sprite.xml", 1, 2},
                                {"dat/life_icon/sprite.xml", 1, 1},
                                {"dat/hull_icon/sprite.xml", 1, 5},
                                {"dat/game_border/border_up.xml", 1, 1},
                                {"dat/game_border/border_down.xml", 1, 1},
                                {"dat/game_border/border_left.xml", 1, 1},
                                {"dat/game_border/border_right.xml", 1, 1},
                                {"menu/labels/game_over/over_label.xml", 1, 4},
                                {"menu/labels/congratulations/cong_label.xml", 1, 4},
                                {"menu/na_bochke/na_bochke.xml", 1, 6},
                                {"menu/svarka/svarka.xml", 1, 1}};
    for (int i = 1; i <= 4; ++i) {
        list.push_back({"dat/boat" + num2(i) + "/boat" + num2(i) + ".xml", 8, 2});
        list.push_back({"dat/helic" + num2(i) + "/helic" + num2(i) + ".xml", 8, 2});
        list.push_back({"dat/plane" + num2(i) + "/plane" + num2(i) + ".xml", 8, 2});
    }
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

} // namespace

TEST(ArtManifest, EverySpriteParsesAndHasItsOwnersShape)
{
    for (const Expect& e : expectedSprites()) {
        SCOPED_TRACE(e.path);
        const SpriteInfo s = loadSprite(e.path);
        ASSERT_TRUE(s.ok) << s.error;
        EXPECT_EQ(s.groups, e.groups);
        EXPECT_GE(s.frames, e.minFrames);
        EXPECT_GT(s.frameWidth, 0);
        EXPECT_GT(s.frameHeight, 0);
    }
}

TEST(ArtManifest, FramesAndGroupsDiffer)
{
    // Animated sprites must animate, and direction groups must actually turn.
    for (const std::string& path :
         {std::string("dat/player_plane/plane.xml"), std::string("dat/boat01/boat01.xml"),
          std::string("dat/helic02/helic02.xml"), std::string("dat/plane03/plane03.xml")}) {
        SCOPED_TRACE(path);
        EXPECT_NE(spriteCell(path, 0, 0).argb, spriteCell(path, 1, 0).argb);
        EXPECT_NE(spriteCell(path, 0, 0).argb, spriteCell(path, 0, 2).argb);
    }
    EXPECT_NE(spriteCell("dat/bridge/bridge.xml", 0, 0).argb, spriteCell("dat/bridge/bridge.xml", 0, 1).argb);
    EXPECT_NE(spriteCell("dat/aim_sight/sprite.xml", 0, 0).argb,
              spriteCell("dat/aim_sight/sprite.xml", 1, 0).argb);
}

TEST(ArtManifest, BonusesAreDistinct)
{
    std::set<std::vector<unsigned>> seen;
    for (int i = 1; i <= 10; ++i)
        seen.insert(spriteCell("dat/bonus" + num2(i) + "/sprite.xml", 0, 0).argb);
    EXPECT_EQ(seen.size(), 10u);
}

TEST(ArtManifest, HullGaugeFillsFromEmptyToFull)
{
    const SpriteInfo s = loadSprite("dat/hull_icon/sprite.xml");
    ASSERT_TRUE(s.ok);
    // More lit pixels with every frame: count bright, saturated pixels.
    auto lit = [](const Picture& p) {
        int n = 0;
        for (unsigned v : p.argb) {
            const int r = (v >> 16) & 0xFF, g = (v >> 8) & 0xFF;
            if (std::max(r, g) > 150)
                ++n;
        }
        return n;
    };
    int previous = -1;
    for (int f = 0; f < s.frames; ++f) {
        const int n = lit(spriteCell("dat/hull_icon/sprite.xml", f, 0));
        EXPECT_GT(n, previous) << "frame " << f;
        previous = n;
    }
}

TEST(ArtManifest, ButtonStripsHaveFourDistinctLooks)
{
    for (const char* name : {"play_game_btn",
                             "options_btn",
                             "top10_btn",
                             "more_games_btn",
                             "exit_btn",
                             "new_game_btn",
                             "custom_game_btn",
                             "continue_saved_btn",
                             "continue_game_btn",
                             "if_this_not_btn",
                             "ok_btn",
                             "cancel_btn",
                             "delete_btn",
                             "create_btn",
                             "close_btn",
                             "main_menu_btn",
                             "back_space_btn",
                             "chb",
                             "bar_btn",
                             "up_btn"}) {
        SCOPED_TRACE(name);
        const Picture strip = loadPng(std::string("menu/") + name + ".png");
        ASSERT_GT(strip.width, 0);
        ASSERT_EQ(strip.height % 4, 0);
        const std::ptrdiff_t look = static_cast<std::ptrdiff_t>(strip.height / 4) * strip.width;
        std::set<std::vector<unsigned>> looks;
        for (int k = 0; k < 4; ++k)
            looks.insert(
                std::vector<unsigned>(strip.argb.begin() + k * look, strip.argb.begin() + (k + 1) * look));
        EXPECT_EQ(looks.size(), 4u);
    }
}

TEST(ArtManifest, OutputIsDeterministic)
{
    namespace fs = std::filesystem;
    std::size_t files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(artTree())) {
        if (!entry.is_regular_file())
            continue;
        const std::string rel = fs::relative(entry.path(), artTree()).string();
        if (rel == ".stamp")
            continue;
        SCOPED_TRACE(rel);
        std::ifstream a(entry.path(), std::ios::binary);
        std::ifstream b(secondArtTree() + "/" + rel, std::ios::binary);
        ASSERT_TRUE(b.good());
        const std::string ba((std::istreambuf_iterator<char>(a)), std::istreambuf_iterator<char>());
        const std::string bb((std::istreambuf_iterator<char>(b)), std::istreambuf_iterator<char>());
        EXPECT_TRUE(ba == bb);
        ++files;
    }
    EXPECT_GT(files, 200u);
}

TEST(ArtManifest, FileNamesAreLowerCase)
{
    // The archive looks every name up in lower case, also for loose files on a case-sensitive disk.
    namespace fs = std::filesystem;
    for (const auto& entry : fs::recursive_directory_iterator(artTree())) {
        const std::string rel = fs::relative(entry.path(), artTree()).string();
        for (char c : rel)
            ASSERT_FALSE(c >= 'A' && c <= 'Z') << rel;
    }
}
