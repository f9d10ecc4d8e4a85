#include "ArtTree.h"

#include "content/CXmlNode.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>

using namespace arttest;

namespace {

std::string num2(int n)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

struct Expect {
    std::string path;
    int groups;    // exact, 0 = any
    int minFrames; // at least
};

// Every sprite the game loads, with the shape its owner relies on.
std::vector<Expect> expectedSprites()
{
    std::vector<Expect> list = {
        {"dat/player_plane/plane.xml", 8, 2},
        {"dat/player_plane/explode.xml", 1, 13}, // the plane stays drawn until frame 12
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
        {"menu/svarka/svarka.xml", 1, 1},
    };
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

float readFloat(const std::vector<unsigned char>& b, std::size_t offset)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | b[offset + i];
    float f;
    std::memcpy(&f, &v, 4);
    return f;
}

std::int32_t readInt(const std::vector<unsigned char>& b, std::size_t offset)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | b[offset + i];
    return static_cast<std::int32_t>(v);
}

// The game's glyph scan of the font picture: lines of set rows, marks skipped, glyphs between empty
// columns. Returns the glyph count and the last line's height.
int scanGlyphs(const Picture& pic, float& lineHeight)
{
    auto rowSet = [&](int y) {
        for (int x = 0; x < pic.width; ++x)
            if (pic.alpha(x, y))
                return true;
        return false;
    };
    int count = 0;
    int y = 0;
    while (y < pic.height) {
        int top = y;
        while (top < pic.height && !rowSet(top))
            ++top;
        if (top >= pic.height - 1)
            break;
        int bottom = top;
        while (bottom + 1 < pic.height && rowSet(bottom + 1))
            ++bottom;
        lineHeight = static_cast<float>(bottom - top);
        auto colSet = [&](int x) {
            for (int r = top; r <= bottom; ++r)
                if (pic.alpha(x, r))
                    return true;
            return false;
        };
        auto nextBlob = [&](int from, int& left, int& right) {
            left = from;
            while (left < pic.width && !colSet(left))
                ++left;
            if (left >= pic.width)
                left = pic.width - 1;
            right = left;
            while (right + 1 < pic.width && colSet(right + 1))
                ++right;
        };
        int left, right;
        nextBlob(0, left, right); // the line's mark
        for (;;) {
            nextBlob(right + 1, left, right);
            if (left == pic.width - 1)
                break;
            ++count;
        }
        y = bottom + 1;
    }
    return count;
}

} // namespace

TEST(ArtManifest, EverySpriteParsesAndHasItsOwnersShape)
{
    for (const Expect& e : expectedSprites()) {
        SCOPED_TRACE(e.path);
        const SpriteInfo s = loadSprite(e.path);
        ASSERT_TRUE(s.ok) << s.error;
        if (e.groups) {
            EXPECT_EQ(s.groups, e.groups);
        }
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

TEST(ArtManifest, BordersFrameTheHud)
{
    const SpriteInfo up = loadSprite("dat/game_border/border_up.xml");
    const SpriteInfo down = loadSprite("dat/game_border/border_down.xml");
    const SpriteInfo left = loadSprite("dat/game_border/border_left.xml");
    const SpriteInfo right = loadSprite("dat/game_border/border_right.xml");
    ASSERT_TRUE(up.ok && down.ok && left.ok && right.ok);
    EXPECT_EQ(up.frameWidth, 800);
    EXPECT_EQ(down.frameWidth, 800);
    // The side rims run from under the top border to the bottom border.
    EXPECT_GE(up.frameHeight - 1 + left.frameHeight, 600 - down.frameHeight - 1);
    EXPECT_GE(up.frameHeight - 1 + right.frameHeight, 600 - down.frameHeight - 1);
    // The score (705, 15), the hull gauge (110, 560) and the lives (700, 554) sit on the borders.
    const Picture top = spriteCell("dat/game_border/border_up.xml", 0, 0);
    EXPECT_GT(top.alpha(740, 20 + 1), 200);
    const Picture bottom = spriteCell("dat/game_border/border_down.xml", 0, 0);
    const int bottomTop = 600 - down.frameHeight - 1;
    EXPECT_GT(bottom.alpha(110, 560 - bottomTop), 200);
    EXPECT_GT(bottom.alpha(720, 560 - bottomTop), 200);
}

TEST(ArtManifest, FontScanFindsAllGlyphsOnLinesOfAbout32)
{
    const Picture font = loadPng("menu/font.png");
    ASSERT_GT(font.width, 0);
    float lineHeight = 0;
    EXPECT_EQ(scanGlyphs(font, lineHeight), 94);
    EXPECT_NEAR(lineHeight, 32, 2);
    // White glyphs: every inked pixel is as bright as it is opaque.
    for (unsigned v : font.argb) {
        const unsigned a = v >> 24, r = (v >> 16) & 0xFF;
        if (a > 8) {
            ASSERT_GE(r + 2, a);
        }
    }
}

TEST(ArtManifest, ParticleTemplatesAre128BytesAndEmit)
{
    for (int i = 2; i <= 7; ++i) {
        SCOPED_TRACE(i);
        const std::vector<unsigned char> b = readBytes("dat/particles/particle" + std::to_string(i) + ".psi");
        ASSERT_EQ(b.size(), 128u);
        EXPECT_GT(readInt(b, 4), 0);                         // emission
        EXPECT_GT(readFloat(b, 12), 0.f);                    // life minimum
        EXPECT_GE(readFloat(b, 16), readFloat(b, 12));       // life maximum
        EXPECT_GT(readFloat(b, 64) + readFloat(b, 68), 0.f); // sizes
        EXPECT_GT(readFloat(b, 88 + 12), 0.f);               // starting alpha
        EXPECT_FLOAT_EQ(readFloat(b, 104 + 12), 0.f);        // particles fade out
    }
    const Picture tex = loadPng("dat/particles/tail_plane.png");
    ASSERT_GT(tex.width, 0);
    EXPECT_GT(tex.alpha(tex.width / 2, tex.height / 2), 200);
    EXPECT_EQ(tex.alpha(0, 0), 0);
}

TEST(ArtManifest, MenuPicturesHaveTheirLayoutSizes)
{
    int w, h;
    for (const char* p : {"menu/bg_intro_wnd.jpg", "menu/bg_main_menu.jpg", "menu/bg_end_level.jpg",
                          "menu/bg_hint_wnd.jpg"}) {
        SCOPED_TRACE(p);
        ASSERT_TRUE(jpegSize(p, w, h));
        EXPECT_EQ(w, 800);
        EXPECT_EQ(h, 600);
    }
    const Picture play = loadPng("menu/bg_play_game.png");
    EXPECT_LE(500 + play.width, 800); // shown at x 500
    EXPECT_LE(80 + play.height, 600);
    EXPECT_EQ(loadPng("menu/512x256.png").width, 512);
    EXPECT_EQ(loadPng("menu/512x256.png").height, 256);
    EXPECT_EQ(loadPng("menu/640x480.png").width, 640);
    EXPECT_EQ(loadPng("menu/640x480.png").height, 480);
    const Picture options = loadPng("menu/bg_options.png");
    ASSERT_GT(options.width, 178 + 4);
    EXPECT_GE(options.height - 167, 169 + 20); // the music slider below the check boxes
    EXPECT_GT(loadPng("menu/top10.png").width, 0);
    for (const char* icon :
         {"menu/stat_icons/cl_boat.png", "menu/stat_icons/cl_helic.png", "menu/stat_icons/cl_plane.png"})
        EXPECT_GT(loadPng(icon).width, 0) << icon;
}

TEST(ArtManifest, ButtonStripsHaveFourLooksAndFitTheirPanels)
{
    const Picture play = loadPng("menu/bg_play_game.png");
    const std::map<std::string, int> maxWidth = {{"play_game_btn", play.width - 20},
                                                 {"options_btn", play.width - 20},
                                                 {"top10_btn", play.width - 20},
                                                 {"more_games_btn", play.width - 20},
                                                 {"exit_btn", play.width - 20},
                                                 {"new_game_btn", play.width - 20},
                                                 {"custom_game_btn", play.width - 20},
                                                 {"continue_saved_btn", play.width - 20},
                                                 {"continue_game_btn", 400},
                                                 {"if_this_not_btn", 800},
                                                 {"ok_btn", play.width / 2},
                                                 {"cancel_btn", play.width / 2},
                                                 {"delete_btn", play.width},
                                                 {"create_btn", 256},
                                                 {"close_btn", 320},
                                                 {"main_menu_btn", 400},
                                                 {"back_space_btn", 512 - 330},
                                                 {"chb", 60},
                                                 {"bar_btn", 178 / 4},
                                                 {"up_btn", 40}};
    for (const auto& [name, limit] : maxWidth) {
        SCOPED_TRACE(name);
        const Picture strip = loadPng("menu/" + name + ".png");
        ASSERT_GT(strip.width, 0);
        EXPECT_EQ(strip.height % 4, 0);
        EXPECT_LE(strip.width, limit);
        // the four looks differ from each other
        const int h = strip.height / 4;
        std::set<std::vector<unsigned>> looks;
        for (int k = 0; k < 4; ++k)
            looks.insert(std::vector<unsigned>(
                strip.argb.begin() + static_cast<std::ptrdiff_t>(k) * h * strip.width,
                strip.argb.begin() + static_cast<std::ptrdiff_t>(k + 1) * h * strip.width));
        EXPECT_EQ(looks.size(), 4u);
    }
    // The play panel holds its five buttons at offsets 40 to 280.
    EXPECT_LE(280 + loadPng("menu/exit_btn.png").height / 4, play.height);
    // The end-of-level buttons at y 550 stay on screen.
    EXPECT_LE(550 + loadPng("menu/continue_game_btn.png").height / 4, 600);
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
