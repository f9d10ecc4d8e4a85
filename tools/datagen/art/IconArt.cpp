#include "art/ArtParts.h"
#include "art/Canvas.h"

#include "common/DataTree.h"

#include <string>

namespace datagen::art {

namespace {

// The icon is drawn on a 512-unit square and scaled, so every size is drawn afresh rather than
// shrunk from a bitmap. Small sizes leave out what would only be noise at that size.
constexpr double kUnits = 512;

void badge(cairo_t* cr)
{
    roundedRect(cr, 20, 20, 472, 472, 92);
}

void valley(cairo_t* cr, bool detailed)
{
    // grassland, lit from the upper left
    cairo_pattern_t* land = cairo_pattern_create_linear(0, 0, kUnits, kUnits);
    cairo_pattern_add_color_stop_rgb(land, 0, 0.50, 0.60, 0.36);
    cairo_pattern_add_color_stop_rgb(land, 1, 0.27, 0.38, 0.22);
    cairo_set_source(cr, land);
    cairo_paint(cr);
    cairo_pattern_destroy(land);

    // the river, winding up the valley from the bottom left, its sandy banks first
    auto river = [cr](double widen) {
        cairo_move_to(cr, 60 - widen, 540);
        cairo_curve_to(cr, 120 - widen, 400, 300 - widen, 380, 250 - widen, 250);
        cairo_curve_to(cr, 210 - widen, 140, 330 - widen, 60, 360 - widen, -30);
        cairo_line_to(cr, 470 + widen, -30);
        cairo_curve_to(cr, 440 + widen, 80, 330 + widen, 150, 370 + widen, 260);
        cairo_curve_to(cr, 420 + widen, 400, 250 + widen, 420, 250 + widen, 540);
        cairo_close_path(cr);
    };
    river(14);
    setColor(cr, pal::sand);
    cairo_fill(cr);
    river(0);
    cairo_pattern_t* water = cairo_pattern_create_linear(0, 0, kUnits * 0.6, kUnits);
    cairo_pattern_add_color_stop_rgb(water, 0, 0.36, 0.62, 0.80);
    cairo_pattern_add_color_stop_rgb(water, 1, 0.13, 0.33, 0.52);
    cairo_set_source(cr, water);
    cairo_fill(cr);
    cairo_pattern_destroy(water);

    if (!detailed)
        return;
    // ripples on the water and trees along the banks
    Rng rng(512);
    for (int i = 0; i < 9; ++i) {
        const double y = 40 + i * 52, x = 300 - (i - 4) * (i - 4) * 4 + rng.range(-20, 20);
        cairo_move_to(cr, x - 18, y);
        cairo_curve_to(cr, x - 6, y - 5, x + 6, y + 5, x + 18, y);
    }
    strokeLine(cr, pal::white, 0.25, 3);
    const double trees[][2] = {{70, 110},  {110, 70},  {60, 200},  {130, 170}, {440, 330},
                               {470, 420}, {400, 470}, {450, 250}, {80, 300}};
    for (const auto& t : trees) {
        const double r = rng.range(16, 24);
        ellipse(cr, t[0] + 6, t[1] + 8, r, r);
        setColor(cr, pal::black, 0.3);
        cairo_fill(cr);
        ellipse(cr, t[0], t[1], r, r);
        fillLit(cr, {0.20, 0.36, 0.17}, 0.45);
        cairo_new_path(cr);
    }
}

// The plane's place and attitude on the badge.
void planeSpace(cairo_t* cr)
{
    cairo_translate(cr, 246, 236);
    cairo_rotate(cr, 0.22);
    cairo_scale(cr, 4.7, 4.7);
}

void plane(cairo_t* cr, bool detailed)
{
    // Climbing: nose up the picture, far above its shadow, with vapour streaming off the tips.
    cairo_push_group(cr);
    cairo_save(cr);
    planeSpace(cr);
    paintPlayerShape(cr, 1, 5);
    cairo_restore(cr);
    cairo_pattern_t* shape = cairo_pop_group(cr);

    cairo_save(cr);
    cairo_translate(cr, 54, 74);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.32);
    cairo_mask(cr, shape);
    cairo_restore(cr);
    if (detailed) {
        cairo_save(cr);
        planeSpace(cr);
        for (double s : {-1.0, 1.0}) {
            cairo_pattern_t* trail = cairo_pattern_create_linear(0, 6, 0, 26);
            cairo_pattern_add_color_stop_rgba(trail, 0, 1, 1, 1, 0.7);
            cairo_pattern_add_color_stop_rgba(trail, 1, 1, 1, 1, 0);
            cairo_set_source(cr, trail);
            cairo_rectangle(cr, s * 28.5 - 0.8, 6, 1.6, 20);
            cairo_fill(cr);
            cairo_pattern_destroy(trail);
        }
        cairo_restore(cr);
    }
    cairo_set_source(cr, shape);
    cairo_paint(cr);
    cairo_pattern_destroy(shape);
}

void paintIcon(cairo_t* cr, int size)
{
    const bool detailed = size >= 64;
    cairo_scale(cr, size / kUnits, size / kUnits);
    // a soft drop shadow under the badge, light from the upper left
    cairo_save(cr);
    cairo_translate(cr, 6, 10);
    badge(cr);
    setColor(cr, pal::black, 0.25);
    cairo_fill(cr);
    cairo_restore(cr);

    cairo_save(cr);
    badge(cr);
    cairo_clip(cr);
    valley(cr, detailed);
    plane(cr, detailed);
    // light over the whole badge, darker toward the lower right
    cairo_pattern_t* light = cairo_pattern_create_linear(0, 0, kUnits, kUnits);
    cairo_pattern_add_color_stop_rgba(light, 0, 1, 1, 1, 0.12);
    cairo_pattern_add_color_stop_rgba(light, 0.5, 1, 1, 1, 0);
    cairo_pattern_add_color_stop_rgba(light, 1, 0, 0, 0, 0.2);
    cairo_set_source(cr, light);
    cairo_paint(cr);
    cairo_pattern_destroy(light);
    cairo_restore(cr);

    // a steel rim like the game's panels
    badge(cr);
    strokeLine(cr, {0.05, 0.08, 0.12}, 0.9, size >= 64 ? 10 : 16);
    roundedRect(cr, 28, 28, 456, 456, 86);
    strokeLine(cr, {0.75, 0.8, 0.86}, 0.45, size >= 64 ? 4 : 6);
}

} // namespace

const std::vector<int>& iconSizes()
{
    static const std::vector<int> sizes = {32, 48, 64, 128, 256, 512};
    return sizes;
}

void generateIcons(const DataTree& tree)
{
    for (int size : iconSizes()) {
        Canvas canvas(size, size);
        paintIcon(canvas.cr(), size);
        tree.writeBytes("icons/skyvane_" + std::to_string(size) + ".png", canvas.png());
    }
}

} // namespace datagen::art
