#include "art/ArtParts.h"
#include "art/Draw.h"
#include "art/Params.h"

#include <cmath>
#include <string>

namespace datagen::art {

namespace {

struct BoatModel {
    int frame;
    double length, beam;
    Rgb hull, deck;
    int hullPoints;
    std::vector<Point2> guns; // unit frame, y toward the bow
};

// Hull values: a cannon burst of 60 ms deals 8 to 12, a missile 100. The patrol boat dies in a
// short burst, the corvette takes two missiles or a long pass; the value is also the score and the
// damage a boat deals when rammed, so big boats are worth avoiding.
const BoatModel kBoats[4] = {
    {64, 40, 14, pal::grey, {0.62, 0.62, 0.6}, 40, {{0, 12}}},
    {80, 52, 17, pal::olive, {0.55, 0.55, 0.42}, 70, {{-4, 15}, {4, 15}}},
    {96, 68, 22, pal::sand, {0.66, 0.6, 0.45}, 120, {{0, 24}, {0, -20}}},
    {112, 88, 27, pal::greyDark, {0.5, 0.52, 0.52}, 200, {{-6, 24}, {6, 24}, {-6, -14}, {6, -14}}},
};

void hullPath(cairo_t* cr, double L, double B)
{
    const double top = -L / 2, bottom = L / 2, w = B / 2;
    cairo_move_to(cr, 0, top);
    cairo_curve_to(cr, w * 0.55, top + L * 0.1, w, top + L * 0.25, w, top + L * 0.4);
    cairo_line_to(cr, w * 0.96, bottom - 2);
    cairo_curve_to(cr, w * 0.9, bottom, w * 0.6, bottom, w * 0.5, bottom);
    cairo_line_to(cr, -w * 0.5, bottom);
    cairo_curve_to(cr, -w * 0.6, bottom, -w * 0.9, bottom, -w * 0.96, bottom - 2);
    cairo_line_to(cr, -w, top + L * 0.4);
    cairo_curve_to(cr, -w, top + L * 0.25, -w * 0.55, top + L * 0.1, 0, top);
    cairo_close_path(cr);
}

void foam(cairo_t* cr, double L, double B, int frame, double frameSize)
{
    // bow wave spreading from the stem and a churned wake behind the stern
    const double phase = frame / 4.0;
    for (int k = 0; k < 2; ++k) {
        const double s = 1.0 + 0.12 * std::sin((phase + k * 0.5) * 2 * kPi);
        for (double side : {-1.0, 1.0}) {
            cairo_move_to(cr, 0, -L / 2 - 1);
            cairo_curve_to(cr, side * B * 0.5 * s, -L / 2 + L * 0.12, side * B * 0.75 * s, -L / 2 + L * 0.35,
                           side * (B * 0.8 + k * 3) * s, -L / 2 + L * (0.55 + k * 0.12));
            setColor(cr, pal::white, 0.55 - k * 0.2);
            cairo_set_line_width(cr, 2.2 - k * 0.8);
            cairo_stroke(cr);
        }
    }
    const double wakeLen = frameSize / 2 - L / 2 - 2;
    Rng rng(static_cast<unsigned>(L * 10));
    for (int i = 0; i < 14; ++i) {
        const double u = std::fmod(rng.uniform() + phase * 0.25, 1.0);
        const double y = L / 2 + u * wakeLen;
        const double x = rng.range(-B * 0.35, B * 0.35) * (1 + u);
        ellipse(cr, x, y, 2.2 + u * 2.5, 1.6 + u * 1.5);
        setColor(cr, pal::white, 0.5 * (1 - u));
        cairo_fill(cr);
    }
    cairo_pattern_t* p = cairo_pattern_create_linear(0, L / 2, 0, L / 2 + wakeLen);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.5);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
    polygon(cr, {{-B * 0.4, L / 2 - 1},
                 {B * 0.4, L / 2 - 1},
                 {B * 0.7, L / 2 + wakeLen},
                 {-B * 0.7, L / 2 + wakeLen}});
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void turret(cairo_t* cr, double x, double y, double r, double barrel, Rgb c, int barrels = 1)
{
    for (int b = 0; b < barrels; ++b) {
        const double bx = x + (barrels == 1 ? 0 : (b ? 1.3 : -1.3));
        cairo_rectangle(cr, bx - 0.8, y - r - barrel, 1.6, barrel + r);
        setColor(cr, pal::black, 0.85);
        cairo_fill(cr);
    }
    ellipse(cr, x, y, r, r);
    fillLit(cr, c, 0.45);
    strokeLine(cr, pal::black, 0.5, 0.6);
}

void radar(cairo_t* cr, double x, double y, double len, int frame)
{
    const double a = frame * kPi / 4;
    cairo_move_to(cr, x - std::cos(a) * len, y - std::sin(a) * len);
    cairo_line_to(cr, x + std::cos(a) * len, y + std::sin(a) * len);
    setColor(cr, {0.85, 0.85, 0.85});
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    ellipse(cr, x, y, 1.3, 1.3);
    setColor(cr, pal::black);
    cairo_fill(cr);
}

void paintBoat(cairo_t* cr, const BoatModel& m, int model, int frame)
{
    const double L = m.length, B = m.beam;
    foam(cr, L, B, frame, m.frame);
    // hull with a dark waterline
    hullPath(cr, L + 1.5, B + 1.5);
    setColor(cr, pal::black, 0.5);
    cairo_fill(cr);
    hullPath(cr, L, B);
    fillLit(cr, m.hull, 0.35);
    strokeLine(cr, shade(m.hull, 0.5), 1.0, 0.9);
    // deck inset
    cairo_save(cr);
    cairo_scale(cr, 0.8, 0.9);
    hullPath(cr, L, B);
    cairo_restore(cr);
    setColor(cr, m.deck);
    cairo_fill(cr);
    // red bow marking
    cairo_save(cr);
    hullPath(cr, L, B);
    cairo_clip(cr);
    cairo_rectangle(cr, -B, -L / 2 + L * 0.16, 2 * B, L * 0.04);
    setColor(cr, pal::red);
    cairo_fill(cr);
    cairo_restore(cr);

    switch (model) {
    case 0: { // speedboat: windscreen, cockpit and a bow machine gun
        roundedRect(cr, -B * 0.3, -2, B * 0.6, L * 0.28, 2);
        fillLit(cr, shade(m.hull, 1.2), 0.3);
        cairo_new_path(cr);
        polygon(cr, {{-B * 0.32, -2}, {B * 0.32, -2}, {B * 0.25, -5}, {-B * 0.25, -5}});
        setColor(cr, pal::glass);
        cairo_fill(cr);
        turret(cr, 0, -L * 0.28, 2.2, 5, pal::greyDark);
        ellipse(cr, 0, L * 0.38, 3, 2);
        setColor(cr, pal::black, 0.6);
        cairo_fill(cr);
        break;
    }
    case 1: { // patrol boat: cabin, rocket rack
        roundedRect(cr, -B * 0.32, -L * 0.08, B * 0.64, L * 0.34, 2);
        fillLit(cr, shade(m.hull, 1.15), 0.35);
        strokeLine(cr, pal::black, 0.4, 0.6);
        cairo_rectangle(cr, -B * 0.28, -L * 0.08, B * 0.56, 2.5);
        setColor(cr, pal::glass);
        cairo_fill(cr);
        roundedRect(cr, -B * 0.3, -L * 0.34, B * 0.6, L * 0.16, 1.5);
        fillLit(cr, pal::oliveDark, 0.4);
        cairo_new_path(cr);
        for (int i = 0; i < 3; ++i) {
            ellipse(cr, -B * 0.18 + i * B * 0.18, -L * 0.3, 1.4, 1.4);
            setColor(cr, pal::black);
            cairo_fill(cr);
        }
        radar(cr, 0, L * 0.12, 4, frame);
        break;
    }
    case 2: { // gunboat: two turrets, bridge and mast
        turret(cr, 0, -L * 0.3, 4, 7, shade(m.hull, 0.8));
        turret(cr, 0, L * 0.3, 4, 7, shade(m.hull, 0.8));
        roundedRect(cr, -B * 0.3, -L * 0.16, B * 0.6, L * 0.3, 2);
        fillLit(cr, shade(m.hull, 1.15), 0.35);
        strokeLine(cr, pal::black, 0.4, 0.6);
        cairo_rectangle(cr, -B * 0.26, -L * 0.16, B * 0.52, 2.5);
        setColor(cr, pal::glass);
        cairo_fill(cr);
        radar(cr, 0, L * 0.02, 5.5, frame);
        break;
    }
    default: { // corvette: launchers, bridge, rotating radar and a helicopter deck
        for (double s : {-1.0, 1.0}) {
            roundedRect(cr, s * 6 - 3, -L * 0.34, 6, 12, 1.5);
            fillLit(cr, pal::grey, 0.4);
            strokeLine(cr, pal::black, 0.5, 0.6);
            roundedRect(cr, s * 6 - 3, L * 0.1, 6, 10, 1.5);
            fillLit(cr, pal::grey, 0.4);
            strokeLine(cr, pal::black, 0.5, 0.6);
        }
        roundedRect(cr, -B * 0.3, -L * 0.16, B * 0.6, L * 0.22, 2);
        fillLit(cr, shade(m.hull, 1.35), 0.3);
        strokeLine(cr, pal::black, 0.4, 0.6);
        cairo_rectangle(cr, -B * 0.26, -L * 0.16, B * 0.52, 2.5);
        setColor(cr, pal::glass);
        cairo_fill(cr);
        radar(cr, 0, -L * 0.05, 7, frame);
        ellipse(cr, 0, L * 0.36, B * 0.3, B * 0.3);
        setColor(cr, {0.35, 0.37, 0.36});
        cairo_fill(cr);
        cairo_set_line_width(cr, 1.2);
        setColor(cr, {0.9, 0.9, 0.85});
        cairo_move_to(cr, -2.5, L * 0.36 - 3.5);
        cairo_line_to(cr, -2.5, L * 0.36 + 3.5);
        cairo_move_to(cr, 2.5, L * 0.36 - 3.5);
        cairo_line_to(cr, 2.5, L * 0.36 + 3.5);
        cairo_move_to(cr, -2.5, L * 0.36);
        cairo_line_to(cr, 2.5, L * 0.36);
        cairo_stroke(cr);
        break;
    }
    }
    // deck panel seams
    for (double y = -L * 0.2; y < L * 0.45; y += L * 0.18) {
        cairo_move_to(cr, -B * 0.38, y);
        cairo_line_to(cr, -B * 0.3, y);
        cairo_move_to(cr, B * 0.3, y);
        cairo_line_to(cr, B * 0.38, y);
    }
    strokeLine(cr, pal::black, 0.3, 0.5);
}

} // namespace

void generateBoats(const DataTree& tree, SpriteBook* book)
{
    for (int i = 0; i < 4; ++i) {
        const BoatModel& m = kBoats[i];
        const std::string dir = "dat/boat0" + std::to_string(i + 1) + "/";
        writeStripSprite(tree, book, dir + "boat0" + std::to_string(i + 1) + ".xml", dir + "boat.png",
                         m.frame, m.frame, 4, 8, 8, [&](cairo_t* cr, int f, int g) {
                             paintRotatedUnit(cr, m.frame, m.frame, g,
                                              [&](cairo_t* u) { paintBoat(u, m, i, f); });
                         });
        const double L = m.length, B = m.beam;
        ParamFile params;
        params.points("collition_points", {{0, L / 2},
                                           {B / 2, L / 2 - L * 0.4},
                                           {-B / 2, L / 2 - L * 0.4},
                                           {B * 0.47, -L / 2 + 2},
                                           {-B * 0.47, -L / 2 + 2},
                                           {0, -L / 2}});
        params.circles(axisCircles(L, B));
        std::vector<Point2> tail;
        for (int g = 0; g < 8; ++g)
            tail.push_back(unitToScreen({0, -L / 2 - 2}, g));
        params.points("tailPos", tail);
        params.value("hull", m.hullPoints);
        params.points("guns", m.guns);
        params.write(tree, dir + "params.xml");
    }
}

} // namespace datagen::art
