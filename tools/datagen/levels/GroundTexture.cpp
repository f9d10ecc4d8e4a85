#include "levels/GroundTexture.h"

#include "levels/GroundFields.h"
#include "levels/Rng.h"
#include "levels/TerrainNoise.h"

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace datagen::levels::ground {

namespace {

constexpr int kN = kSize;
constexpr double kPi = 3.14159265358979;
constexpr std::uint64_t kCommon = 0xC0FFEE; // the variant number of a landscape's common ground

std::uint64_t fieldSeed(Landscape l, std::uint64_t v)
{
    return seedOf(0x6A0D, static_cast<std::uint64_t>(l), v);
}

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

Sample meanOf(const Field& f)
{
    Sample m;
    for (const Sample& s : f) {
        m.r += s.r / (kN * kN);
        m.g += s.g / (kN * kN);
        m.b += s.b / (kN * kN);
        m.h += s.h / (kN * kN);
    }
    return m;
}

// The common ground lines every cell's edges, so a row or column of it that is lighter than the
// rest would draw the grid; and the twelve variants a level cycles through would add up to
// stripes too. Every row and column of a field gets the same mean.
Field evened(const Field& f)
{
    Field out = f;
    double* (*channel[4])(Sample&) = {[](Sample& s) { return &s.r; }, [](Sample& s) { return &s.g; },
                                       [](Sample& s) { return &s.b; }, [](Sample& s) { return &s.h; }};
    for (auto* get : channel) {
        std::array<double, kN> row{}, column{};
        double all = 0;
        for (int y = 0; y < kN; ++y)
            for (int x = 0; x < kN; ++x) {
                const double v = *get(out[y * kN + x]);
                row[y] += v / kN;
                column[x] += v / kN;
                all += v / (kN * kN);
            }
        for (int y = 0; y < kN; ++y)
            for (int x = 0; x < kN; ++x)
                *get(out[y * kN + x]) -= (row[y] - all) + (column[x] - all);
    }
    return out;
}

// Light from the upper left: a slope rising towards the lower right faces it. Heights wrap on
// the cell, as every field does. Each field is lit on its own, before the two are mixed: mixing
// heights by a changing share would light the change itself, and frame every cell.
Field lit(Landscape l, const Field& f)
{
    const double relief = reliefOf(l);
    auto h = [&](int x, int y) { return f[((y + kN) % kN) * kN + (x + kN) % kN].h; };
    Field out;
    for (int y = 0; y < kN; ++y)
        for (int x = 0; x < kN; ++x) {
            const Sample& s = f[y * kN + x];
            const double slope = (h(x + 1, y + 1) - h(x - 1, y - 1)) + 0.5 * (h(x + 1, y) - h(x - 1, y)) +
                                 0.5 * (h(x, y + 1) - h(x, y - 1));
            const double k = 1 + relief * slope;
            Sample o{s.r * k, s.g * k, s.b * k, 0};
            if (l == Landscape::Snow && k < 1)
                o.b += (1 - k) * 0.12; // shadows on snow are blue
            out[y * kN + x] = o;
        }
    return out;
}

// The common ground near the edges, the variant's own inside, the own moved to the common mean
// first or every cell would show a frame of its own tone. Mixing two unrelated textures halves
// their contrast where they meet half and half; scaling the mix back keeps the grain even.
void paint(const Field& common, const Field& own, cairo_surface_t* surface)
{
    const Sample mc = meanOf(common), mo = meanOf(own);
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < kN; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < kN; ++x) {
            const Sample& a = common[y * kN + x];
            const Sample& b = own[y * kN + x];
            const double t = ownShare(x, y);
            const double norm = 1 / std::sqrt((1 - t) * (1 - t) + t * t);
            auto mixed = [&](double m, double va, double vb) { return m + ((1 - t) * (va - m) + t * vb) * norm; };
            double r = mixed(mc.r, a.r, b.r - mo.r), g = mixed(mc.g, a.g, b.g - mo.g),
                   bl = mixed(mc.b, a.b, b.b - mo.b);
            // Slightly desaturated: the units' olive, grey and sand must stand out.
            const double lum = 0.3 * r + 0.59 * g + 0.11 * bl;
            r = lum + (r - lum) * 0.85;
            g = lum + (g - lum) * 0.85;
            bl = lum + (bl - lum) * 0.85;
            auto byte = [](double v) {
                return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
            };
            row[x] = 0xFF000000u | byte(r) << 16 | byte(g) << 8 | byte(bl);
        }
    }
    cairo_surface_mark_dirty(surface);
}

void source(cairo_t* cr, Rgb c, double a = 1)
{
    cairo_set_source_rgba(cr, c.r, c.g, c.b, a);
}

// A spot that keeps a detail reaching `reach` pixels from it (shadow included) inside the
// variant's own part of the cell.
double spot(Rng& rng, double reach)
{
    const double lo = kBlendStart + 1 + reach;
    return rng.uniform(lo, kN - lo);
}

void blades(cairo_t* cr, Rng& rng, int count, Rgb light, Rgb dark, double len)
{
    cairo_set_line_width(cr, 0.9);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < count; ++i) {
        const double x = spot(rng, len), y = spot(rng, len);
        const double a = rng.uniform(-kPi * 0.85, -kPi * 0.15), l = rng.uniform(len * 0.5, len);
        source(cr, rng.chance(0.5) ? light : dark, rng.uniform(0.35, 0.7));
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + l * std::cos(a), y + l * std::sin(a));
        cairo_stroke(cr);
    }
}

// Blades strewn over the whole cell, each drawn again one cell over in every direction so that
// the layer wraps: the common ground's blades continue into the neighbour's.
void strewnBlades(cairo_t* cr, Rng& rng, int count, Rgb light, Rgb dark, double len)
{
    cairo_set_line_width(cr, 0.9);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < count; ++i) {
        const double x = rng.uniform(0, kN), y = rng.uniform(0, kN);
        const double a = rng.uniform(-kPi * 0.85, -kPi * 0.15), l = rng.uniform(len * 0.5, len);
        source(cr, rng.chance(0.5) ? light : dark, rng.uniform(0.35, 0.7));
        for (int dy = -kN; dy <= kN; dy += kN)
            for (int dx = -kN; dx <= kN; dx += kN) {
                cairo_move_to(cr, x + dx, y + dy);
                cairo_line_to(cr, x + dx + l * std::cos(a), y + dy + l * std::sin(a));
            }
        cairo_stroke(cr);
    }
}

// The fine scatter of a landscape, as even near the edges as inside.
void strewn(Landscape l, cairo_t* cr, Rng& rng)
{
    switch (l) {
    case Landscape::Grass:
        strewnBlades(cr, rng, rng.range(45, 60), rgb(138, 150, 94), rgb(64, 82, 46), 3);
        break;
    case Landscape::Scrub:
        strewnBlades(cr, rng, rng.range(20, 35), rgb(176, 164, 118), rgb(110, 104, 74), 2.5);
        break;
    case Landscape::Town:
        strewnBlades(cr, rng, rng.range(8, 16), rgb(132, 140, 100), rgb(80, 90, 62), 2);
        break;
    default:
        break;
    }
}

// Lays the common scatter near the edges and the variant's own inside, by the same share as
// the ground beneath.
void layScatter(cairo_surface_t* ground, cairo_surface_t* common, cairo_surface_t* own)
{
    cairo_surface_flush(ground);
    cairo_surface_flush(common);
    cairo_surface_flush(own);
    unsigned char* g = cairo_image_surface_get_data(ground);
    const unsigned char* c = cairo_image_surface_get_data(common);
    const unsigned char* o = cairo_image_surface_get_data(own);
    const int stride = cairo_image_surface_get_stride(ground);
    for (int y = 0; y < kN; ++y) {
        auto* gr = reinterpret_cast<std::uint32_t*>(g + static_cast<std::size_t>(y) * stride);
        const auto* cr = reinterpret_cast<const std::uint32_t*>(c + static_cast<std::size_t>(y) * stride);
        const auto* orow = reinterpret_cast<const std::uint32_t*>(o + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < kN; ++x) {
            const double t = ownShare(x, y);
            double px[3];
            for (int k = 0; k < 3; ++k)
                px[k] = static_cast<double>((gr[x] >> (16 - 8 * k)) & 255);
            // Premultiplied layers: over = src + dst * (1 - alpha), each scaled by its share.
            for (const auto& [layer, share] : {std::pair{cr[x], 1 - t}, std::pair{orow[x], t}}) {
                const double a = static_cast<double>(layer >> 24) / 255 * share;
                for (int k = 0; k < 3; ++k)
                    px[k] = static_cast<double>((layer >> (16 - 8 * k)) & 255) * share + px[k] * (1 - a);
            }
            gr[x] = 0xFF000000u;
            for (int k = 0; k < 3; ++k)
                gr[x] |= static_cast<std::uint32_t>(std::lround(std::clamp(px[k], 0.0, 255.0))) << (16 - 8 * k);
        }
    }
    cairo_surface_mark_dirty(ground);
}

void tuft(cairo_t* cr, Rng& rng, Rgb c)
{
    const double x = spot(rng, 4), y = spot(rng, 4);
    cairo_save(cr);
    cairo_translate(cr, x + 1.2, y + 0.8);
    cairo_scale(cr, 2.6, 1.4);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.18);
    cairo_fill(cr);
    cairo_set_line_width(cr, 0.8);
    for (int i = 0, n = rng.range(5, 8); i < n; ++i) {
        const double a = -kPi / 2 + rng.uniform(-0.9, 0.9), l = rng.uniform(2, 3.5);
        source(cr, shade(c, rng.uniform(0.85, 1.3)), 0.85);
        cairo_move_to(cr, x + rng.uniform(-1, 1), y + 0.5);
        cairo_line_to(cr, x + l * std::cos(a), y + l * std::sin(a));
        cairo_stroke(cr);
    }
}

// A stone lit from the upper left, its shadow falling right and down.
void pebble(cairo_t* cr, Rng& rng, double r, Rgb c)
{
    const double x = spot(rng, r + 1), y = spot(rng, r + 1);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, rng.uniform(0, kPi));
    cairo_scale(cr, 1, rng.uniform(0.6, 0.9));
    cairo_arc(cr, r * 0.35, r * 0.35, r, 0, 2 * kPi);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.22);
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

void dots(cairo_t* cr, Rng& rng, int count, Rgb c, double size, double alpha)
{
    for (int i = 0; i < count; ++i) {
        source(cr, c, alpha);
        cairo_rectangle(cr, std::floor(spot(rng, 1)), std::floor(spot(rng, 1)), size, size);
        cairo_fill(cr);
    }
}

void crown(cairo_t* cr, double x, double y, double r, Rgb c)
{
    cairo_arc(cr, x + r * 0.35, y + r * 0.35, r, 0, 2 * kPi);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
    cairo_fill(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.35, r * 0.1, x, y, r);
    const Rgb hi = shade(c, 1.3), lo = shade(c, 0.72);
    cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(g, 0.6, c.r, c.g, c.b);
    cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, g);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// Yards, paving and gardens of the outskirts, all inside the variant's own part of the cell. The
// houses are the scenery's, along its streets: a house in every cell would make a grid of them.
void townDetail(cairo_t* cr, Rng& rng, int index)
{
    const double lo = kBlendStart + 2, hi = kN - kBlendStart - 3;
    switch (index % 6) {
    case 0:
    case 1: {
        // A paved or gravelled yard.
        const double w = rng.uniform(12, 19), h = rng.uniform(10, 17);
        const double x = rng.uniform(lo, hi - w), y = rng.uniform(lo, hi - h);
        source(cr, index % 6 == 0 ? rgb(128, 124, 114) : rgb(140, 132, 116), 0.85);
        cairo_rectangle(cr, x, y, w, h);
        cairo_fill(cr);
        cairo_set_line_width(cr, 0.5);
        source(cr, rgb(108, 104, 96), 0.45);
        for (double gx = x + 3; gx < x + w; gx += 3.5) {
            cairo_move_to(cr, gx, y);
            cairo_line_to(cr, gx, y + h);
        }
        cairo_stroke(cr);
        break;
    }
    case 2: {
        // A kitchen garden in rows.
        const double w = rng.uniform(14, 20), h = rng.uniform(12, 18);
        const double x = rng.uniform(lo, hi - w), y = rng.uniform(lo, hi - h);
        source(cr, rgb(110, 96, 74), 0.9);
        cairo_rectangle(cr, x, y, w, h);
        cairo_fill(cr);
        cairo_set_line_width(cr, 1.3);
        const Rgb crop = rng.chance(0.5) ? rgb(96, 116, 70) : rgb(120, 124, 76);
        for (double ry = y + 1.5; ry < y + h - 0.5; ry += 3) {
            source(cr, shade(crop, rng.uniform(0.9, 1.1)));
            cairo_move_to(cr, x + 1, ry);
            cairo_line_to(cr, x + w - 1, ry);
            cairo_stroke(cr);
        }
        break;
    }
    default:
        // Plain back gardens: a few beds and now and then a bush.
        for (int i = 0, n = rng.range(1, 3); i < n; ++i) {
            const double w = rng.uniform(4, 8), h = rng.uniform(3, 5);
            source(cr, rng.chance(0.5) ? rgb(104, 92, 72) : rgb(96, 112, 70), 0.7);
            cairo_rectangle(cr, rng.uniform(lo, hi - w), rng.uniform(lo, hi - h), w, h);
            cairo_fill(cr);
        }
        if (rng.chance(0.3))
            crown(cr, rng.uniform(lo + 3, hi - 4), rng.uniform(lo + 3, hi - 4), rng.uniform(2, 3), rgb(84, 102, 62));
        break;
    }
}

void detail(Landscape l, cairo_t* cr, Rng& rng, int index)
{
    switch (l) {
    case Landscape::Grass:
        for (int i = 0, n = rng.range(1, 4); i < n; ++i)
            tuft(cr, rng, rgb(96, 118, 66));
        if (rng.chance(0.35))
            dots(cr, rng, rng.range(1, 3), rng.chance(0.5) ? rgb(206, 198, 150) : rgb(184, 172, 188), 1, 0.75);
        if (rng.chance(0.25))
            pebble(cr, rng, rng.uniform(0.8, 1.3), rgb(150, 144, 128));
        break;
    case Landscape::Forest:
    case Landscape::Autumn:
        break;
    case Landscape::Scrub:
        for (int i = 0, n = rng.range(0, 3); i < n; ++i)
            pebble(cr, rng, rng.uniform(0.7, 1.4), rgb(168, 156, 128));
        break;
    case Landscape::Desert:
        for (int i = 0, n = rng.range(0, 3); i < n; ++i)
            pebble(cr, rng, rng.uniform(0.5, 1.1), rgb(150, 128, 100));
        if (rng.chance(0.15))
            tuft(cr, rng, rgb(132, 124, 84));
        break;
    case Landscape::Rock:
        for (int i = 0, n = rng.range(3, 8); i < n; ++i)
            pebble(cr, rng, rng.uniform(0.6, 1.6), rgb(138, 132, 122));
        dots(cr, rng, rng.range(0, 3), rgb(126, 130, 100), 2, 0.35);
        break;
    case Landscape::Snow:
        dots(cr, rng, rng.range(0, 4), rgb(255, 255, 255), 1, 0.9);
        if (rng.chance(0.15))
            pebble(cr, rng, rng.uniform(0.6, 1.1), rgb(112, 112, 114));
        if (rng.chance(0.1))
            blades(cr, rng, rng.range(3, 6), rgb(150, 140, 110), rgb(96, 90, 76), 2);
        break;
    case Landscape::Town:
        townDetail(cr, rng, index);
        break;
    }
}

} // namespace

double ownShare(int x, int y)
{
    const double d = std::min({x + 0.5, kN - x - 0.5, y + 0.5, kN - y - 0.5});
    return terrain_noise::smoothstep(kBlendStart, kBlendStart + kBlendWidth, d);
}

Image variant(Landscape l, int index)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kN, kN);
    paint(evened(lit(l, evened(paintField(l, fieldSeed(l, kCommon), true)))),
          evened(lit(l, evened(paintField(l, fieldSeed(l, static_cast<std::uint64_t>(index)), false)))), surface);
    Rng rng(seedOf(0xDE7A, static_cast<std::uint64_t>(l), static_cast<std::uint64_t>(index)));
    {
        Rng commonRng(seedOf(0xDE7A, static_cast<std::uint64_t>(l), kCommon));
        cairo_surface_t* common = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kN, kN);
        cairo_surface_t* own = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kN, kN);
        cairo_t* cc = cairo_create(common);
        cairo_t* co = cairo_create(own);
        strewn(l, cc, commonRng);
        strewn(l, co, rng);
        cairo_destroy(cc);
        cairo_destroy(co);
        layScatter(surface, common, own);
        cairo_surface_destroy(common);
        cairo_surface_destroy(own);
    }
    cairo_t* cr = cairo_create(surface);
    detail(l, cr, rng, index);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    Image img(kN, kN);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < kN; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < kN; ++x) {
            std::uint8_t* p = img.at(x, y);
            p[0] = static_cast<std::uint8_t>(row[x] >> 16);
            p[1] = static_cast<std::uint8_t>(row[x] >> 8);
            p[2] = static_cast<std::uint8_t>(row[x]);
            p[3] = 255;
        }
    }
    cairo_surface_destroy(surface);
    return img;
}

} // namespace datagen::levels::ground
