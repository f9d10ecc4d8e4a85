#include "art/ArtParts.h"
#include "art/Draw.h"

#include <algorithm>
#include <cmath>

namespace datagen::art {

namespace {

double clamp01(double v)
{
    return std::clamp(v, 0.0, 1.0);
}

double easeOut(double u)
{
    return 1.0 - (1.0 - u) * (1.0 - u);
}

void softBlob(cairo_t* cr, double x, double y, double r, Rgb inner, Rgb outer, double alpha)
{
    if (r <= 0.2 || alpha <= 0.003)
        return;
    cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.25, y - r * 0.25, r * 0.05, x, y, r);
    cairo_pattern_add_color_stop_rgba(p, 0.0, inner.r, inner.g, inner.b, alpha);
    cairo_pattern_add_color_stop_rgba(p, 0.55, outer.r, outer.g, outer.b, alpha * 0.85);
    cairo_pattern_add_color_stop_rgba(p, 1.0, outer.r, outer.g, outer.b, 0.0);
    cairo_set_source(cr, p);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// Fire colour by temperature 1 (white hot) .. 0 (dull red).
Rgb fireColor(double temp)
{
    if (temp > 0.66)
        return mix({1.0, 0.75, 0.25}, {1.0, 0.97, 0.8}, (temp - 0.66) / 0.34);
    if (temp > 0.33)
        return mix({0.9, 0.35, 0.08}, {1.0, 0.75, 0.25}, (temp - 0.33) / 0.33);
    return mix({0.35, 0.12, 0.06}, {0.9, 0.35, 0.08}, temp / 0.33);
}

} // namespace

void paintExplosion(cairo_t* cr, double t, double radius, unsigned seed, bool heavy)
{
    Rng rng(seed);
    const int blobs = heavy ? 16 : 11;
    struct Blob {
        double ang, dist, size, delay;
    };
    Blob list[20];
    for (int i = 0; i < blobs; ++i)
        list[i] = {rng.range(0, 2 * kPi), rng.range(0.05, 0.55), rng.range(0.22, 0.42), rng.range(0.0, 0.3)};
    const double fade = 1.0 - clamp01((t - 0.7) / 0.3);

    // smoke, rising and spreading behind the fire
    for (int i = 0; i < blobs; ++i) {
        const Blob& b = list[i];
        const double u = clamp01((t - b.delay - 0.12) / 0.8);
        if (u <= 0)
            continue;
        const double d = radius * b.dist * (0.6 + 0.8 * easeOut(u));
        const double x = std::cos(b.ang) * d;
        const double y = std::sin(b.ang) * d * 0.8 - radius * 0.25 * u;
        const double r = radius * b.size * (0.8 + 0.9 * easeOut(u));
        const double g = heavy ? 0.22 : 0.3;
        softBlob(cr, x, y, r, {g + 0.12, g + 0.11, g + 0.1}, {g, g, g}, 0.75 * fade * clamp01(u * 4));
    }
    // fireballs cooling from white to red
    for (int i = 0; i < blobs; ++i) {
        const Blob& b = list[i];
        const double u = clamp01((t - b.delay * 0.6) / 0.55);
        if (u <= 0 || u >= 1)
            continue;
        const double d = radius * b.dist * (0.3 + 0.9 * easeOut(u));
        const double x = std::cos(b.ang) * d;
        const double y = std::sin(b.ang) * d * 0.85 - radius * 0.1 * u;
        const double r = radius * b.size * (0.45 + 0.8 * easeOut(u));
        // blobs near the heart burn hotter and cool later than the ones thrown out
        const double temp = (1.0 - u) * (1.15 - b.dist * 0.8);
        softBlob(cr, x, y, r, fireColor(std::min(1.0, temp + 0.25)), fireColor(temp * 0.65),
                 clamp01((1 - u) * 1.6));
    }
    // the shock ring racing out
    if (t < 0.35) {
        const double u = t / 0.35;
        cairo_arc(cr, 0, 0, radius * (0.3 + 0.75 * easeOut(u)), 0, 2 * kPi);
        setColor(cr, {1.0, 0.95, 0.8}, 0.45 * (1 - u));
        cairo_set_line_width(cr, 1 + 4 * (1 - u));
        cairo_stroke(cr);
    }
    // the first flash
    if (t < 0.25) {
        const double u = t / 0.25;
        softBlob(cr, 0, 0, radius * (0.35 + 0.5 * u), {1, 1, 0.95}, {1.0, 0.8, 0.35}, 1.0 - u * 0.8);
    }
    // debris and sparks thrown out
    Rng deb(seed * 7 + 3);
    const int pieces = heavy ? 14 : 9;
    for (int i = 0; i < pieces; ++i) {
        const double ang = deb.range(0, 2 * kPi);
        const double speed = deb.range(0.5, 1.05);
        const double d = radius * (0.25 + 0.8 * speed * easeOut(clamp01(t * 1.4)));
        const double x = std::cos(ang) * d, y = std::sin(ang) * d;
        const double alpha = std::min(clamp01((t - 0.06) * 8), clamp01(1.2 - t * 1.3));
        if (alpha <= 0)
            continue;
        if (i % 3 == 0) {
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x - std::cos(ang) * radius * 0.12, y - std::sin(ang) * radius * 0.12);
            setColor(cr, {1.0, 0.85, 0.45}, alpha);
            cairo_set_line_width(cr, 1.3);
            cairo_stroke(cr);
        } else {
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_rotate(cr, ang + t * 9 * (i % 2 ? 1 : -1));
            const double s = deb.range(1.2, 2.6) * radius / 50.0;
            polygon(cr, {{-s, -s * 0.6}, {s, -s}, {s * 0.7, s * 0.8}, {-s * 0.8, s}});
            setColor(cr, {0.12, 0.1, 0.08}, alpha);
            cairo_fill(cr);
            cairo_restore(cr);
        }
    }
}

void paintFlame(cairo_t* cr, double phase, double height, double width, unsigned seed)
{
    Rng rng(seed);
    for (int layer = 0; layer < 3; ++layer) {
        const double scale = 1.0 - layer * 0.28;
        for (int k = 0; k < 3; ++k) {
            const double off = rng.range(0, 2 * kPi);
            const double sway = std::sin(phase * 2 * kPi + off) * width * 0.18;
            const double h = height * scale * (0.75 + 0.25 * std::sin(phase * 2 * kPi * 2 + off + k));
            const double w = width * scale * (0.45 + 0.15 * k) * 0.5;
            const double x0 = (k - 1) * width * 0.18 * scale;
            cairo_move_to(cr, x0 - w, 0);
            cairo_curve_to(cr, x0 - w, -h * 0.45, x0 + sway - w * 0.2, -h * 0.7, x0 + sway, -h);
            cairo_curve_to(cr, x0 + sway + w * 0.2, -h * 0.7, x0 + w, -h * 0.45, x0 + w, 0);
            cairo_curve_to(cr, x0 + w, w * 0.7, x0 - w, w * 0.7, x0 - w, 0);
            cairo_close_path(cr);
            Rgb base = layer == 0   ? Rgb{0.85, 0.22, 0.05}
                       : layer == 1 ? Rgb{1.0, 0.55, 0.1}
                                    : Rgb{1.0, 0.92, 0.55};
            cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, -h);
            cairo_pattern_add_color_stop_rgba(p, 0, base.r, base.g, base.b, 0.95);
            cairo_pattern_add_color_stop_rgba(p, 0.7, base.r, base.g * 0.8, base.b, 0.7);
            cairo_pattern_add_color_stop_rgba(p, 1, base.r, base.g * 0.5, base.b, 0.0);
            cairo_set_source(cr, p);
            cairo_fill(cr);
            cairo_pattern_destroy(p);
        }
    }
}

namespace {

void paintBullet(cairo_t* cr, int frame, Rgb core, double len, double width)
{
    const double glow = frame % 2 ? 1.0 : 0.8;
    cairo_pattern_t* p = cairo_pattern_create_linear(0, -len / 2, 0, len / 2);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 0.9, 1);
    cairo_pattern_add_color_stop_rgba(p, 0.35, core.r, core.g, core.b, 0.95 * glow);
    cairo_pattern_add_color_stop_rgba(p, 1, core.r, core.g, core.b, 0);
    ellipse(cr, 0, 0, width / 2, len / 2);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    ellipse(cr, 0, -len * 0.3, width * 0.3, width * 0.6);
    setColor(cr, pal::white, 0.95);
    cairo_fill(cr);
}

void paintShell(cairo_t* cr, int frame, Rgb core, double r)
{
    softBlob(cr, 0, 0, r * (frame % 2 ? 1.0 : 0.85), {1, 1, 0.85}, core, 1.0);
    ellipse(cr, 0, 0, r * 0.35, r * 0.35);
    setColor(cr, pal::white);
    cairo_fill(cr);
}

void paintMissile(cairo_t* cr, int frame)
{
    // exhaust flame below the body (the sprite points up and is turned by the game)
    const double flick = 0.8 + 0.2 * ((frame * 37) % 5) / 4.0;
    cairo_save(cr);
    cairo_translate(cr, 0, 7);
    cairo_scale(cr, 1, -1);
    paintFlame(cr, frame / 4.0, 7 * flick, 5, 5);
    cairo_restore(cr);
    // body
    mirroredShape(cr, {{0, -13}, {1.6, -10}, {1.8, 6}, {1.8, 7}});
    fillLit(cr, {0.85, 0.86, 0.84}, 0.4);
    strokeLine(cr, pal::greyDark, 0.8, 0.5);
    mirroredShape(cr, {{0, -13}, {1.6, -10}, {1.7, -9}});
    setColor(cr, pal::red);
    cairo_fill(cr);
    for (double s : {-1.0, 1.0}) {
        polygon(cr, {{s * 1.7, 2}, {s * 4.2, 6}, {s * 4.2, 7.5}, {s * 1.7, 6.5}});
        setColor(cr, pal::greyDark);
        cairo_fill(cr);
    }
}

void paintImpact(cairo_t* cr, int frame, int frames)
{
    const double t = (frame + 0.5) / frames;
    softBlob(cr, 0, 0, 3 + 8 * t, {1, 1, 0.85}, {1.0, 0.6, 0.2}, 1.0 - t);
    Rng rng(11);
    for (int i = 0; i < 6; ++i) {
        const double a = rng.range(0, 2 * kPi);
        const double d = (4 + 7 * t) * rng.range(0.7, 1.1);
        cairo_move_to(cr, std::cos(a) * d * 0.5, std::sin(a) * d * 0.5);
        cairo_line_to(cr, std::cos(a) * d, std::sin(a) * d);
        setColor(cr, {1.0, 0.9, 0.5}, 1.0 - t);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
    }
    if (t > 0.4)
        softBlob(cr, 1, -2 * t, 4 + 5 * t, {0.6, 0.58, 0.55}, {0.4, 0.4, 0.4}, (1.0 - t) * 0.8);
}

} // namespace

void generateEffects(const DataTree& tree, SpriteBook* book)
{
    constexpr int kBoom = 128, kBoomFrames = 16;
    writeStripSprite(
        tree, book, "dat/explode1/explode.xml", "dat/explode1/explode.png", kBoom, kBoom, kBoomFrames, 1, 20,
        [](cairo_t* cr, int f, int) { paintExplosion(cr, (f + 0.5) / kBoomFrames, 52, 3, false); });
    writeStripSprite(
        tree, book, "dat/explode2/explode.xml", "dat/explode2/explode.png", kBoom, kBoom, kBoomFrames, 1, 20,
        [](cairo_t* cr, int f, int) { paintExplosion(cr, (f + 0.5) / kBoomFrames, 56, 19, true); });
    writeStripSprite(tree, book, "dat/fire/fire.xml", "dat/fire/fire.png", 32, 48, 8, 1, 16,
                     [](cairo_t* cr, int f, int) {
                         cairo_translate(cr, 0, 16);
                         paintFlame(cr, f / 8.0, 36, 20, 9);
                     });
    writeStripSprite(tree, book, "dat/missile/missile.xml", "dat/missile/missile.png", 12, 32, 4, 1, 16,
                     [](cairo_t* cr, int f, int) { paintMissile(cr, f); });
    writeStripSprite(tree, book, "dat/missile/missile_explode1.xml", "dat/missile/missile_explode1.png", 64,
                     64, 12, 1, 24,
                     [](cairo_t* cr, int f, int) { paintExplosion(cr, (f + 0.5) / 12, 24, 31, false); });
    writeStripSprite(tree, book, "dat/missile/missile_explode2.xml", "dat/missile/missile_explode2.png", 64,
                     64, 12, 1, 24,
                     [](cairo_t* cr, int f, int) { paintExplosion(cr, (f + 0.5) / 12, 27, 47, true); });
    const Rgb bulletColors[3] = {{1.0, 0.85, 0.3}, {1.0, 0.55, 0.15}, {0.55, 0.85, 1.0}};
    const double bulletWidth[3] = {3.0, 4.0, 5.0};
    for (int k = 0; k < 3; ++k) {
        const std::string dir = "dat/bullet0" + std::to_string(k + 1) + "/";
        writeStripSprite(
            tree, book, dir + "sprite.xml", dir + "bullet.png", 8, 20, 2, 1, 16,
            [&](cairo_t* cr, int f, int) { paintBullet(cr, f, bulletColors[k], 16, bulletWidth[k]); });
    }
    writeStripSprite(tree, book, "dat/flak01/sprite.xml", "dat/flak01/flak.png", 12, 12, 2, 1, 16,
                     [](cairo_t* cr, int f, int) {
                         paintShell(cr, f, {1.0, 0.35, 0.1}, 4.5);
                     });
    writeStripSprite(tree, book, "dat/flak02/sprite.xml", "dat/flak02/flak.png", 14, 14, 2, 1, 16,
                     [](cairo_t* cr, int f, int) {
                         paintShell(cr, f, {0.95, 0.2, 0.5}, 5.5);
                     });
    writeStripSprite(tree, book, "dat/bullet_expl/sprite.xml", "dat/bullet_expl/impact.png", 32, 32, 6, 1, 20,
                     [](cairo_t* cr, int f, int) { paintImpact(cr, f, 6); });
}

} // namespace datagen::art
