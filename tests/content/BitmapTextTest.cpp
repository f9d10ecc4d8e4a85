#include "content/BitmapText.h"

#include "support/WorldFixture.h"

namespace {

// A font image as the game expects it: lines of ink, each starting with a full-height mark,
// then glyphs separated by transparent columns. Glyph k is (2 + k mod 3) pixels wide.
struct FontImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    FontImage(int glyphs, int perLine, int lineHeight = 10)
    {
        const int lines = (glyphs + perLine - 1) / perLine;
        width = 4 + perLine * 6 + 2;
        height = lines * (lineHeight + 2) + 1;
        rgba.assign(static_cast<std::size_t>(width) * height * 4, 0);
        for (int line = 0; line < lines; ++line) {
            const int top = 1 + line * (lineHeight + 2);
            ink(1, top, 1, lineHeight); // the mark
            int x = 4;
            for (int k = line * perLine; k < std::min(glyphs, (line + 1) * perLine); ++k) {
                const int w = 2 + k % 3;
                ink(x, top + 2, w, lineHeight - 4);
                x += w + 1;
            }
        }
    }

    void ink(int x, int y, int w, int h)
    {
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                rgba[(static_cast<std::size_t>(j) * width + i) * 4 + 3] = 255;
    }
};

// The font read as the game reads it: a picture in the data folder, through the archive.
class BitmapText : public WorldFixture {
protected:
    std::unique_ptr<NLib::BitmapText> load(const FontImage& image)
    {
        writePng("menu/font.png", image.width, image.height, image.rgba);
        return std::make_unique<NLib::BitmapText>(*archive, "menu/font.png");
    }
};

TEST_F(BitmapText, ScanFindsLinesMarksAndGlyphs)
{
    const auto loaded = load(FontImage(94, 20));
    const NLib::BitmapText& font = *loaded;
    EXPECT_TRUE(font.scanSucceeded());
    // "!" is the first glyph after the mark: ink at 4..5, rectangle one column wider each side.
    EXPECT_FLOAT_EQ(font.glyph(0).left, 3.0f);
    EXPECT_FLOAT_EQ(font.glyph(0).right, 6.0f);
    EXPECT_FLOAT_EQ(font.glyph(0).lineTop, 1.0f);
    // Glyph 20 starts the second line.
    EXPECT_FLOAT_EQ(font.glyph(20).lineTop, 13.0f);
    EXPECT_FLOAT_EQ(font.glyph(20).left, 3.0f);

    EXPECT_FALSE(load(FontImage(50, 20))->scanSucceeded());

    // Ink on the last column is not a glyph: it does not make up the missing 94th.
    FontImage image(93, 93);
    image.ink(image.width - 1, 3, 1, 4);
    EXPECT_FALSE(load(image)->scanSucceeded());
}

TEST_F(BitmapText, MeasuringFollowsThePenRules)
{
    const auto loaded = load(FontImage(94, 94));
    const NLib::BitmapText& font = *loaded;
    const float size = 9.0f; // the line height, bottom row minus top row: zoom 1
    const auto width = [&](char c) { return font.glyph(c - 33).right - font.glyph(c - 33).left; };
    const float em = width('A');
    const float spacing = em / 10.0f;

    EXPECT_FLOAT_EQ(font.measureText("", size), 0.0f);
    EXPECT_FLOAT_EQ(font.textHeight("", size), size);
    EXPECT_FLOAT_EQ(font.measureText("A B", size), width('A') + spacing + em + width('B') + spacing);
    // Tabs go to the next stop every six characters, counted by index.
    EXPECT_FLOAT_EQ(font.measureText("\t", size), 6 * em);
    EXPECT_FLOAT_EQ(font.measureText("    \t", size), 4 * em + 2 * em);
    EXPECT_FLOAT_EQ(font.measureText("      \t", size), 6 * em + 6 * em);
    // The widest line counts; a new line starts one spacing in.
    EXPECT_FLOAT_EQ(font.measureText("AB\nA", size), width('A') + width('B') + 2 * spacing);
    EXPECT_FLOAT_EQ(font.measureText("A\nAB", size), spacing + width('A') + width('B') + 2 * spacing);
    EXPECT_FLOAT_EQ(font.textHeight("a\nb\n", 20.0f), 60.0f);
    // Twice the size, twice the width.
    EXPECT_FLOAT_EQ(font.measureText("AB", 2 * size), 2 * font.measureText("AB", size));
}

TEST_F(BitmapText, TextAppearsWhereItIsDrawnInItsColour)
{
    const FontImage image(94, 20);
    writePng("menu/font.png", image.width, image.height, [&] {
        std::vector<std::uint8_t> white = image.rgba;
        for (std::size_t i = 0; i < white.size(); i += 4)
            white[i] = white[i + 1] = white[i + 2] = 255;
        return white;
    }());
    const NLib::BitmapText font(*archive, "menu/font.png");
    ASSERT_TRUE(font.scanSucceeded());

    platform->beginFrame();
    font.drawText("HI", 36.0f, 100.0f, 200.0f, 0.0f, 1.0f, 0.0f, 0.0f, 1.0f);
    const Frame frame = platform->readFrame();
    int red = 0, outside = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            const Frame::Pixel p = frame.at(x, y);
            if (p.r > 128 && p.g < 50) {
                const bool inBox = x >= 100 && x < 100 + font.measureText("HI", 36.0f) && y >= 200 && y < 236;
                (inBox ? red : outside)++;
            }
        }
    EXPECT_GT(red, 50);
    EXPECT_EQ(outside, 0);

    NLib::BitmapText missing(*archive, "menu/none.png");
    missing.drawText("x", 10, 0, 0, 0, 1, 1, 1, 1); // draws nothing, does not crash
    EXPECT_FLOAT_EQ(missing.measureText("abc", 10), 0.0f);
}

} // namespace
