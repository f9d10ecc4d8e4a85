#include "levels/DecorArt.h"

#include "art/Draw.h"

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace datagen::levels::decor_art {

namespace {

using art::Rgb;
using art::kPi;

constexpr int kPad = 2; // smoothing reads one pixel beyond a piece: keep neighbours apart

struct Size {
    int w, h;
};

constexpr std::array<Size, static_cast<std::size_t>(Piece::Count)> kSizes = {{
    {128, 56},  // Asphalt
    {128, 36},  // Track
    {128, 64},  // Street
    {192, 192}, // Wheat
    {192, 192}, // GreenCrop
    {192, 192}, // Rape
    {192, 192}, // Plough
    {192, 192}, // Meadow
    {128, 22},  // Hedge
    {176, 176}, // ClumpGreen
    {176, 176}, // ClumpAutumn
    {72, 72},   // TreeGreen
    {72, 72},   // TreeAutumn
    {48, 48},   // Bush
    {64, 60},   // Boulder
    {160, 112}, // Scree
    {192, 112}, // Drift
    {60, 64},   // Pine
    {92, 72},   // RoofRed
    {92, 72},   // RoofSlate
    {68, 96},   // RoofRedTall
    {160, 128}, // Yard
    {112, 44},  // Reeds
    {192, 80},  // SandBank
    {40, 40},   // Shrub
    {256, 128}, // Dune
    {256, 256}, // Patch
    {256, 128}, // PatchLong
}};

Rgb rgb(int r, int g, int b)
{
    return {r / 255.0, g / 255.0, b / 255.0};
}

std::vector<NVolant::DecorPiece> pack()
{
    // Shelves, tallest pieces first; the order of the enum never changes the result's meaning.
    std::vector<int> order(kSizes.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(),
                     [](int a, int b) { return kSizes[static_cast<std::size_t>(a)].h > kSizes[static_cast<std::size_t>(b)].h; });
    std::vector<NVolant::DecorPiece> out(kSizes.size());
    int x = kPad, y = kPad, shelf = 0;
    for (int i : order) {
        const Size s = kSizes[static_cast<std::size_t>(i)];
        if (x + s.w + kPad > kAtlasSize) {
            x = kPad;
            y += shelf + kPad;
            shelf = 0;
        }
        out[static_cast<std::size_t>(i)] = {x, y, s.w, s.h};
        x += s.w + kPad;
        shelf = std::max(shelf, s.h);
    }
    return out;
}

// A radial pool of colour that fades to nothing: shadows, soft soil, snow.
void softDisc(cairo_t* cr, double x, double y, double rx, double ry, Rgb c, double a, double inner = 0.3)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, a);
    cairo_pattern_add_color_stop_rgba(p, inner, c.r, c.g, c.b, a);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

// Fades the ends of a way piece over `fade` pixels and its sides over `edge`, so chains overlap
// without seams.
void fadeMask(cairo_t* cr, int w, double fade)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, w, 0);
    cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(p, fade / w, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(p, 1 - fade / w, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_IN);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_pattern_destroy(p);
}

void band(cairo_t* cr, int w, double y0, double y1, Rgb c, double a = 1)
{
    art::setColor(cr, c, a);
    cairo_rectangle(cr, 0, y0, w, y1 - y0);
    cairo_fill(cr);
}

// Grain that runs along the way, so it reads the same wherever two pieces overlap.
void streaks(cairo_t* cr, art::Rng& rng, int w, double y0, double y1, Rgb c, int n, double a)
{
    for (int i = 0; i < n; ++i) {
        const double y = rng.range(y0, y1);
        art::setColor(cr, art::shade(c, rng.range(0.85, 1.12)), a);
        cairo_rectangle(cr, 0, y, w, rng.range(0.6, 1.6));
        cairo_fill(cr);
    }
}

void drawAsphalt(cairo_t* cr, int w, int h, art::Rng& rng)
{
    const double m = h / 2.0;
    band(cr, w, m - 26, m + 26, rgb(128, 122, 96), 0.55); // worn verge
    band(cr, w, m - 22, m + 22, rgb(112, 110, 92), 0.9);
    band(cr, w, m - 17, m + 17, rgb(74, 76, 78));
    streaks(cr, rng, w, m - 16, m + 16, rgb(80, 82, 84), 40, 0.5);
    band(cr, w, m - 10, m - 6, rgb(68, 69, 71), 0.35); // worn wheel tracks
    band(cr, w, m + 6, m + 10, rgb(68, 69, 71), 0.35);
    band(cr, w, m - 14.5, m - 13.5, rgb(170, 166, 150), 0.45); // edge lines
    band(cr, w, m + 13.5, m + 14.5, rgb(170, 166, 150), 0.45);
    fadeMask(cr, w, 30);
}

void drawTrack(cairo_t* cr, int w, int h, art::Rng& rng)
{
    const double m = h / 2.0;
    band(cr, w, m - 15, m + 15, rgb(140, 120, 86), 0.45);
    band(cr, w, m - 12, m + 12, rgb(132, 112, 80), 0.85);
    streaks(cr, rng, w, m - 11, m + 11, rgb(132, 112, 80), 30, 0.6);
    band(cr, w, m - 9, m - 5, rgb(110, 92, 64), 0.8); // ruts
    band(cr, w, m + 5, m + 9, rgb(110, 92, 64), 0.8);
    band(cr, w, m - 2.5, m + 2.5, rgb(112, 118, 72), 0.6); // grass between the ruts
    fadeMask(cr, w, 30);
}

void drawStreet(cairo_t* cr, int w, int h, art::Rng& rng)
{
    const double m = h / 2.0;
    band(cr, w, m - 30, m + 30, rgb(150, 146, 136));
    band(cr, w, m - 30, m - 29, rgb(120, 116, 108));
    band(cr, w, m + 29, m + 30, rgb(120, 116, 108));
    band(cr, w, m - 20, m + 20, rgb(96, 94, 92)); // kerb
    band(cr, w, m - 19, m + 19, rgb(82, 82, 84));
    streaks(cr, rng, w, m - 18, m + 18, rgb(84, 84, 86), 40, 0.5);
    band(cr, w, m - 12, m - 9, rgb(72, 72, 74), 0.5);
    band(cr, w, m + 9, m + 12, rgb(72, 72, 74), 0.5);
    fadeMask(cr, w, 30);
}

// A field: rows of a crop across a soft-cornered plot, its colour shifting over the plot.
void drawField(cairo_t* cr, int w, int h, art::Rng& rng, Rgb base, Rgb row, double rowGap, double rowWidth)
{
    const double inset = 10;
    art::roundedRect(cr, inset, inset, w - 2 * inset, h - 2 * inset, 10);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, w, h);
    const Rgb a = art::shade(base, 1.08), b = art::shade(base, 0.9);
    cairo_pattern_add_color_stop_rgb(p, 0, a.r, a.g, a.b);
    cairo_pattern_add_color_stop_rgb(p, 1, b.r, b.g, b.b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    for (double y = inset + 3; y < h - inset; y += rowGap) {
        art::setColor(cr, art::shade(row, rng.range(0.92, 1.08)), 0.75);
        cairo_rectangle(cr, inset, y, w - 2 * inset, rowWidth);
        cairo_fill(cr);
    }
    for (int i = 0; i < 6; ++i)
        softDisc(cr, rng.range(30, w - 30), rng.range(30, h - 30), rng.range(25, 60), rng.range(20, 50),
                 art::shade(base, rng.range(0.8, 1.2)), 0.25);
    cairo_restore(cr);
    art::roundedRect(cr, inset, inset, w - 2 * inset, h - 2 * inset, 10);
    art::setColor(cr, art::shade(base, 0.7), 0.5);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void drawMeadow(cairo_t* cr, int w, int h, art::Rng& rng)
{
    softDisc(cr, w / 2.0, h / 2.0, w / 2.0 - 4, h / 2.0 - 4, rgb(120, 140, 76), 0.8, 0.55);
    for (int i = 0; i < 140; ++i) {
        const double x = rng.range(30, w - 30), y = rng.range(30, h - 30);
        const Rgb c = rng.uniform() < 0.12 ? rgb(214, 206, 120) : art::shade(rgb(116, 138, 74), rng.range(0.8, 1.2));
        art::setColor(cr, c, 0.6);
        art::ellipse(cr, x, y, rng.range(1.2, 3.5), rng.range(1.2, 3.5));
        cairo_fill(cr);
    }
}

void drawHedge(cairo_t* cr, int w, int h, art::Rng& rng)
{
    const double m = h / 2.0;
    for (double x = 8; x < w - 8; x += 7)
        softDisc(cr, x + 4, m + 4, 8, 6, rgb(20, 24, 14), 0.3);
    for (double x = 8; x < w - 8; x += 6) {
        art::ellipse(cr, x, m + rng.range(-1.5, 1.5), rng.range(5, 7), rng.range(5, 6.5));
        art::fillLit(cr, art::shade(rgb(66, 92, 46), rng.range(0.9, 1.1)), 0.35);
        cairo_new_path(cr);
    }
}

void crownShadow(cairo_t* cr, double x, double y, double r)
{
    softDisc(cr, x + r * 0.45, y + r * 0.5, r * 1.05, r * 0.95, rgb(14, 18, 10), 0.42, 0.45);
}

void crown(cairo_t* cr, double x, double y, double r, Rgb c, art::Rng& rng)
{
    art::ellipse(cr, x, y, r, r * 0.96);
    art::fillLit(cr, c, 0.35);
    cairo_new_path(cr);
    // Leaf clusters: brighter toward the light.
    for (int i = 0; i < 9; ++i) {
        const double a = rng.range(0, 2 * kPi), d = rng.range(0.2, 0.65) * r;
        const double lx = x + std::cos(a) * d, ly = y + std::sin(a) * d;
        const double lift = 1.0 + 0.25 * (-(lx - x) - (ly - y)) / r;
        art::ellipse(cr, lx, ly, r * 0.32, r * 0.3);
        art::fillLit(cr, art::shade(c, lift), 0.25);
        cairo_new_path(cr);
    }
    softDisc(cr, x - r * 0.35, y - r * 0.4, r * 0.4, r * 0.35, art::shade(c, 1.5), 0.35);
}

void drawClump(cairo_t* cr, int w, int h, art::Rng& rng, const std::vector<Rgb>& colours)
{
    struct T {
        double x, y, r;
        Rgb c;
    };
    std::vector<T> trees;
    for (int i = 0; i < 11; ++i) {
        const double a = rng.range(0, 2 * kPi), d = rng.range(0, 0.28) * w;
        const double r = rng.range(17, 27);
        trees.push_back({w * 0.46 + std::cos(a) * d, h * 0.46 + std::sin(a) * d * 0.9, r,
                         art::shade(colours[static_cast<std::size_t>(i) % colours.size()], rng.range(0.9, 1.08))});
    }
    for (const T& t : trees)
        crownShadow(cr, t.x, t.y, t.r);
    std::sort(trees.begin(), trees.end(), [](const T& a, const T& b) { return a.y + a.x < b.y + b.x; });
    for (const T& t : trees)
        crown(cr, t.x, t.y, t.r, t.c, rng);
}

void drawTree(cairo_t* cr, int w, int h, art::Rng& rng, Rgb c)
{
    const double r = w * 0.3;
    crownShadow(cr, w * 0.42, h * 0.42, r);
    crown(cr, w * 0.42, h * 0.42, r, c, rng);
}

void drawBush(cairo_t* cr, int w, int h, art::Rng& rng, Rgb c)
{
    softDisc(cr, w * 0.52, h * 0.55, w * 0.36, h * 0.3, rgb(14, 18, 10), 0.35);
    for (int i = 0; i < 4; ++i) {
        art::ellipse(cr, w * 0.42 + rng.range(-5, 5), h * 0.42 + rng.range(-5, 5), w * 0.18, h * 0.17);
        art::fillLit(cr, art::shade(c, rng.range(0.9, 1.1)), 0.35);
        cairo_new_path(cr);
    }
}

void rock(cairo_t* cr, double x, double y, double r, Rgb c, art::Rng& rng, bool shadow)
{
    const int n = 7;
    std::array<double, n> k{};
    for (double& v : k)
        v = rng.range(0.75, 1.1);
    auto path = [&](double ox, double oy) {
        for (int i = 0; i < n; ++i) {
            const double a = 2 * kPi * i / n;
            const double px = ox + std::cos(a) * r * k[static_cast<std::size_t>(i)],
                         py = oy + std::sin(a) * r * 0.8 * k[static_cast<std::size_t>(i)];
            if (i == 0)
                cairo_move_to(cr, px, py);
            else
                cairo_line_to(cr, px, py);
        }
        cairo_close_path(cr);
    };
    if (shadow) {
        path(x + r * 0.35, y + r * 0.4);
        art::setColor(cr, rgb(16, 16, 14), 0.35);
        cairo_fill(cr);
    }
    path(x, y);
    art::fillLit(cr, c, 0.4);
    art::strokeLine(cr, art::shade(c, 0.6), 0.5, 1);
    // A lit facet.
    cairo_move_to(cr, x - r * 0.6, y - r * 0.1);
    cairo_line_to(cr, x - r * 0.1, y - r * 0.55);
    cairo_line_to(cr, x + r * 0.2, y - r * 0.15);
    cairo_close_path(cr);
    art::setColor(cr, art::shade(c, 1.3), 0.35);
    cairo_fill(cr);
}

void drawScree(cairo_t* cr, int w, int h, art::Rng& rng)
{
    softDisc(cr, w / 2.0, h / 2.0, w / 2.0 - 6, h / 2.0 - 6, rgb(128, 122, 110), 0.45);
    for (int i = 0; i < 55; ++i) {
        const double a = rng.range(0, 2 * kPi), d = std::sqrt(rng.uniform()) * 0.42;
        rock(cr, w / 2.0 + std::cos(a) * d * w, h / 2.0 + std::sin(a) * d * h, rng.range(2, 6),
             art::shade(rgb(134, 130, 122), rng.range(0.8, 1.15)), rng, true);
    }
}

void drawDrift(cairo_t* cr, int w, int h, art::Rng& rng)
{
    softDisc(cr, w * 0.54, h * 0.58, w * 0.44, h * 0.36, rgb(120, 136, 160), 0.35);
    for (int i = 0; i < 5; ++i)
        softDisc(cr, w * rng.range(0.3, 0.65), h * rng.range(0.35, 0.6), w * rng.range(0.18, 0.3),
                 h * rng.range(0.2, 0.32), rgb(246, 248, 252), 0.8, 0.5);
    softDisc(cr, w * 0.4, h * 0.38, w * 0.22, h * 0.15, rgb(255, 255, 255), 0.6);
}

void drawPine(cairo_t* cr, int w, int h, bool snow)
{
    const double x = w * 0.45, y = h * 0.45, r = w * 0.34;
    softDisc(cr, x + r * 0.5, y + r * 0.55, r * 1.1, r * 0.9, rgb(20, 24, 30), 0.4);
    for (int ring = 0; ring < 3; ++ring) {
        const double rr = r * (1.0 - ring * 0.28);
        cairo_new_path(cr);
        for (int i = 0; i < 16; ++i) {
            const double a = 2 * kPi * i / 16;
            const double d = i % 2 ? rr * 0.7 : rr;
            if (i == 0)
                cairo_move_to(cr, x + std::cos(a) * d, y + std::sin(a) * d);
            else
                cairo_line_to(cr, x + std::cos(a) * d, y + std::sin(a) * d);
        }
        cairo_close_path(cr);
        art::fillLit(cr, art::shade(rgb(44, 70, 52), 1.0 + ring * 0.12), 0.35);
        cairo_new_path(cr);
        if (snow) {
            softDisc(cr, x - rr * 0.3, y - rr * 0.3, rr * 0.55, rr * 0.45, rgb(240, 244, 250), 0.75, 0.5);
        }
    }
}

// A pitched roof seen from above: two slopes, the one facing the light brighter, tiles in
// courses, a ridge, a chimney; a house is never a concrete block.
void drawRoof(cairo_t* cr, int w, int h, Rgb c, bool upright, bool tiles)
{
    const double x0 = 8, y0 = 8, rw = w - 22, rh = h - 22;
    cairo_rectangle(cr, x0 + 8, y0 + 8, rw, rh);
    art::setColor(cr, rgb(16, 16, 14), 0.38);
    cairo_fill(cr);
    const Rgb lit = art::shade(c, 1.18), dark = art::shade(c, 0.72);
    if (!upright) {
        cairo_rectangle(cr, x0, y0, rw, rh / 2);
        art::setColor(cr, lit);
        cairo_fill(cr);
        cairo_rectangle(cr, x0, y0 + rh / 2, rw, rh / 2);
        art::setColor(cr, dark);
        cairo_fill(cr);
        for (double y = y0 + 4; y < y0 + rh; y += tiles ? 4.5 : 6) {
            cairo_rectangle(cr, x0, y, rw, 0.8);
            art::setColor(cr, rgb(0, 0, 0), 0.18);
            cairo_fill(cr);
        }
        cairo_rectangle(cr, x0, y0 + rh / 2 - 1.5, rw, 3);
        art::setColor(cr, art::shade(c, 0.55));
        cairo_fill(cr);
    } else {
        cairo_rectangle(cr, x0, y0, rw / 2, rh);
        art::setColor(cr, lit);
        cairo_fill(cr);
        cairo_rectangle(cr, x0 + rw / 2, y0, rw / 2, rh);
        art::setColor(cr, dark);
        cairo_fill(cr);
        for (double x = x0 + 4; x < x0 + rw; x += tiles ? 4.5 : 6) {
            cairo_rectangle(cr, x, y0, 0.8, rh);
            art::setColor(cr, rgb(0, 0, 0), 0.18);
            cairo_fill(cr);
        }
        cairo_rectangle(cr, x0 + rw / 2 - 1.5, y0, 3, rh);
        art::setColor(cr, art::shade(c, 0.55));
        cairo_fill(cr);
    }
    cairo_rectangle(cr, x0, y0, rw, rh);
    art::strokeLine(cr, art::shade(c, 0.5), 0.8, 1.2);
    // Chimney with its own little shadow.
    const double cx = x0 + rw * 0.72, cy = y0 + rh * 0.22;
    cairo_rectangle(cr, cx + 3, cy + 3, 7, 7);
    art::setColor(cr, rgb(10, 10, 10), 0.35);
    cairo_fill(cr);
    cairo_rectangle(cr, cx, cy, 7, 7);
    art::fillLit(cr, rgb(150, 120, 100), 0.3);
    cairo_new_path(cr);
    cairo_rectangle(cr, cx + 1.5, cy + 1.5, 4, 4);
    art::setColor(cr, rgb(30, 26, 24));
    cairo_fill(cr);
}

void drawYard(cairo_t* cr, int w, int h, art::Rng& rng)
{
    art::roundedRect(cr, 6, 6, w - 12, h - 12, 6);
    art::setColor(cr, rgb(118, 128, 78), 0.9);
    cairo_fill_preserve(cr);
    art::strokeLine(cr, rgb(92, 78, 58), 0.8, 1.5); // fence
    // Vegetable beds and a path.
    for (int i = 0; i < 5; ++i) {
        cairo_rectangle(cr, 16 + i * 14, 20, 9, h * 0.45);
        art::setColor(cr, i % 2 ? rgb(104, 86, 62) : rgb(90, 116, 60), 0.85);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, 6, h * 0.7, w - 12, 8);
    art::setColor(cr, rgb(170, 156, 120), 0.8);
    cairo_fill(cr);
    for (int i = 0; i < 3; ++i) {
        const double x = rng.range(w * 0.65, w - 24), y = rng.range(22, h * 0.55);
        crownShadow(cr, x, y, 9);
        crown(cr, x, y, 9, rgb(84, 118, 58), rng);
    }
}

void drawReeds(cairo_t* cr, int w, int h, art::Rng& rng)
{
    softDisc(cr, w / 2.0, h / 2.0, w / 2.0 - 4, h / 2.0 - 4, rgb(92, 100, 56), 0.5);
    for (int i = 0; i < 140; ++i) {
        const double a = rng.range(0, 2 * kPi), d = std::sqrt(rng.uniform()) * 0.44;
        const double x = w / 2.0 + std::cos(a) * d * w, y = h / 2.0 + std::sin(a) * d * h;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + rng.range(-3, 1), y - rng.range(3, 7));
        art::strokeLine(cr, art::shade(rgb(128, 132, 70), rng.range(0.75, 1.2)), 0.85, 1.1);
        if (rng.uniform() < 0.1) {
            art::ellipse(cr, x, y - 6, 1.2, 2.5);
            art::setColor(cr, rgb(96, 70, 46));
            cairo_fill(cr);
        }
    }
}

void drawSand(cairo_t* cr, int w, int h, art::Rng& rng)
{
    softDisc(cr, w / 2.0, h / 2.0, w / 2.0 - 4, h / 2.0 - 4, rgb(196, 180, 138), 0.85, 0.45);
    for (int i = 0; i < 5; ++i)
        softDisc(cr, rng.range(40, w - 40), rng.range(25, h - 25), rng.range(15, 35), rng.range(8, 16),
                 rgb(214, 200, 160), 0.5);
    for (int i = 0; i < 30; ++i) {
        art::ellipse(cr, rng.range(30, w - 30), rng.range(20, h - 20), 1.5, 1.2);
        art::setColor(cr, rgb(140, 128, 104), 0.6);
        cairo_fill(cr);
    }
}

void drawShrub(cairo_t* cr, int w, int h, art::Rng& rng)
{
    softDisc(cr, w * 0.56, h * 0.58, w * 0.32, h * 0.26, rgb(40, 30, 16), 0.35);
    for (int i = 0; i < 14; ++i) {
        const double a = rng.range(0, 2 * kPi);
        cairo_move_to(cr, w * 0.45, h * 0.45);
        cairo_line_to(cr, w * 0.45 + std::cos(a) * w * 0.3, h * 0.45 + std::sin(a) * h * 0.3);
        art::strokeLine(cr, rgb(112, 104, 66), 0.9, 1.4);
    }
    for (int i = 0; i < 5; ++i)
        softDisc(cr, w * 0.45 + rng.range(-6, 6), h * 0.45 + rng.range(-6, 6), 5, 4, rgb(124, 124, 76), 0.7);
}

void drawDune(cairo_t* cr, int w, int h)
{
    // A crescent: the windward slope lit, the slip face in shade toward the lower right.
    cairo_save(cr);
    cairo_translate(cr, w / 2.0, h / 2.0);
    softDisc(cr, 0, 0, w * 0.46, h * 0.42, rgb(214, 190, 140), 0.7, 0.4);
    softDisc(cr, w * 0.1, h * 0.12, w * 0.34, h * 0.18, rgb(138, 106, 68), 0.7, 0.35);
    softDisc(cr, -w * 0.1, -h * 0.1, w * 0.32, h * 0.2, rgb(240, 226, 186), 0.7, 0.35);
    // The crest line between the lit slope and the slip face.
    cairo_move_to(cr, -w * 0.36, h * 0.02);
    cairo_curve_to(cr, -w * 0.15, -h * 0.08, w * 0.15, -h * 0.02, w * 0.36, h * 0.1);
    art::strokeLine(cr, rgb(250, 238, 204), 0.45, 2.5);
    cairo_restore(cr);
}

// White, with soft irregular edges: the prop colour gives it its tint and strength.
void drawPatch(cairo_t* cr, int w, int h, art::Rng& rng)
{
    for (int i = 0; i < 7; ++i) {
        const double rx = w * rng.range(0.16, 0.26), ry = h * rng.range(0.16, 0.26);
        softDisc(cr, w / 2.0 + rng.range(-0.17, 0.17) * w, h / 2.0 + rng.range(-0.17, 0.17) * h, rx, ry,
                 rgb(255, 255, 255), 0.45, 0.2);
    }
}

void drawPiece(cairo_t* cr, Piece p, int w, int h)
{
    art::Rng rng(static_cast<std::uint32_t>(p) * 7919u + 17u);
    const Rgb green = rgb(76, 104, 58), green2 = rgb(62, 92, 54), green3 = rgb(92, 112, 62);
    switch (p) {
    case Piece::Asphalt: return drawAsphalt(cr, w, h, rng);
    case Piece::Track: return drawTrack(cr, w, h, rng);
    case Piece::Street: return drawStreet(cr, w, h, rng);
    case Piece::Wheat: return drawField(cr, w, h, rng, rgb(186, 162, 96), rgb(160, 136, 78), 7, 2.5);
    case Piece::GreenCrop: return drawField(cr, w, h, rng, rgb(104, 130, 68), rgb(80, 104, 56), 8, 3.5);
    case Piece::Rape: return drawField(cr, w, h, rng, rgb(188, 176, 84), rgb(150, 150, 70), 9, 2);
    case Piece::Plough: return drawField(cr, w, h, rng, rgb(112, 88, 62), rgb(86, 66, 46), 5, 2);
    case Piece::Meadow: return drawMeadow(cr, w, h, rng);
    case Piece::Hedge: return drawHedge(cr, w, h, rng);
    case Piece::ClumpGreen: return drawClump(cr, w, h, rng, {green, green2, green3});
    case Piece::ClumpAutumn:
        return drawClump(cr, w, h, rng, {rgb(170, 108, 50), rgb(182, 146, 64), rgb(128, 112, 56), rgb(150, 72, 44)});
    case Piece::TreeGreen: return drawTree(cr, w, h, rng, green);
    case Piece::TreeAutumn: return drawTree(cr, w, h, rng, rgb(176, 118, 52));
    case Piece::Bush: return drawBush(cr, w, h, rng, rgb(90, 110, 62));
    case Piece::Boulder: return rock(cr, w * 0.44, h * 0.44, w * 0.3, rgb(140, 136, 126), rng, true);
    case Piece::Scree: return drawScree(cr, w, h, rng);
    case Piece::Drift: return drawDrift(cr, w, h, rng);
    case Piece::Pine: return drawPine(cr, w, h, true);
    case Piece::RoofRed: return drawRoof(cr, w, h, rgb(164, 86, 60), false, true);
    case Piece::RoofSlate: return drawRoof(cr, w, h, rgb(112, 88, 70), false, false); // wooden shingles
    case Piece::RoofRedTall: return drawRoof(cr, w, h, rgb(156, 92, 64), true, true);
    case Piece::Yard: return drawYard(cr, w, h, rng);
    case Piece::Reeds: return drawReeds(cr, w, h, rng);
    case Piece::SandBank: return drawSand(cr, w, h, rng);
    case Piece::Shrub: return drawShrub(cr, w, h, rng);
    case Piece::Dune: return drawDune(cr, w, h);
    case Piece::Patch: return drawPatch(cr, w, h, rng);
    case Piece::PatchLong: return drawPatch(cr, w, h, rng);
    case Piece::Count: break;
    }
}

Image fromSurface(cairo_surface_t* s, int w, int h)
{
    cairo_surface_flush(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    Image img(w, h);
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t v = row[x], a = v >> 24;
            std::uint8_t* p = img.at(x, y);
            for (int c = 0; c < 3; ++c) {
                const std::uint32_t pre = (v >> (16 - 8 * c)) & 0xFF;
                p[c] = static_cast<std::uint8_t>(a == 0 ? 0 : std::min<std::uint32_t>(255, (pre * 255 + a / 2) / a));
            }
            p[3] = static_cast<std::uint8_t>(a);
        }
    }
    return img;
}

} // namespace

const std::vector<NVolant::DecorPiece>& layout()
{
    static const std::vector<NVolant::DecorPiece> pieces = pack();
    return pieces;
}

Image atlas()
{
    const auto& pieces = layout();
    int height = 0;
    for (const auto& p : pieces)
        height = std::max(height, p.y + p.height + kPad);
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kAtlasSize, height);
    cairo_t* cr = cairo_create(s);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const auto& r = pieces[i];
        cairo_save(cr);
        cairo_rectangle(cr, r.x, r.y, r.width, r.height);
        cairo_clip(cr);
        cairo_translate(cr, r.x, r.y);
        cairo_push_group(cr);
        drawPiece(cr, static_cast<Piece>(i), r.width, r.height);
        cairo_pop_group_to_source(cr);
        cairo_paint(cr);
        cairo_restore(cr);
    }
    cairo_destroy(cr);
    Image img = fromSurface(s, kAtlasSize, height);
    cairo_surface_destroy(s);
    return img;
}

Image clouds()
{
    constexpr int kSize = 512;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kSize, kSize);
    cairo_t* cr = cairo_create(s);
    art::Rng rng(0xC10D);
    for (int i = 0; i < 22; ++i) {
        const double a = rng.range(0, 2 * kPi), d = rng.range(0, 110);
        softDisc(cr, kSize / 2.0 + std::cos(a) * d * 1.2, kSize / 2.0 + std::sin(a) * d * 0.8, rng.range(60, 120),
                 rng.range(50, 95), rgb(255, 255, 255), 0.3, 0.1);
    }
    cairo_destroy(cr);
    Image img = fromSurface(s, kSize, kSize);
    cairo_surface_destroy(s);
    return img;
}

} // namespace datagen::levels::decor_art
