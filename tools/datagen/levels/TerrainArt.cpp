#include "levels/TerrainArt.h"

#include "levels/Rng.h"
#include "levels/TileSet.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace datagen::levels::terrain_art {

namespace {

constexpr int kCell = tiles::kCell;
constexpr double kPi = 3.14159265358979;

struct Rgb {
    double r, g, b;
};

Rgb rgb(int r, int g, int b)
{
    return {r / 255.0, g / 255.0, b / 255.0};
}

Rgb shade(Rgb c, double k)
{
    return {std::clamp(c.r * k, 0.0, 1.0), std::clamp(c.g * k, 0.0, 1.0), std::clamp(c.b * k, 0.0, 1.0)};
}

// Cairo surface of one cell, filled with a ground colour broken by fine grain.
class Cell final {
public:
    explicit Cell(Rgb ground, Rng& rng, double grain)
        : m_surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kCell, kCell)),
          m_cr(cairo_create(m_surface))
    {
        cairo_set_source_rgb(m_cr, ground.r, ground.g, ground.b);
        cairo_paint(m_cr);
        for (int i = 0; i < 90; ++i) {
            const double k = 1 + rng.uniform(-grain, grain);
            const Rgb c = shade(ground, k);
            cairo_set_source_rgba(m_cr, c.r, c.g, c.b, 0.7);
            const double s = rng.uniform(1, 2.5);
            cairo_rectangle(m_cr, rng.uniform(0, kCell - s), rng.uniform(0, kCell - s), s, s);
            cairo_fill(m_cr);
        }
    }
    ~Cell()
    {
        cairo_destroy(m_cr);
        cairo_surface_destroy(m_surface);
    }
    Cell(const Cell&) = delete;
    Cell& operator=(const Cell&) = delete;

    cairo_t* cr() { return m_cr; }

    Image take()
    {
        cairo_surface_flush(m_surface);
        Image img(kCell, kCell);
        const unsigned char* data = cairo_image_surface_get_data(m_surface);
        const int stride = cairo_image_surface_get_stride(m_surface);
        for (int y = 0; y < kCell; ++y) {
            const auto* row =
                reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
            for (int x = 0; x < kCell; ++x) {
                std::uint8_t* p = img.at(x, y);
                p[0] = static_cast<std::uint8_t>(row[x] >> 16);
                p[1] = static_cast<std::uint8_t>(row[x] >> 8);
                p[2] = static_cast<std::uint8_t>(row[x]);
                p[3] = 255;
            }
        }
        return img;
    }

private:
    cairo_surface_t* m_surface;
    cairo_t* m_cr;
};

void fillColour(cairo_t* cr, Rgb c, double a = 1)
{
    cairo_set_source_rgba(cr, c.r, c.g, c.b, a);
}

// A round crown lit from the upper left, with its shadow falling right and down.
void crown(cairo_t* cr, double x, double y, double r, Rgb c)
{
    cairo_arc(cr, x + r * 0.35, y + r * 0.35, r, 0, 2 * kPi);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.28);
    cairo_fill(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.35, r * 0.1, x, y, r);
    const Rgb hi = shade(c, 1.35), lo = shade(c, 0.7);
    cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(g, 0.6, c.r, c.g, c.b);
    cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, g);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// A small conifer seen from above: a star of dark needles.
void conifer(cairo_t* cr, double x, double y, double r, Rgb c)
{
    cairo_set_source_rgba(cr, 0.2, 0.25, 0.35, 0.25);
    cairo_arc(cr, x + r * 0.5, y + r * 0.5, r * 0.9, 0, 2 * kPi);
    cairo_fill(cr);
    for (int ring = 0; ring < 2; ++ring) {
        const double rr = r * (ring == 0 ? 1.0 : 0.6);
        const Rgb col = shade(c, ring == 0 ? 1.0 : 1.3);
        fillColour(cr, col);
        cairo_move_to(cr, x + rr, y);
        for (int i = 1; i <= 14; ++i) {
            const double a = i * kPi / 7;
            const double q = (i % 2) ? rr * 0.55 : rr;
            cairo_line_to(cr, x + q * std::cos(a), y + q * std::sin(a));
        }
        cairo_close_path(cr);
        cairo_fill(cr);
    }
}

void pebble(cairo_t* cr, Rng& rng, double x, double y, double r, Rgb c)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 1, rng.uniform(0.6, 0.9));
    cairo_arc(cr, r * 0.3, r * 0.3, r, 0, 2 * kPi);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
    cairo_fill(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(-r, -r, r, r);
    const Rgb hi = shade(c, 1.25), lo = shade(c, 0.75);
    cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, g);
    cairo_arc(cr, 0, 0, r, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

void roof(cairo_t* cr, Rng& rng, double x, double y, double w, double h, Rgb c)
{
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_rectangle(cr, x + 2, y + 2, w, h);
    cairo_fill(cr);
    const bool alongX = w >= h;
    // Two roof halves, the one facing the light brighter.
    fillColour(cr, shade(c, 1.15));
    if (alongX)
        cairo_rectangle(cr, x, y, w, h / 2);
    else
        cairo_rectangle(cr, x, y, w / 2, h);
    cairo_fill(cr);
    fillColour(cr, shade(c, 0.8));
    if (alongX)
        cairo_rectangle(cr, x, y + h / 2, w, h / 2);
    else
        cairo_rectangle(cr, x + w / 2, y, w / 2, h);
    cairo_fill(cr);
    cairo_set_line_width(cr, 0.8);
    fillColour(cr, shade(c, 1.4), 0.8);
    if (alongX) {
        cairo_move_to(cr, x, y + h / 2);
        cairo_line_to(cr, x + w, y + h / 2);
    } else {
        cairo_move_to(cr, x + w / 2, y);
        cairo_line_to(cr, x + w / 2, y + h);
    }
    cairo_stroke(cr);
    if (rng.chance(0.3)) {
        fillColour(cr, rgb(70, 66, 62));
        cairo_rectangle(cr, x + w * 0.7, y + h * 0.15, 2.5, 2.5);
        cairo_fill(cr);
    }
}

// A spot inside the cell that keeps a detail of radius r clear of the cell's edges, so that
// neighbouring variants never cut it.
double inside(Rng& rng, double r)
{
    return rng.uniform(r + 1.5, kCell - r - 2.5);
}

Image makeTexture(Landscape l, int variant)
{
    Rng rng(seedOf(0x7E77, static_cast<std::uint64_t>(l), static_cast<std::uint64_t>(variant)));
    switch (l) {
    case Landscape::Grass: {
        Cell cell(rgb(104, 124, 74), rng, 0.07);
        cairo_t* cr = cell.cr();
        cairo_set_line_width(cr, 1);
        for (int i = 0, n = rng.range(4, 9); i < n; ++i) {
            const double x = rng.uniform(2, 29), y = rng.uniform(3, 29);
            fillColour(cr, rng.chance(0.5) ? rgb(84, 104, 60) : rgb(126, 142, 88), 0.8);
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x + rng.uniform(-1.5, 1.5), y - rng.uniform(2, 3.5));
            cairo_stroke(cr);
        }
        if (rng.chance(0.35))
            crown(cr, inside(rng, 4), inside(rng, 4), rng.uniform(3, 4), rgb(82, 106, 58));
        if (rng.chance(0.3)) {
            fillColour(cr, rng.chance(0.5) ? rgb(206, 196, 140) : rgb(190, 160, 170));
            for (int i = 0; i < 3; ++i) {
                cairo_rectangle(cr, rng.uniform(3, 28), rng.uniform(3, 28), 1.2, 1.2);
                cairo_fill(cr);
            }
        }
        return cell.take();
    }
    case Landscape::Forest:
    case Landscape::Autumn: {
        const bool autumn = l == Landscape::Autumn;
        Cell cell(autumn ? rgb(84, 76, 50) : rgb(46, 66, 42), rng, 0.08);
        const std::vector<Rgb> greens = {rgb(70, 100, 56), rgb(58, 88, 52), rgb(82, 108, 60)};
        const std::vector<Rgb> fall = {rgb(164, 108, 54), rgb(176, 140, 62), rgb(122, 112, 54),
                                       rgb(146, 80, 50)};
        // A closed canopy of crowns of many sizes hides the cell grid better than one tree
        // per cell would.
        const int n = rng.range(3, 6);
        for (int i = 0; i < n; ++i) {
            const double r = i == 0 && rng.chance(0.4) ? rng.uniform(9, 11) : rng.uniform(4.5, 8);
            crown(cell.cr(), rng.uniform(r + 0.5, kCell - r - 1.5), rng.uniform(r + 0.5, kCell - r - 1.5), r,
                  rng.pick(autumn ? fall : greens));
        }
        return cell.take();
    }
    case Landscape::Scrub: {
        Cell cell(rgb(150, 138, 98), rng, 0.07);
        for (int i = 0, n = rng.range(1, 3); i < n; ++i)
            crown(cell.cr(), inside(rng, 5), inside(rng, 5), rng.uniform(2.5, 4.5), rgb(104, 108, 66));
        for (int i = 0, n = rng.range(0, 3); i < n; ++i)
            pebble(cell.cr(), rng, inside(rng, 2), inside(rng, 2), rng.uniform(0.8, 1.6), rgb(170, 158, 128));
        return cell.take();
    }
    case Landscape::Desert: {
        Cell cell(rgb(186, 170, 132), rng, 0.05);
        cairo_t* cr = cell.cr();
        cairo_set_line_width(cr, 1.1);
        const double y0 = rng.uniform(4, 10);
        for (int i = 0; i < 3; ++i) {
            const double y = y0 + i * rng.uniform(7, 10);
            if (y > 29)
                break;
            fillColour(cr, rgb(166, 150, 112), 0.6);
            cairo_move_to(cr, 2, y);
            cairo_curve_to(cr, 10, y - 2.5, 20, y + 2.5, 30, y);
            cairo_stroke(cr);
            fillColour(cr, rgb(204, 190, 156), 0.6);
            cairo_move_to(cr, 2, y - 1.2);
            cairo_curve_to(cr, 10, y - 3.7, 20, y + 1.3, 30, y - 1.2);
            cairo_stroke(cr);
        }
        if (rng.chance(0.3))
            pebble(cr, rng, inside(rng, 3), inside(rng, 3), rng.uniform(1.5, 2.5), rgb(150, 130, 100));
        if (rng.chance(0.2))
            crown(cr, inside(rng, 4), inside(rng, 4), rng.uniform(2, 3), rgb(120, 120, 72));
        return cell.take();
    }
    case Landscape::Rock: {
        Cell cell(rgb(128, 122, 112), rng, 0.1);
        cairo_t* cr = cell.cr();
        cairo_set_line_width(cr, 0.8);
        for (int i = 0, n = rng.range(1, 3); i < n; ++i) {
            fillColour(cr, rgb(84, 80, 74), 0.7);
            double x = rng.uniform(3, 29), y = rng.uniform(3, 29);
            cairo_move_to(cr, x, y);
            for (int k = 0; k < 3; ++k) {
                x = std::clamp(x + rng.uniform(-5, 5), 1.0, 31.0);
                y = std::clamp(y + rng.uniform(-5, 5), 1.0, 31.0);
                cairo_line_to(cr, x, y);
            }
            cairo_stroke(cr);
        }
        for (int i = 0, n = rng.range(1, 3); i < n; ++i) {
            const double r = rng.uniform(2.5, 6);
            pebble(cr, rng, inside(rng, r + 1), inside(rng, r + 1), r, rgb(146, 140, 130));
        }
        return cell.take();
    }
    case Landscape::Snow: {
        Cell cell(rgb(222, 228, 234), rng, 0.03);
        cairo_t* cr = cell.cr();
        for (int i = 0, n = rng.range(1, 3); i < n; ++i) {
            fillColour(cr, rgb(190, 200, 216), 0.5);
            cairo_save(cr);
            cairo_translate(cr, rng.uniform(6, 26), rng.uniform(6, 26));
            cairo_scale(cr, rng.uniform(4, 8), rng.uniform(2, 4));
            cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
            cairo_restore(cr);
            cairo_fill(cr);
        }
        if (rng.chance(0.45))
            conifer(cr, inside(rng, 6), inside(rng, 6), rng.uniform(4, 6), rgb(58, 80, 70));
        if (rng.chance(0.25))
            pebble(cr, rng, inside(rng, 2), inside(rng, 2), rng.uniform(1, 2), rgb(120, 118, 116));
        return cell.take();
    }
    case Landscape::Town: {
        // Outskirts rather than a solid city: houses in about half of the cells, the rest
        // gardens, trees and yards, so that a minute of town does not turn into a carpet.
        Cell cell(rgb(116, 120, 98), rng, 0.05);
        cairo_t* cr = cell.cr();
        const std::vector<Rgb> roofs = {rgb(138, 92, 78), rgb(114, 110, 104), rgb(100, 88, 74),
                                        rgb(126, 104, 88)};
        const int kind = variant % 6;
        if (kind == 0 || kind == 3) {
            roof(cr, rng, 3, 4, rng.uniform(18, 24), rng.uniform(9, 11), rng.pick(roofs));
            if (rng.chance(0.6))
                roof(cr, rng, rng.uniform(3, 10), 19, rng.uniform(12, 16), 8, rng.pick(roofs));
        } else if (kind == 1 || kind == 4) {
            fillColour(cr, rgb(132, 128, 118)); // a paved yard
            cairo_rectangle(cr, 4, 4, 24, 24);
            cairo_fill(cr);
            const double w = rng.uniform(12, 18), h = rng.uniform(12, 18);
            roof(cr, rng, rng.uniform(5, 26 - w), rng.uniform(5, 26 - h), w, h, rng.pick(roofs));
        } else if (kind == 2) {
            for (int i = 0, n = rng.range(1, 3); i < n; ++i) {
                const double r = rng.uniform(4, 7);
                crown(cr, inside(rng, r + 1), inside(rng, r + 1), r, rgb(74, 98, 60));
            }
        } else {
            fillColour(cr, rgb(104, 120, 80)); // a kitchen garden in rows
            cairo_set_line_width(cr, 1.5);
            for (double y = 6; y < 28; y += 4) {
                cairo_move_to(cr, 5, y);
                cairo_line_to(cr, 27, y);
            }
            cairo_stroke(cr);
        }
        return cell.take();
    }
    }
    return Image(kCell, kCell);
}

// Tileable value noise on a torus of the water image's size.
double periodicNoise(std::uint64_t seed, double x, double y, int periodX, int periodY)
{
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    auto h = [&](int a, int b) {
        a = ((a % periodX) + periodX) % periodX;
        b = ((b % periodY) + periodY) % periodY;
        Rng r(seedOf(seed, static_cast<std::uint64_t>(a), static_cast<std::uint64_t>(b)));
        return r.unit();
    };
    const double tx = x - ix, ty = y - iy;
    const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    const double a = h(ix, iy), b = h(ix + 1, iy), c = h(ix, iy + 1), d = h(ix + 1, iy + 1);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

Image makeWater(Water w)
{
    Rgb deep = rgb(50, 88, 102), light = rgb(82, 124, 132);
    if (w == Water::Arid) {
        deep = rgb(52, 104, 112);
        light = rgb(96, 148, 146);
    } else if (w == Water::Cold) {
        deep = rgb(50, 70, 88);
        light = rgb(86, 106, 124);
    }
    Image img(kWaterSize, kWaterSize);
    const std::uint64_t seed = seedOf(0x3A7E, static_cast<std::uint64_t>(w));
    for (int y = 0; y < kWaterSize; ++y) {
        for (int x = 0; x < kWaterSize; ++x) {
            // Noise stretched across the current reads as slow ripples without any stripes.
            double n = 0, amp = 0.5, total = 0;
            for (int o = 0; o < 4; ++o) {
                const int px = 2 << o, py = 8 << o;
                n += amp * periodicNoise(seed + static_cast<std::uint64_t>(o), x * px / double(kWaterSize),
                                         y * py / double(kWaterSize), px, py);
                total += amp;
                amp *= 0.55;
            }
            n /= total;
            const double t = std::clamp(0.4 + 1.1 * (n - 0.5), 0.0, 1.0);
            std::uint8_t* p = img.at(x, y);
            p[0] = static_cast<std::uint8_t>(std::lround(255 * (deep.r + (light.r - deep.r) * t)));
            p[1] = static_cast<std::uint8_t>(std::lround(255 * (deep.g + (light.g - deep.g) * t)));
            p[2] = static_cast<std::uint8_t>(std::lround(255 * (deep.b + (light.b - deep.b) * t)));
            p[3] = 255;
        }
    }
    return img;
}

} // namespace

std::string basePicturePath()
{
    return "levels/terrain/base.png";
}

std::string texturePath(Landscape l, int variant)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "levels/terrain/%s_%02d.png", landscapeName(l), variant + 1);
    return buf;
}

std::string waterPath(Water w)
{
    return std::string("levels/terrain/") + waterName(w) + ".png";
}

Image texture(Landscape l, int variant)
{
    return makeTexture(l, variant);
}
Image water(Water w)
{
    return makeWater(w);
}

std::map<std::string, Image> allPictures()
{
    std::map<std::string, Image> out;
    Image base(tiles::kPicture, tiles::kPicture);
    base.rgba = tiles::basePicture();
    out[basePicturePath()] = std::move(base);
    for (Landscape l : {Landscape::Grass, Landscape::Forest, Landscape::Autumn, Landscape::Scrub,
                        Landscape::Desert, Landscape::Rock, Landscape::Snow, Landscape::Town})
        for (int v = 0; v < kVariants; ++v)
            out[texturePath(l, v)] = texture(l, v);
    for (Water w : {Water::Temperate, Water::Arid, Water::Cold})
        out[waterPath(w)] = water(w);
    return out;
}

} // namespace datagen::levels::terrain_art
