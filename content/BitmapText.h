#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class KGraphic;

namespace NLib {

class ResourceArchive;

// Text in the game's bitmap font. The font image has no glyph table: glyph lines and the glyphs
// within them are found by scanning the alpha channel once at load time. Each line starts with a
// full-height mark that is not a glyph; then come "!" to "~" in code order.
class BitmapText final {
public:
    static constexpr int kGlyphCount = 94;

    struct Glyph {
        float lineBottom = 0.0f;
        float lineTop = 0.0f;
        float left = 0.0f;
        float right = 0.0f;
    };

    // Reads and scans the font image; a missing image gives a font that draws nothing.
    BitmapText(const ResourceArchive& archive, const std::string& path);
    BitmapText(const BitmapText&) = delete;
    BitmapText& operator=(const BitmapText&) = delete;
    virtual ~BitmapText();

    // Draws text with the first line's top-left corner at (x, y); size is the line height on
    // screen. mirror draws glyphs upside down; monospace advances every glyph by the "A" width.
    void drawText(const std::string& text, float size, float x, float y, float z, float r, float g, float b,
                  float a, bool mirror = false, bool monospace = false) const;
    // Width of the widest line at this size.
    float measureText(const std::string& text, float size) const;
    float textHeight(const std::string& text, float size) const;

    bool scanSucceeded() const { return m_glyphsFound == kGlyphCount; }
    const Glyph& glyph(int index) const { return m_glyphs[static_cast<std::size_t>(index)]; }

private:
    void scan(const std::uint8_t* rgba);
    bool rowHasInk(const std::uint8_t* rgba, int row) const;
    bool columnHasInk(const std::uint8_t* rgba, int column, int top, int bottom) const;

    std::unique_ptr<KGraphic> m_image;
    std::array<Glyph, kGlyphCount> m_glyphs{};
    float m_lineHeight = 0.0f;
    int m_imageWidth = 0;
    int m_imageHeight = 0;
    int m_glyphsFound = 0;
};

} // namespace NLib
