#include "art/ArtParts.h"
#include "art/Draw.h"
#include "art/Params.h"

#include <cmath>

namespace datagen::art {

namespace {

constexpr int kFrame = 72;
constexpr int kGroups = 8; // bank positions: 0 full left, 4 level, 7 full right
constexpr int kFrames = 4; // propeller turns

// Roll in degrees for a bank group; four steps to the left, three to the right.
double bankOf(int group)
{
    const int level = kGroups / 2;
    if (group < level)
        return -55.0 * (level - group) / level;
    return 55.0 * (group - level) / (kGroups - 1 - level);
}

void wing(cairo_t* cr, double side, double roll)
{
    // side = +1 right wing, -1 left wing; a rolled wing is foreshortened and lit or shaded.
    const double span = 31.0 * std::cos(roll * kPi / 180.0);
    const double lift = side * std::sin(roll * kPi / 180.0); // > 0: wing tip raised toward the light
    cairo_save(cr);
    cairo_scale(cr, side, 1);
    cairo_move_to(cr, 3, -4);
    cairo_line_to(cr, span - 3, 1);
    cairo_curve_to(cr, span, 1.5, span + 0.5, 6, span - 2, 7);
    cairo_line_to(cr, 4, 11);
    cairo_close_path(cr);
    cairo_restore(cr);
    fillLit(cr, shade(pal::silver, 1.0 + 0.25 * lift), 0.3);
    strokeLine(cr, pal::silverDark, 0.9, 0.8);
    // blue wing band with a white roundel
    cairo_save(cr);
    cairo_scale(cr, side, 1);
    const double bx = span * 0.62;
    polygon(cr, {{bx - 3, -1.0}, {bx + 3, 0.0}, {bx + 3, 8.2}, {bx - 3, 9.0}});
    setColor(cr, shade(pal::blue, 1.0 + 0.2 * lift));
    cairo_fill(cr);
    ellipse(cr, bx, 4.2, 2.2 * std::cos(roll * kPi / 180.0) + 0.4, 2.2);
    setColor(cr, pal::white, 0.95);
    cairo_fill(cr);
    // aileron line
    cairo_move_to(cr, span * 0.45, 9.3);
    cairo_line_to(cr, span - 3, 6.6);
    strokeLine(cr, pal::silverDark, 0.8, 0.6);
    cairo_restore(cr);
}

} // namespace

void paintPlayerShape(cairo_t* cr, int frame, int group)
{
    const double roll = bankOf(group);
    const double sideShift = std::sin(roll * kPi / 180.0) * 2.0;

    // wings, the lower one first
    if (roll <= 0) {
        wing(cr, -1, roll);
        wing(cr, 1, roll);
    } else {
        wing(cr, 1, roll);
        wing(cr, -1, roll);
    }

    cairo_save(cr);
    cairo_translate(cr, sideShift, 0);
    // tail plane
    const double tailSpan = 12.0 * std::cos(roll * kPi / 180.0);
    mirroredShape(cr, {{0, 17}, {tailSpan, 20}, {tailSpan, 24}, {0, 25}});
    fillLit(cr, pal::silver, 0.3);
    strokeLine(cr, pal::silverDark, 0.9, 0.8);
    // fuselage
    cairo_move_to(cr, 0, -29);
    cairo_curve_to(cr, 5.5, -28, 5.5, -18, 5.2, -8);
    cairo_curve_to(cr, 5, 6, 3.2, 18, 2, 27);
    cairo_line_to(cr, -2, 27);
    cairo_curve_to(cr, -3.2, 18, -5, 6, -5.2, -8);
    cairo_curve_to(cr, -5.5, -18, -5.5, -28, 0, -29);
    cairo_close_path(cr);
    fillLit(cr, pal::silver, 0.4);
    strokeLine(cr, pal::silverDark, 1.0, 0.9);
    // blue spine stripe and panel lines
    polygon(cr, {{-1.3, -20}, {1.3, -20}, {1.0, 26}, {-1.0, 26}});
    setColor(cr, pal::blue, 0.9);
    cairo_fill(cr);
    for (double y : {-16.0, 2.0, 14.0}) {
        cairo_move_to(cr, -4.5, y);
        cairo_line_to(cr, 4.5, y);
        strokeLine(cr, pal::silverDark, 0.6, 0.5);
    }
    // fin seen from above
    polygon(cr, {{-0.9, 15}, {0.9, 15}, {0.9, 27}, {-0.9, 27}});
    setColor(cr, pal::blue);
    cairo_fill(cr);
    // canopy
    ellipse(cr, 0, -9, 3.3, 7.5);
    {
        cairo_pattern_t* p = cairo_pattern_create_linear(-3, -15, 3, -3);
        cairo_pattern_add_color_stop_rgb(p, 0, 0.75, 0.9, 1.0);
        cairo_pattern_add_color_stop_rgb(p, 0.35, pal::glass.r, pal::glass.g, pal::glass.b);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.05, 0.1, 0.16);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
    }
    strokeLine(cr, pal::silverDark, 1.0, 0.8);
    ellipse(cr, -1.2, -12, 0.9, 2.4);
    setColor(cr, pal::white, 0.8);
    cairo_fill(cr);
    // exhaust stains
    for (double s : {-1.0, 1.0}) {
        ellipse(cr, s * 4.6, -16, 0.8, 3);
        setColor(cr, pal::black, 0.45);
        cairo_fill(cr);
    }
    // spinner and propeller
    ellipse(cr, 0, -29.5, 2.6, 3.2);
    fillLit(cr, pal::blue, 0.5);
    cairo_new_path(cr);
    ellipse(cr, 0, -30.5, 13, 13 * 0.25);
    setColor(cr, pal::greyDark, 0.18);
    cairo_fill(cr);
    for (int b = 0; b < 3; ++b) {
        const double a = (frame * 30.0 + b * 120.0) * kPi / 180.0;
        const double x = std::cos(a) * 12.5;
        const double squash = std::sin(a) * 1.6;
        cairo_move_to(cr, 0, -30.5);
        cairo_line_to(cr, x, -30.5 + squash - 1.0);
        cairo_line_to(cr, x, -30.5 + squash + 1.0);
        cairo_close_path(cr);
        setColor(cr, pal::black, 0.75);
        cairo_fill(cr);
        // yellow tip
        ellipse(cr, x * 0.93, -30.5 + squash, 1.2, 1.0);
        setColor(cr, {1.0, 0.85, 0.2}, 0.8);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

namespace {

void paintPlayer(cairo_t* cr, int frame, int group)
{
    paintPlayerShape(cr, frame, group);
    lightPass(cr, -kFrame / 2.0, -kFrame / 2.0, kFrame, kFrame, 0.6);
}

} // namespace

void generatePlayer(const DataTree& tree, SpriteBook* book)
{
    writeStripSprite(tree, book, "dat/player_plane/plane.xml", "dat/player_plane/plane.png", kFrame, kFrame,
                     kFrames, kGroups, 30, paintPlayer);

    constexpr int kBoom = 128, kBoomFrames = 24;
    writeFramedSprite(
        tree, book, "dat/player_plane/explode.xml", "dat/player_plane/explode", kBoom, kBoom, kBoomFrames, 1,
        20, [](cairo_t* cr, int f, int) { paintExplosion(cr, (f + 0.5) / kBoomFrames, 60, 77, true); });

    // The player's hull: an enemy rocket takes 50, flak 8, a missile 100, so 300 survives a few
    // mistakes but not a careless run through a flak belt; repairs give 50 and extra hull 100.
    ParamFile params;
    params.points("collition_points", {{0, 30}, {-31, -1}, {31, -1}, {-12, -22}, {12, -22}, {0, -27}});
    params.circles({{0, 18, 5.5},
                    {0, 5, 6.5},
                    {0, -8, 5.5},
                    {0, -20, 4.5},
                    {-8, -2, 5.5},
                    {8, -2, 5.5},
                    {-14, -4, 4.5},
                    {14, -4, 4.5}});
    params.value("m_frameSideSpeed", 0.01f);
    params.value("m_mouseSens", 2.0f);
    params.value("hull", 300);
    params.value("speedVal", 0.3f);
    params.write(tree, "dat/player_plane/params.xml");
}

} // namespace datagen::art
