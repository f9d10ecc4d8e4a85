#include "art/ArtParts.h"
#include "art/Draw.h"
#include "art/Params.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace datagen::art {

namespace {

struct PlaneModel {
    int frame;
    double length, span;
    Rgb color;
    int kind; // 0 propeller fighter, 1 twin-engine bomber, 2 swept jet, 3 heavy jet
    int hullPoints;
};

// Planes only ram: their hull is both their toughness and the damage they deal on contact. Fast
// fighters are light; the bomber is a big, slow-to-kill target worth many points.
const PlaneModel kPlanes[4] = {
    {80, 50, 52, pal::olive, 0, 40},
    {112, 72, 92, pal::grey, 1, 120},
    {80, 54, 46, pal::sand, 2, 60},
    {96, 66, 60, {0.45, 0.5, 0.56}, 3, 90},
};

void propeller(cairo_t* cr, double x, double y, double r, int frame)
{
    ellipse(cr, x, y, r, r * 0.3);
    setColor(cr, pal::black, 0.15);
    cairo_fill(cr);
    for (int b = 0; b < 3; ++b) {
        const double a = (frame * 30.0 + b * 120.0) * kPi / 180;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + std::cos(a) * r, y + std::sin(a) * r * 0.3);
        setColor(cr, pal::black, 0.7);
        cairo_set_line_width(cr, 1.8);
        cairo_stroke(cr);
    }
    ellipse(cr, x, y, 2.2, 2.6);
    setColor(cr, pal::red);
    cairo_fill(cr);
}

void afterburner(cairo_t* cr, double x, double y, double w, int frame)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 1, -1);
    paintFlame(cr, frame / 4.0, w * 2.2, w, 3 + static_cast<unsigned>(x * 10));
    cairo_restore(cr);
}

void roundel(cairo_t* cr, double x, double y, double r)
{
    ellipse(cr, x, y, r, r);
    setColor(cr, pal::white, 0.9);
    cairo_fill(cr);
    ellipse(cr, x, y, r * 0.62, r * 0.62);
    setColor(cr, pal::red);
    cairo_fill(cr);
}

void paintPlane(cairo_t* cr, const PlaneModel& m, int frame)
{
    const double L = m.length, S = m.span / 2;
    const Rgb c = m.color, edge = shade(m.color, 0.5);
    switch (m.kind) {
    case 0: {
        mirroredShape(cr, {{2, -4}, {S - 3, -1}, {S, 1}, {S - 1, 5}, {3, 8}});
        fillLit(cr, c, 0.35);
        strokeLine(cr, edge, 1.0, 0.8);
        mirroredShape(cr, {{1.5, L / 2 - 9}, {10, L / 2 - 5}, {10, L / 2 - 2}, {1.5, L / 2 - 1}});
        fillLit(cr, c, 0.35);
        strokeLine(cr, edge, 1.0, 0.8);
        mirroredShape(cr, {{0, -L / 2 + 1}, {4.5, -L / 2 + 5}, {4.8, 0}, {2.4, L / 2 - 2}, {1.4, L / 2}});
        fillLit(cr, c, 0.4);
        strokeLine(cr, edge, 1.0, 0.8);
        ellipse(cr, 0, -6, 2.6, 5);
        setColor(cr, pal::glass);
        cairo_fill(cr);
        roundel(cr, -S * 0.65, 2, 3.2);
        roundel(cr, S * 0.65, 2, 3.2);
        propeller(cr, 0, -L / 2, 11, frame);
        break;
    }
    case 1: {
        mirroredShape(cr, {{3, -8}, {S - 4, -4}, {S, -2}, {S - 1, 4}, {4, 6}});
        fillLit(cr, c, 0.35);
        strokeLine(cr, edge, 1.0, 0.8);
        mirroredShape(cr, {{2, L / 2 - 11}, {15, L / 2 - 6}, {15, L / 2 - 2}, {2, L / 2 - 1}});
        fillLit(cr, c, 0.35);
        strokeLine(cr, edge, 1.0, 0.8);
        for (double s : {-1.0, 1.0}) {
            roundedRect(cr, s * S * 0.42 - 3.5, -15, 7, 22, 3);
            fillLit(cr, shade(c, 0.85), 0.4);
            strokeLine(cr, edge, 1.0, 0.8);
            propeller(cr, s * S * 0.42, -16, 11, (frame + (s > 0 ? 1 : 0)) % 4);
        }
        mirroredShape(cr, {{0, -L / 2}, {5, -L / 2 + 5}, {6, -4}, {4, L / 2 - 4}, {2, L / 2}});
        fillLit(cr, c, 0.4);
        strokeLine(cr, edge, 1.0, 0.8);
        ellipse(cr, 0, -L / 2 + 5, 3.6, 4);
        setColor(cr, pal::glass);
        cairo_fill(cr);
        ellipse(cr, 0, -10, 2.4, 4);
        setColor(cr, pal::glass);
        cairo_fill(cr);
        for (double y = -L / 2 + 14; y < L / 2 - 6; y += 8) {
            cairo_move_to(cr, -4, y);
            cairo_line_to(cr, 4, y);
        }
        strokeLine(cr, pal::black, 0.3, 0.6);
        roundel(cr, -S * 0.75, -1, 3.5);
        roundel(cr, S * 0.75, -1, 3.5);
        break;
    }
    case 2: {
        afterburner(cr, 0, L / 2 - 1, 4, frame);
        mirroredShape(cr, {{3, -17}, {S, 6}, {S, 9}, {3, 12}});
        fillLit(cr, c, 0.35);
        strokeLine(cr, edge, 1.0, 0.8);
        mirroredShape(cr, {{2, L / 2 - 10}, {11, L / 2 - 1}, {11, L / 2}, {2, L / 2 - 2}});
        fillLit(cr, c, 0.35);
        strokeLine(cr, edge, 1.0, 0.8);
        mirroredShape(cr, {{0, -L / 2}, {2.5, -L / 2 + 10}, {4, -4}, {4, L / 2 - 2}, {2.5, L / 2}});
        fillLit(cr, c, 0.4);
        strokeLine(cr, edge, 1.0, 0.8);
        ellipse(cr, 0, -L / 2 + 15, 2.2, 6);
        setColor(cr, pal::glass);
        cairo_fill(cr);
        for (double s : {-1.0, 1.0}) {
            polygon(cr, {{s * S * 0.55, 5}, {s * S * 0.8, 8.5}, {s * S * 0.8, 11}, {s * S * 0.55, 8}});
            setColor(cr, pal::red);
            cairo_fill(cr);
        }
        break;
    }
    default: {
        for (double s : {-1.0, 1.0})
            afterburner(cr, s * 3.2, L / 2 - 1, 3.6, (frame + (s > 0 ? 2 : 0)) % 4);
        mirroredShape(cr, {{4, -12}, {S, 6}, {S, 10}, {4, 8}});
        fillLit(cr, c, 0.35);
        strokeLine(cr, edge, 1.0, 0.8);
        mirroredShape(cr, {{4, L / 2 - 12}, {15, L / 2 - 2}, {15, L / 2}, {4, L / 2 - 2}});
        fillLit(cr, c, 0.35);
        strokeLine(cr, edge, 1.0, 0.8);
        mirroredShape(cr, {{0, -L / 2}, {3.5, -L / 2 + 12}, {6.5, -8}, {6.5, L / 2 - 2}, {4, L / 2}});
        fillLit(cr, c, 0.4);
        strokeLine(cr, edge, 1.0, 0.8);
        ellipse(cr, 0, -L / 2 + 17, 2.8, 7);
        setColor(cr, pal::glass);
        cairo_fill(cr);
        for (double s : {-1.0, 1.0}) {
            roundedRect(cr, s * S * 0.45 - 1.5, -2, 3, 12, 1.5);
            setColor(cr, pal::greyDark);
            cairo_fill(cr);
            cairo_rectangle(cr, s * 14 - 1, L / 2 - 6, 2, 5);
            setColor(cr, pal::red);
            cairo_fill(cr);
        }
        break;
    }
    }
}

} // namespace

void generatePlanes(const DataTree& tree, SpriteBook* book)
{
    for (int i = 0; i < 4; ++i) {
        const PlaneModel& m = kPlanes[i];
        const std::string dir = "dat/plane0" + std::to_string(i + 1) + "/";
        writeStripSprite(tree, book, dir + "plane0" + std::to_string(i + 1) + ".xml", dir + "plane.png",
                         m.frame, m.frame, 4, 8, 20, [&](cairo_t* cr, int f, int g) {
                             paintRotatedUnit(cr, m.frame, m.frame, g,
                                              [&](cairo_t* u) { paintPlane(u, m, f); });
                         });
        // A plane's shape is not turned for the straight headings, so the circles form a cross that
        // reads the same in all four: the fuselage and the wings both carry one arm pair.
        const double arm = std::min(m.length, m.span) * 0.3;
        const double core = std::min(m.length, m.span) * 0.13;
        ParamFile params;
        params.circles(
            {{0, 0, core * 1.2}, {0, arm, core}, {0, -arm, core}, {arm, 0, core}, {-arm, 0, core}});
        params.value("hull", m.hullPoints);
        params.write(tree, dir + "params.xml");
    }
}

} // namespace datagen::art
