#include "art/ArtParts.h"
#include "art/Draw.h"
#include "art/Text.h"

#include <algorithm>
#include <cmath>

namespace datagen::art {

// Screen layout of the frame around the play field: the top and bottom borders carry the score,
// the hull gauge and the lives; the side rims join them.
namespace hud {
constexpr int kTopH = 36, kBottomH = 64, kSideW = 8;
constexpr int kSideH = 600 - kTopH - kBottomH + 3;
} // namespace hud

namespace {

const Rgb kMetal{0.36, 0.39, 0.42};

void metalPanel(cairo_t* cr, double x, double y, double w, double h, double r)
{
    roundedRect(cr, x, y, w, h, r);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.58, 0.61, 0.64);
    cairo_pattern_add_color_stop_rgb(p, 0.12, kMetal.r, kMetal.g, kMetal.b);
    cairo_pattern_add_color_stop_rgb(p, 0.85, 0.26, 0.28, 0.31);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.16, 0.17, 0.19);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    strokeLine(cr, {0.08, 0.09, 0.1}, 1, 1.2);
}

void inset(cairo_t* cr, double x, double y, double w, double h)
{
    roundedRect(cr, x, y, w, h, 4);
    setColor(cr, {0.05, 0.07, 0.09}, 0.92);
    cairo_fill_preserve(cr);
    strokeLine(cr, {0.7, 0.72, 0.75}, 0.5, 1);
}

void rivets(cairo_t* cr, double x0, double x1, double y, double step)
{
    for (double x = x0; x <= x1; x += step) {
        ellipse(cr, x, y, 1.6, 1.6);
        setColor(cr, {0.7, 0.72, 0.74});
        cairo_fill(cr);
        ellipse(cr, x + 0.5, y + 0.5, 1.0, 1.0);
        setColor(cr, {0.15, 0.15, 0.16});
        cairo_fill(cr);
    }
}

void hazard(cairo_t* cr, double x, double y, double w, double h)
{
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    setColor(cr, {0.85, 0.65, 0.1});
    cairo_paint(cr);
    for (double s = x - h; s < x + w; s += 10) {
        polygon(cr, {{s, y + h}, {s + 5, y + h}, {s + 5 + h, y}, {s + h, y}});
        setColor(cr, {0.1, 0.1, 0.1});
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void paintTop(cairo_t* cr)
{
    cairo_translate(cr, -400, -hud::kTopH / 2.0);
    metalPanel(cr, -4, -4, 808, 12, 3);
    rivets(cr, 20, 600, 4, 40);
    // the score tab on the right
    cairo_move_to(cr, 610, 0);
    cairo_line_to(cr, 800, 0);
    cairo_line_to(cr, 800, hud::kTopH - 1);
    cairo_line_to(cr, 636, hud::kTopH - 1);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, hud::kTopH);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.55, 0.58, 0.61);
    cairo_pattern_add_color_stop_rgb(p, 0.7, 0.3, 0.32, 0.35);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.16, 0.17, 0.19);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    strokeLine(cr, {0.08, 0.09, 0.1}, 1, 1.2);
    inset(cr, 697, 10, 92, 22);
    TextStyle label;
    label.size = 10;
    label.color = pal::cream;
    label.shadow = true;
    drawText(cr, "SCORE", 644, 16, label);
    hazard(cr, 0, 8, 120, 3);
}

void paintBottom(cairo_t* cr)
{
    cairo_translate(cr, -400, -hud::kBottomH / 2.0);
    metalPanel(cr, -4, 2, 808, hud::kBottomH + 4, 6);
    rivets(cr, 14, 790, 8, 28);
    // wells for the hull gauge (centred at 110, 560 on screen) and the lives (around 700, 560)
    inset(cr, 16, 10, 188, 31);
    inset(cr, 660, 10, 130, 31);
    TextStyle label;
    label.size = 10;
    label.color = pal::cream;
    label.shadow = true;
    drawText(cr, "HULL", 18, 45, label);
    drawText(cr, "PLANES", 662, 45, label);
    label.size = 15;
    label.align = Align::Centre;
    label.color = {0.65, 0.68, 0.72};
    drawText(cr, "SKYVANE", 400, 20, label);
    hazard(cr, 230, 44, 340, 5);
    for (double x : {240.0, 540.0}) {
        ellipse(cr, x, 22, 6, 6);
        setColor(cr, {0.1, 0.12, 0.1});
        cairo_fill(cr);
        ellipse(cr, x, 22, 4, 4);
        setColor(cr, {0.3, 0.9, 0.35}, 0.85);
        cairo_fill(cr);
    }
}

void paintSide(cairo_t* cr)
{
    cairo_translate(cr, -hud::kSideW / 2.0, -hud::kSideH / 2.0);
    cairo_rectangle(cr, 0, 0, hud::kSideW, hud::kSideH);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, hud::kSideW, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.2, 0.21, 0.23);
    cairo_pattern_add_color_stop_rgb(p, 0.35, 0.58, 0.61, 0.64);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.22, 0.23, 0.25);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    for (double y = 20; y < hud::kSideH; y += 40) {
        ellipse(cr, hud::kSideW / 2.0, y, 1.5, 1.5);
        setColor(cr, {0.12, 0.12, 0.13});
        cairo_fill(cr);
    }
}

void paintGauge(cairo_t* cr, int frame, int frames)
{
    const int segments = frames - 1;
    const double w = 168, h = 18;
    const double x0 = -w / 2, y0 = -h / 2;
    roundedRect(cr, x0 - 3, y0 - 3, w + 6, h + 6, 4);
    setColor(cr, {0.02, 0.03, 0.04}, 0.9);
    cairo_fill(cr);
    const double segW = w / segments;
    for (int i = 0; i < segments; ++i) {
        const double t = static_cast<double>(i) / (segments - 1);
        const Rgb c = t < 0.5 ? mix({0.9, 0.12, 0.08}, {0.95, 0.8, 0.1}, t * 2)
                              : mix({0.95, 0.8, 0.1}, {0.2, 0.85, 0.25}, t * 2 - 1);
        roundedRect(cr, x0 + i * segW + 1, y0 + 1, segW - 2, h - 2, 1.5);
        if (i < frame) {
            cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y0 + h);
            const Rgb hi = shade(c, 1.4);
            cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
            cairo_pattern_add_color_stop_rgb(p, 0.5, c.r, c.g, c.b);
            cairo_pattern_add_color_stop_rgb(p, 1, c.r * 0.6, c.g * 0.6, c.b * 0.6);
            cairo_set_source(cr, p);
            cairo_fill(cr);
            cairo_pattern_destroy(p);
        } else {
            setColor(cr, shade(c, 0.22));
            cairo_fill(cr);
        }
    }
    cairo_rectangle(cr, x0, y0 + 1, w, h * 0.35);
    setColor(cr, pal::white, 0.12);
    cairo_fill(cr);
}

void paintSight(cairo_t* cr, int frame)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (frame == 0) {
        for (int pass = 0; pass < 2; ++pass) {
            const Rgb c = pass ? Rgb{0.45, 1.0, 0.5} : Rgb{0, 0.1, 0};
            const double lw = pass ? 1.6 : 3.4;
            const double alpha = pass ? 0.95 : 0.5;
            cairo_arc(cr, 0, 0, 14, 0, 2 * kPi);
            strokeLine(cr, c, alpha, lw);
            for (int i = 0; i < 4; ++i) {
                const double a = i * kPi / 2;
                cairo_move_to(cr, std::cos(a) * 8, std::sin(a) * 8);
                cairo_line_to(cr, std::cos(a) * 21, std::sin(a) * 21);
            }
            strokeLine(cr, c, alpha, lw);
        }
        ellipse(cr, 0, 0, 1.6, 1.6);
        setColor(cr, {0.45, 1.0, 0.5});
        cairo_fill(cr);
    } else {
        for (int pass = 0; pass < 2; ++pass) {
            const Rgb c = pass ? Rgb{1.0, 0.25, 0.15} : Rgb{0.15, 0, 0};
            const double lw = pass ? 2.0 : 4.0;
            for (int i = 0; i < 4; ++i) {
                cairo_save(cr);
                cairo_rotate(cr, i * kPi / 2);
                cairo_move_to(cr, -20, -12);
                cairo_line_to(cr, -20, -20);
                cairo_line_to(cr, -12, -20);
                cairo_restore(cr);
            }
            strokeLine(cr, c, pass ? 1.0 : 0.5, lw);
            polygon(cr, {{0, -7}, {7, 0}, {0, 7}, {-7, 0}});
            strokeLine(cr, c, pass ? 1.0 : 0.5, lw * 0.7);
        }
    }
}

void paintLifeIcon(cairo_t* cr)
{
    cairo_scale(cr, 0.36, 0.36);
    mirroredShape(
        cr, {{0, -29}, {5, -20}, {5, -6}, {31, 0}, {30, 8}, {4, 11}, {3, 18}, {12, 21}, {12, 25}, {0, 26}});
    fillLit(cr, pal::silver, 0.4);
    strokeLine(cr, pal::black, 0.8, 2.2);
    polygon(cr, {{-2, -20}, {2, -20}, {1.5, 24}, {-1.5, 24}});
    setColor(cr, pal::blue);
    cairo_fill(cr);
    ellipse(cr, 0, -9, 3, 6);
    setColor(cr, pal::glass);
    cairo_fill(cr);
}

void paintLabel(cairo_t* cr, const char* text, double t, bool gold, double width)
{
    // Letters fall into place one after another and settle; the last frame holds the full title.
    const int n = static_cast<int>(std::string(text).size());
    const double size = 56;
    double total = textWidth(cr, text, size, true);
    const double scale = std::min(1.0, (width - 20) / total);
    cairo_scale(cr, scale, scale);
    double x = -total / 2;
    for (int i = 0; i < n; ++i) {
        const std::string ch(1, text[i]);
        const double w = textWidth(cr, ch, size, true);
        const double start = 0.55 * i / std::max(1, n - 1);
        const double u = std::clamp((t - start) / 0.4, 0.0, 1.0);
        if (u > 0 && ch != " ") {
            const double drop = (1 - u) * (1 - u) * -60;
            const double grow = 1.0 + (1 - u) * 0.8;
            cairo_save(cr);
            cairo_translate(cr, x + w / 2, drop);
            cairo_scale(cr, grow, grow);
            selectFont(cr, size, true);
            cairo_move_to(cr, -w / 2, size * 0.36);
            cairo_text_path(cr, ch.c_str());
            cairo_set_source_rgba(cr, 0, 0, 0, 0.5 * u);
            cairo_set_line_width(cr, 9);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke_preserve(cr);
            setColor(cr, gold ? Rgb{0.35, 0.18, 0.02} : Rgb{0.45, 0.02, 0.02}, u);
            cairo_set_line_width(cr, 4);
            cairo_stroke_preserve(cr);
            cairo_pattern_t* p = cairo_pattern_create_linear(0, -size * 0.4, 0, size * 0.36);
            if (gold) {
                cairo_pattern_add_color_stop_rgba(p, 0, 1.0, 0.97, 0.7, u);
                cairo_pattern_add_color_stop_rgba(p, 0.5, 1.0, 0.78, 0.2, u);
                cairo_pattern_add_color_stop_rgba(p, 1, 0.75, 0.45, 0.05, u);
            } else {
                cairo_pattern_add_color_stop_rgba(p, 0, 1.0, 0.9, 0.85, u);
                cairo_pattern_add_color_stop_rgba(p, 0.5, 0.95, 0.3, 0.2, u);
                cairo_pattern_add_color_stop_rgba(p, 1, 0.6, 0.05, 0.05, u);
            }
            cairo_set_source(cr, p);
            cairo_fill(cr);
            cairo_pattern_destroy(p);
            cairo_restore(cr);
        }
        x += w;
    }
    if (gold && t > 0.7) {
        Rng rng(5);
        for (int i = 0; i < 10; ++i) {
            const double sx = rng.range(-total / 2, total / 2), sy = rng.range(-40, 30);
            const double tw = std::sin((t * 6 + rng.uniform()) * kPi) * 0.5 + 0.5;
            const double r = 4 + 5 * tw;
            cairo_move_to(cr, sx - r, sy);
            cairo_line_to(cr, sx + r, sy);
            cairo_move_to(cr, sx, sy - r);
            cairo_line_to(cr, sx, sy + r);
            strokeLine(cr, {1, 1, 0.85}, tw, 1.5);
        }
    }
}

} // namespace

void generateHud(const DataTree& tree, SpriteBook* book)
{
    writeStripSprite(tree, book, "dat/game_border/border_up.xml", "dat/game_border/border_up.png", 800,
                     hud::kTopH, 1, 1, 0, [](cairo_t* cr, int, int) { paintTop(cr); });
    writeStripSprite(tree, book, "dat/game_border/border_down.xml", "dat/game_border/border_down.png", 800,
                     hud::kBottomH, 1, 1, 0, [](cairo_t* cr, int, int) { paintBottom(cr); });
    // The game asks for "border_Left.xml"; the archive looks names up in lower case.
    writeStripSprite(tree, book, "dat/game_border/border_left.xml", "dat/game_border/border_left.png",
                     hud::kSideW, hud::kSideH, 1, 1, 0, [](cairo_t* cr, int, int) { paintSide(cr); });
    writeStripSprite(tree, book, "dat/game_border/border_right.xml", "dat/game_border/border_right.png",
                     hud::kSideW, hud::kSideH, 1, 1, 0, [](cairo_t* cr, int, int) {
                         cairo_scale(cr, -1, 1);
                         paintSide(cr);
                     });
    constexpr int kGaugeFrames = 21;
    writeStripSprite(tree, book, "dat/hull_icon/sprite.xml", "dat/hull_icon/hull.png", 176, 26, kGaugeFrames,
                     1, 0, [](cairo_t* cr, int f, int) { paintGauge(cr, f, kGaugeFrames); });
    writeStripSprite(tree, book, "dat/life_icon/sprite.xml", "dat/life_icon/life.png", 24, 24, 1, 1, 0,
                     [](cairo_t* cr, int, int) { paintLifeIcon(cr); });
    writeStripSprite(tree, book, "dat/aim_sight/sprite.xml", "dat/aim_sight/sight.png", 48, 48, 2, 1, 0,
                     [](cairo_t* cr, int f, int) { paintSight(cr, f); });
    constexpr int kLabelFrames = 24;
    writeFramedSprite(tree, book, "menu/labels/game_over/over_label.xml", "menu/labels/game_over/over", 560,
                      140, kLabelFrames, 1, 20, [](cairo_t* cr, int f, int) {
                          paintLabel(cr, "GAME OVER", static_cast<double>(f) / (kLabelFrames - 1), false,
                                     560);
                      });
    writeFramedSprite(
        tree, book, "menu/labels/congratulations/cong_label.xml", "menu/labels/congratulations/cong", 720,
        140, kLabelFrames, 1, 20, [](cairo_t* cr, int f, int) {
            paintLabel(cr, "CONGRATULATIONS!", static_cast<double>(f) / (kLabelFrames - 1), true, 720);
        });
}

} // namespace datagen::art
