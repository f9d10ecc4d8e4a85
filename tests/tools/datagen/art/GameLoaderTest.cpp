#include "ArtTree.h"

#include "content/BitmapText.h"
#include "content/ResourceArchive.h"

#include <gtest/gtest.h>

#include <string>

using namespace arttest;

// The game's own font scan accepts the generated font and the HUD texts fit where they are drawn.
TEST(ArtThroughGameLoaders, FontScansAndMeasures)
{
    // Glyphs are white, to be tinted.
    for (const unsigned v : loadPng("menu/font.png").argb)
        ASSERT_TRUE((v >> 24) <= 8 || ((v >> 16) & 0xFF) + 2 >= (v >> 24)) << std::hex << v;
    NLib::ResourceArchive archive;
    archive.setLooseFolder(artTree());
    const NLib::BitmapText text(archive, "menu/font.png");
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
