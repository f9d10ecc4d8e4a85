#include "art/ArtParts.h"
#include "art/Canvas.h"
#include "art/Text.h"

#include "common/DataTree.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

namespace datagen::art {

namespace {

constexpr int kWidth = 512;
constexpr int kLineRows = 33; // the mark's height: the game's line height is rows - 1 = 32
constexpr int kLineGap = 3;
constexpr int kGlyphGap = 3;
constexpr double kFontSize = 25.5;

struct Glyph {
    std::unique_ptr<Canvas> ink;
    int left = 0, right = 0; // inked columns within ink
};

Glyph renderGlyph(char c)
{
    Glyph g;
    g.ink = std::make_unique<Canvas>(48, kLineRows);
    cairo_t* cr = g.ink->cr();
    selectFont(cr, kFontSize, true);
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    const double baseline = 1 + (kLineRows - 2 - (fe.ascent + fe.descent)) / 2 + fe.ascent;
    const char text[2] = {c, 0};
    cairo_move_to(cr, 8, baseline);
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_show_text(cr, text);
    cairo_surface_flush(g.ink->surface());
    int left = 48, right = -1;
    for (int x = 0; x < 48; ++x)
        for (int y = 0; y < kLineRows; ++y)
            if (g.ink->alphaAt(x, y) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    g.left = left;
    g.right = right;
    // The game separates glyphs at empty columns, so a glyph made of separate strokes (a quote
    // mark, a percent sign) gets an invisible bridge across its gaps.
    auto* data = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(g.ink->surface()));
    const int stride = cairo_image_surface_get_stride(g.ink->surface()) / 4;
    for (int x = left; x <= right; ++x) {
        bool any = false;
        for (int y = 0; y < kLineRows && !any; ++y)
            any = (data[y * stride + x] >> 24) != 0;
        if (!any)
            data[(kLineRows / 2) * stride + x] = 0x01010101u;
    }
    cairo_surface_mark_dirty(g.ink->surface());
    return g;
}

} // namespace

void generateFont(const DataTree& tree)
{
    std::vector<Glyph> glyphs;
    for (char c = '!'; c <= '~'; ++c)
        glyphs.push_back(renderGlyph(c));

    // Lay the glyphs out in lines; each line begins with the full-height mark.
    struct Place {
        int line, x;
    };
    std::vector<Place> places;
    int line = 0, x = 4 + kGlyphGap;
    for (const Glyph& g : glyphs) {
        const int w = g.right - g.left + 1;
        if (x + w + 4 > kWidth) {
            ++line;
            x = 4 + kGlyphGap;
        }
        places.push_back({line, x});
        x += w + kGlyphGap;
    }
    const int lines = line + 1;
    Canvas font(kWidth, lines * (kLineRows + kLineGap) + 1);
    cairo_t* cr = font.cr();
    for (int l = 0; l < lines; ++l) {
        const int top = 1 + l * (kLineRows + kLineGap);
        cairo_rectangle(cr, 1, top, 2, kLineRows);
        cairo_set_source_rgba(cr, 1, 1, 1, 1);
        cairo_fill(cr);
    }
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const int top = 1 + places[i].line * (kLineRows + kLineGap);
        cairo_save(cr);
        cairo_rectangle(cr, places[i].x, top, glyphs[i].right - glyphs[i].left + 1, kLineRows);
        cairo_clip(cr);
        cairo_set_source_surface(cr, glyphs[i].ink->surface(), places[i].x - glyphs[i].left, top);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_paint(cr);
        cairo_restore(cr);
    }
    tree.writeBytes("menu/font.png", font.png());
}

} // namespace datagen::art
