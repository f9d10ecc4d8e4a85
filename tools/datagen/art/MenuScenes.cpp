#include "art/ArtParts.h"
#include "art/Canvas.h"
#include "art/Text.h"

#include "common/DataTree.h"

#include <algorithm>
#include <cmath>

namespace datagen::art {

namespace {

// Where the main menu puts its decorations: the barrel sprite's top-left corner and the weld point
// (the spark emitter), both in screen pixels.
constexpr double kBarrelX = 262, kBarrelY = 313;
constexpr double kWeldX = 281, kWeldY = 331;
constexpr int kBarrelW = 96, kBarrelH = 112, kBarrelFrames = 10;

void glow(cairo_t* cr, double x, double y, double r, Rgb c, double alpha)
{
    cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, r);
    cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, alpha);
    cairo_pattern_add_color_stop_rgba(p, 0.4, c.r, c.g, c.b, alpha * 0.45);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void title(cairo_t* cr, double cx, double y, double size)
{
    selectFont(cr, size, true);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, "SKYVANE", &ext);
    const double x = cx - ext.x_advance / 2;
    const double base = y + size * 0.73;
    glow(cr, cx, y + size * 0.4, ext.x_advance * 0.7, {0.4, 0.65, 1.0}, 0.35);
    cairo_move_to(cr, x + 4, base + 5);
    cairo_text_path(cr, "SKYVANE");
    setColor(cr, pal::black, 0.55);
    cairo_fill(cr);
    cairo_move_to(cr, x, base);
    cairo_text_path(cr, "SKYVANE");
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColor(cr, {0.03, 0.07, 0.16});
    cairo_set_line_width(cr, size * 0.12);
    cairo_stroke_preserve(cr);
    setColor(cr, pal::blue);
    cairo_set_line_width(cr, size * 0.05);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + size * 0.75);
    cairo_pattern_add_color_stop_rgb(p, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(p, 0.45, 0.78, 0.82, 0.88);
    cairo_pattern_add_color_stop_rgb(p, 0.5, 0.5, 0.56, 0.64);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.85, 0.9, 0.96);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void paintIntro(cairo_t* cr)
{
    // dusk sky over a river valley
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 380);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.05, 0.09, 0.22);
    cairo_pattern_add_color_stop_rgb(sky, 0.55, 0.22, 0.3, 0.52);
    cairo_pattern_add_color_stop_rgb(sky, 0.85, 0.85, 0.55, 0.35);
    cairo_pattern_add_color_stop_rgb(sky, 1, 1.0, 0.78, 0.45);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);
    glow(cr, 300, 372, 260, {1.0, 0.85, 0.55}, 0.7);
    Rng rng(2024);
    for (int i = 0; i < 60; ++i) {
        ellipse(cr, rng.range(0, 800), rng.range(0, 160), 0.9, 0.9);
        setColor(cr, pal::white, rng.range(0.2, 0.7));
        cairo_fill(cr);
    }
    // layered ridges, farther ones paler
    for (int layer = 0; layer < 4; ++layer) {
        const double base = 360 + layer * 40;
        const Rgb c = mix({0.55, 0.5, 0.55}, {0.1, 0.16, 0.1}, layer / 3.0);
        cairo_move_to(cr, 0, 600);
        for (int x = 0; x <= 800; x += 10) {
            const double h = std::sin(x * 0.011 + layer * 1.7) * 18 + std::sin(x * 0.031 + layer) * 8 +
                             std::sin(x * 0.007 + layer * 3.1) * 22;
            cairo_line_to(cr, x, base - h - (layer == 0 ? 10 : 0));
        }
        cairo_line_to(cr, 800, 600);
        cairo_close_path(cr);
        setColor(cr, c);
        cairo_fill(cr);
    }
    // the river winding toward the sun
    cairo_move_to(cr, 296, 372);
    cairo_curve_to(cr, 330, 420, 250, 470, 310, 520);
    cairo_curve_to(cr, 350, 555, 300, 580, 280, 600);
    cairo_line_to(cr, 430, 600);
    cairo_curve_to(cr, 440, 570, 400, 540, 370, 515);
    cairo_curve_to(cr, 320, 470, 340, 420, 304, 372);
    cairo_close_path(cr);
    cairo_pattern_t* river = cairo_pattern_create_linear(0, 372, 0, 600);
    cairo_pattern_add_color_stop_rgb(river, 0, 1.0, 0.88, 0.62);
    cairo_pattern_add_color_stop_rgb(river, 1, 0.25, 0.4, 0.55);
    cairo_set_source(cr, river);
    cairo_fill(cr);
    cairo_pattern_destroy(river);
    // the player's plane climbing out of the valley, with its shadow on the ground
    cairo_push_group(cr);
    cairo_save(cr);
    cairo_translate(cr, 590, 430);
    cairo_rotate(cr, -0.3);
    cairo_scale(cr, 3.4, 3.4);
    paintPlayerShape(cr, 1, 6);
    cairo_restore(cr);
    cairo_pattern_t* plane = cairo_pop_group(cr);
    cairo_save(cr);
    cairo_translate(cr, 40, 70);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_mask(cr, plane);
    cairo_restore(cr);
    cairo_set_source(cr, plane);
    cairo_paint(cr);
    cairo_pattern_destroy(plane);
    // escorts far off
    for (int i = 0; i < 2; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 150 + i * 70, 250 + i * 30);
        cairo_rotate(cr, -0.4);
        cairo_scale(cr, 0.8, 0.8);
        paintPlayerShape(cr, i, 4);
        cairo_restore(cr);
    }
    title(cr, 400, 70, 104);
    TextStyle sub;
    sub.size = 22;
    sub.align = Align::Centre;
    sub.color = pal::cream;
    sub.shadow = true;
    drawText(cr, "R I V E R   V A L L E Y   S T R I K E", 400, 190, sub);
    sub.size = 12;
    sub.color = {0.8, 0.82, 0.85};
    drawText(cr, "Corvidane presents", 400, 570, sub);
}

void crate(cairo_t* cr, double x, double y, double s, double angle)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_rectangle(cr, -s / 2, -s / 2, s, s);
    fillLit(cr, {0.55, 0.42, 0.25}, 0.3);
    strokeLine(cr, {0.25, 0.18, 0.1}, 1, 2);
    cairo_move_to(cr, -s / 2, -s / 2);
    cairo_line_to(cr, s / 2, s / 2);
    cairo_move_to(cr, s / 2, -s / 2);
    cairo_line_to(cr, -s / 2, s / 2);
    strokeLine(cr, {0.3, 0.22, 0.12}, 0.8, 2.5);
    cairo_restore(cr);
}

void drum(cairo_t* cr, double x, double y, double r, Rgb c)
{
    ellipse(cr, x + 5, y + 6, r, r);
    setColor(cr, pal::black, 0.35);
    cairo_fill(cr);
    ellipse(cr, x, y, r, r);
    fillLit(cr, c, 0.4);
    strokeLine(cr, shade(c, 0.4), 1, 1.5);
    ellipse(cr, x, y, r * 0.78, r * 0.78);
    strokeLine(cr, shade(c, 0.55), 0.8, 1.2);
    ellipse(cr, x - r * 0.4, y - r * 0.35, r * 0.14, r * 0.14);
    setColor(cr, {0.15, 0.15, 0.15});
    cairo_fill(cr);
}

void paintHangar(cairo_t* cr)
{
    // concrete floor in slabs, stained and worn
    setColor(cr, {0.42, 0.43, 0.42});
    cairo_paint(cr);
    Rng rng(77);
    for (int i = 0; i < 90; ++i) {
        const double x = rng.range(0, 800), y = rng.range(0, 600), r = rng.range(10, 60);
        glow(cr, x, y, r, rng.uniform() < 0.5 ? Rgb{0.3, 0.3, 0.29} : Rgb{0.55, 0.55, 0.53}, 0.25);
    }
    for (int x = 0; x <= 800; x += 100) {
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x, 600);
    }
    for (int y = 0; y <= 600; y += 100) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, 800, y);
    }
    strokeLine(cr, {0.25, 0.25, 0.25}, 0.6, 1.5);
    // parking box and taxi line
    cairo_rectangle(cr, 40, 130, 320, 330);
    strokeLine(cr, {0.9, 0.75, 0.2}, 0.8, 4);
    cairo_move_to(cr, 200, 460);
    cairo_line_to(cr, 200, 600);
    const double dash[2] = {18.0, 12.0};
    cairo_set_dash(cr, dash, 2, 0);
    strokeLine(cr, {0.9, 0.75, 0.2}, 0.8, 4);
    cairo_set_dash(cr, nullptr, 0, 0);
    // oil patch under the engine
    glow(cr, 205, 200, 50, {0.1, 0.1, 0.1}, 0.45);
    // the plane under repair, with its shadow
    cairo_push_group(cr);
    cairo_save(cr);
    cairo_translate(cr, 200, 300);
    cairo_scale(cr, 4, 4);
    paintPlayerShape(cr, 0, 4);
    cairo_restore(cr);
    cairo_pattern_t* plane = cairo_pop_group(cr);
    cairo_save(cr);
    cairo_translate(cr, 14, 18);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_mask(cr, plane);
    cairo_restore(cr);
    cairo_set_source(cr, plane);
    cairo_paint(cr);
    cairo_pattern_destroy(plane);
    // clutter: crates, drums, a tool chest, a hose to the welding set
    crate(cr, 70, 90, 44, 0.1);
    crate(cr, 115, 70, 34, -0.2);
    crate(cr, 440, 560, 40, 0.3);
    drum(cr, 470, 110, 22, {0.3, 0.42, 0.25});
    drum(cr, 430, 80, 22, {0.55, 0.15, 0.1});
    drum(cr, 60, 540, 22, {0.3, 0.42, 0.25});
    drum(cr, 105, 560, 22, {0.3, 0.42, 0.25});
    roundedRect(cr, 330, 470, 70, 40, 4);
    fillLit(cr, {0.75, 0.15, 0.1}, 0.35);
    strokeLine(cr, {0.3, 0.05, 0.03}, 1, 1.5);
    for (double y : {480.0, 490.0, 500.0}) {
        cairo_move_to(cr, 336, y);
        cairo_line_to(cr, 394, y);
    }
    strokeLine(cr, {0.2, 0.05, 0.03}, 0.7, 1);
    // welding set with its cable running to the mechanic
    roundedRect(cr, 390, 380, 46, 34, 4);
    fillLit(cr, {0.85, 0.65, 0.1}, 0.35);
    strokeLine(cr, {0.3, 0.2, 0.02}, 1, 1.5);
    cairo_move_to(cr, 390, 398);
    cairo_curve_to(cr, 360, 420, 350, 380, kBarrelX + 60, kBarrelY + 60);
    strokeLine(cr, {0.08, 0.08, 0.08}, 1, 3);
    // overhead lamps
    for (double x : {200.0, 640.0})
        glow(cr, x, 300, 300, {1.0, 0.92, 0.75}, 0.18);
    // dark edges of the hall
    cairo_pattern_t* v = cairo_pattern_create_radial(400, 300, 200, 400, 300, 520);
    cairo_pattern_add_color_stop_rgba(v, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(v, 1, 0, 0, 0, 0.6);
    cairo_set_source(cr, v);
    cairo_paint(cr);
    cairo_pattern_destroy(v);
    // a darker band at the top behind the welcome line
    cairo_pattern_t* band = cairo_pattern_create_linear(0, 0, 0, 95);
    cairo_pattern_add_color_stop_rgba(band, 0, 0.02, 0.03, 0.05, 0.75);
    cairo_pattern_add_color_stop_rgba(band, 1, 0.02, 0.03, 0.05, 0);
    cairo_set_source(cr, band);
    cairo_paint(cr);
    cairo_pattern_destroy(band);
}

// The mechanic sits on an oil drum and welds the plane's wing; the sprite's top-left corner sits at
// (262, 313) and the torch tip at the weld point (281, 331).
void paintMechanic(cairo_t* cr, int frame)
{
    const double tipX = kWeldX - kBarrelX, tipY = kWeldY - kBarrelY;
    const bool welding = frame >= 2;
    const double jitter = welding ? std::sin(frame * 2.1) * 0.8 : 0;
    drum(cr, 56, 74, 28, {0.2, 0.35, 0.55});
    // legs hanging over the drum's edge
    for (double s : {-1.0, 1.0}) {
        roundedRect(cr, 50 + s * 9 - 5, 78, 10, 30, 4);
        fillLit(cr, {0.22, 0.3, 0.42}, 0.3);
        strokeLine(cr, pal::black, 0.5, 1);
        ellipse(cr, 50 + s * 9, 108, 6, 4.5);
        setColor(cr, {0.12, 0.1, 0.08});
        cairo_fill(cr);
    }
    // torso in overalls
    ellipse(cr, 54, 66, 17, 13);
    fillLit(cr, {0.3, 0.4, 0.55}, 0.35);
    strokeLine(cr, pal::black, 0.5, 1);
    // arms reaching to the torch
    const double handX = welding ? tipX + 9 + jitter : tipX + 20, handY = welding ? tipY + 9 : tipY + 24;
    for (double s : {-1.0, 1.0}) {
        cairo_move_to(cr, 54 + s * 13, 60);
        cairo_curve_to(cr, 50 + s * 8, 46, handX + 12, handY + 10, handX + (s > 0 ? 4 : 0),
                       handY + (s > 0 ? 4 : 0));
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        strokeLine(cr, {0.28, 0.38, 0.52}, 1, 7);
    }
    ellipse(cr, handX, handY, 4, 4);
    setColor(cr, {0.25, 0.2, 0.15});
    cairo_fill(cr);
    // the torch
    cairo_move_to(cr, handX + 2, handY + 2);
    cairo_line_to(cr, tipX + (welding ? jitter : 8), tipY + (welding ? 0 : 10));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    strokeLine(cr, {0.15, 0.15, 0.16}, 1, 3);
    // head with welding mask (down while welding)
    ellipse(cr, 48, 54, 10, 10);
    if (welding) {
        fillLit(cr, {0.2, 0.21, 0.22}, 0.4);
        cairo_new_path(cr);
        roundedRect(cr, 40, 47, 10, 5, 1.5);
        setColor(cr, {0.1, 0.35, 0.2}, 0.95);
        cairo_fill(cr);
    } else {
        fillLit(cr, {0.85, 0.65, 0.5}, 0.35);
        cairo_new_path(cr);
        ellipse(cr, 51, 50, 9, 6);
        fillLit(cr, {0.2, 0.21, 0.22}, 0.4);
        cairo_new_path(cr);
    }
    if (welding) {
        glow(cr, tipX + jitter, tipY, 12, {0.7, 0.85, 1.0}, 0.9);
        ellipse(cr, tipX + jitter, tipY, 2.5, 2.5);
        setColor(cr, pal::white);
        cairo_fill(cr);
    }
}

void paintFlash(cairo_t* cr, int frame)
{
    cairo_translate(cr, -400, -300);
    const double r = frame == 0 ? 380 : 330;
    cairo_pattern_t* p = cairo_pattern_create_radial(kWeldX, kWeldY, 0, kWeldX, kWeldY, r);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.85, 0.92, 1.0, frame == 0 ? 0.55 : 0.65);
    cairo_pattern_add_color_stop_rgba(p, 0.12, 0.7, 0.82, 1.0, 0.3);
    cairo_pattern_add_color_stop_rgba(p, 0.5, 0.6, 0.75, 1.0, 0.1);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.6, 0.75, 1.0, 0);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
}

} // namespace

void generateMenus(const DataTree& tree, SpriteBook* book)
{
    {
        Canvas intro(800, 600);
        paintIntro(intro.cr());
        tree.writeBytes("menu/bg_intro_wnd.jpg", intro.jpeg());
    }
    {
        Canvas hangar(800, 600);
        paintHangar(hangar.cr());
        tree.writeBytes("menu/bg_main_menu.jpg", hangar.jpeg());
    }
    writeStripSprite(tree, book, "menu/na_bochke/na_bochke.xml", "menu/na_bochke/na_bochke.png", kBarrelW,
                     kBarrelH, kBarrelFrames, 1, 8, [](cairo_t* cr, int f, int) {
                         cairo_translate(cr, -kBarrelW / 2.0, -kBarrelH / 2.0);
                         paintMechanic(cr, f);
                     });
    writeStripSprite(tree, book, "menu/svarka/svarka.xml", "menu/svarka/svarka.png", 800, 600, 2, 1, 20,
                     [](cairo_t* cr, int f, int) { paintFlash(cr, f); });
}

} // namespace datagen::art
