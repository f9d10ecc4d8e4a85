#include "art/ArtParts.h"
#include "art/Draw.h"
#include "art/Text.h"

#include <cmath>
#include <cstdio>

namespace datagen::art {

namespace {

constexpr int kSize = 40, kFrames = 8;

void miniMissile(cairo_t* cr, double x, double y, double angle, double s)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_scale(cr, s, s);
    mirroredShape(cr, {{0, -8}, {1.6, -5}, {1.6, 4}, {3.6, 7}, {3.6, 8}, {0, 7}});
    setColor(cr, pal::white);
    cairo_fill_preserve(cr);
    strokeLine(cr, pal::black, 0.6, 0.8);
    mirroredShape(cr, {{0, -8}, {1.6, -5}, {1.6, -4}});
    setColor(cr, pal::red);
    cairo_fill(cr);
    cairo_restore(cr);
}

void miniBullet(cairo_t* cr, double x, double y, double s)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, s, s);
    mirroredShape(cr, {{0, -8}, {2.4, -4}, {2.4, 7}});
    cairo_pattern_t* p = cairo_pattern_create_linear(-2.4, 0, 2.4, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.9, 0.5);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.7, 0.45, 0.1);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    strokeLine(cr, pal::black, 0.6, 0.7);
    cairo_restore(cr);
}

void wrench(cairo_t* cr, double angle, Rgb c)
{
    cairo_save(cr);
    cairo_rotate(cr, angle);
    for (int pass = 0; pass < 2; ++pass) {
        // an open ring jaw on a handle
        cairo_new_sub_path(cr);
        cairo_arc(cr, 0, -8, 3.6, -kPi / 2 + 0.75, 3 * kPi / 2 - 0.75);
        cairo_move_to(cr, 0, -4.5);
        cairo_line_to(cr, 0, 9);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        if (pass == 0)
            strokeLine(cr, pal::black, 0.6, 5);
        else
            strokeLine(cr, c, 1, 3);
    }
    cairo_restore(cr);
}

void plus(cairo_t* cr, double x, double y, double s)
{
    polygon(cr, {{x - s * 0.3, y - s},
                 {x + s * 0.3, y - s},
                 {x + s * 0.3, y - s * 0.3},
                 {x + s, y - s * 0.3},
                 {x + s, y + s * 0.3},
                 {x + s * 0.3, y + s * 0.3},
                 {x + s * 0.3, y + s},
                 {x - s * 0.3, y + s},
                 {x - s * 0.3, y + s * 0.3},
                 {x - s, y + s * 0.3},
                 {x - s, y - s * 0.3},
                 {x - s * 0.3, y - s * 0.3}});
    setColor(cr, pal::white);
    cairo_fill_preserve(cr);
    strokeLine(cr, pal::black, 0.7, 0.9);
}

void icon(cairo_t* cr, int kind, double t)
{
    switch (kind) {
    case 1: // kill all: a fan of missiles
        for (int i = -2; i <= 2; ++i)
            miniMissile(cr, i * 4.5, 1 + std::abs(i) * 1.5, i * 0.32, 0.8);
        break;
    case 2: // more damage: a heavy shell with a plus
        miniBullet(cr, -3, 0, 1.25);
        plus(cr, 6, -5, 4.5);
        break;
    case 3: // double fire
        miniBullet(cr, -4, 0, 1.0);
        miniBullet(cr, 4, 0, 1.0);
        break;
    case 4: // double missile
        miniMissile(cr, -4, 0, 0, 1.0);
        miniMissile(cr, 4, 0, 0, 1.0);
        break;
    case 5: { // stealth: a fading plane outline
        const double a = 0.45 + 0.35 * std::sin(t * 2 * kPi);
        cairo_save(cr);
        cairo_scale(cr, 0.42, 0.42);
        mirroredShape(
            cr,
            {{0, -29}, {5, -20}, {5, -6}, {31, 0}, {30, 8}, {4, 11}, {3, 18}, {12, 21}, {12, 25}, {0, 26}});
        cairo_restore(cr);
        setColor(cr, pal::white, a);
        cairo_fill_preserve(cr);
        const double dash[2] = {2.0, 1.5};
        cairo_set_dash(cr, dash, 2, 0);
        strokeLine(cr, pal::white, 0.95, 1.0);
        cairo_set_dash(cr, nullptr, 0, 0);
        break;
    }
    case 6: // four missiles
        for (int i = 0; i < 4; ++i)
            miniMissile(cr, -7.5 + i * 5, 0, 0, 0.82);
        break;
    case 7: // auto aim: a crosshair
        cairo_arc(cr, 0, 0, 8, 0, 2 * kPi);
        strokeLine(cr, pal::white, 1, 2);
        for (int i = 0; i < 4; ++i) {
            const double a = i * kPi / 2 + t * kPi / 2;
            cairo_move_to(cr, std::cos(a) * 4, std::sin(a) * 4);
            cairo_line_to(cr, std::cos(a) * 12, std::sin(a) * 12);
        }
        strokeLine(cr, pal::white, 1, 2);
        ellipse(cr, 0, 0, 2, 2);
        setColor(cr, pal::red);
        cairo_fill(cr);
        break;
    case 8: // repair: a wrench
        wrench(cr, 0.7, {0.92, 0.92, 0.95});
        break;
    case 9: // full repair: crossed wrenches
        wrench(cr, 0.7, {1.0, 0.9, 0.5});
        wrench(cr, -0.7, {1.0, 0.9, 0.5});
        break;
    default: { // extra hull: a shield with a plus
        cairo_move_to(cr, 0, -11);
        cairo_curve_to(cr, 5, -8, 8, -9, 9, -9);
        cairo_curve_to(cr, 9, 2, 6, 8, 0, 12);
        cairo_curve_to(cr, -6, 8, -9, 2, -9, -9);
        cairo_curve_to(cr, -8, -9, -5, -8, 0, -11);
        cairo_close_path(cr);
        fillLit(cr, {0.75, 0.78, 0.82}, 0.4);
        strokeLine(cr, pal::black, 0.7, 1);
        plus(cr, 0, 0, 5);
        break;
    }
    }
}

// Each kind has its own colour, so a glance tells them apart even before the icon is read.
const Rgb kColors[10] = {
    {0.85, 0.15, 0.12}, // kill all: red
    {0.95, 0.5, 0.1},   // damage: orange
    {0.9, 0.75, 0.1},   // double fire: yellow
    {0.25, 0.65, 0.2},  // double missile: green
    {0.5, 0.3, 0.75},   // stealth: violet
    {0.1, 0.6, 0.6},    // four missiles: teal
    {0.2, 0.5, 0.9},    // auto aim: blue
    {0.45, 0.5, 0.55},  // repair: steel
    {0.7, 0.55, 0.15},  // full repair: bronze
    {0.15, 0.3, 0.6},   // hull: navy
};

} // namespace

void paintBonus(cairo_t* cr, int kind, int frame)
{
    const double t = static_cast<double>(frame) / kFrames;
    const Rgb c = kColors[kind - 1];
    // glow that breathes with the frames
    const double glow = 0.35 + 0.25 * std::sin(t * 2 * kPi);
    cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 12, 0, 0, 20);
    cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, glow);
    cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    // metal rim and coloured face
    ellipse(cr, 0, 0, 16, 16);
    fillLit(cr, {0.75, 0.77, 0.8}, 0.45);
    strokeLine(cr, pal::black, 0.8, 1.0);
    ellipse(cr, 0, 0, 13, 13);
    cairo_pattern_t* f = cairo_pattern_create_radial(-4, -5, 1, 0, 0, 14);
    const Rgb hi = shade(c, 1.45), lo = shade(c, 0.55);
    cairo_pattern_add_color_stop_rgb(f, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(f, 0.6, c.r, c.g, c.b);
    cairo_pattern_add_color_stop_rgb(f, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, f);
    cairo_fill(cr);
    cairo_pattern_destroy(f);
    cairo_save(cr);
    ellipse(cr, 0, 0, 13, 13);
    cairo_clip(cr);
    icon(cr, kind, t);
    // a glint sweeping across the face
    const double gx = -22 + t * 44;
    polygon(cr, {{gx - 3, -16}, {gx + 3, -16}, {gx - 5, 16}, {gx - 11, 16}});
    setColor(cr, pal::white, 0.35);
    cairo_fill(cr);
    cairo_restore(cr);
    ellipse(cr, -5, -7, 4, 2.2);
    setColor(cr, pal::white, 0.4);
    cairo_fill(cr);
}

void generateBonuses(const DataTree& tree, SpriteBook* book)
{
    for (int kind = 1; kind <= 10; ++kind) {
        char dir[32];
        std::snprintf(dir, sizeof dir, "dat/bonus%02d/", kind);
        const std::string d = dir;
        writeStripSprite(tree, book, d + "sprite.xml", d + "bonus.png", kSize, kSize, kFrames, 1, 0,
                         [kind](cairo_t* cr, int f, int) { paintBonus(cr, kind, f); });
    }
}

} // namespace datagen::art
