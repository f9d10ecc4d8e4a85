#include "art/ArtParts.h"
#include "art/Draw.h"
#include "art/Params.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace datagen::art {

namespace {

struct BuildingModel {
    int width, height;   // frame
    double footW, footH; // the structure's footprint, centred
    double elevation;    // how tall it stands: sets the shadow offset
    int hullPoints;
};

// Buildings do not shoot or ram, so their hull only sets how long they soak fire and what they
// score: light huts go in a burst, the factory and hangar need missiles.
const BuildingModel kBuildings[12] = {
    {56, 56, 40, 40, 4, 60},      // 1 pillbox
    {104, 56, 92, 40, 6, 90},     // 2 barracks
    {120, 88, 108, 72, 10, 180},  // 3 hangar
    {88, 72, 76, 60, 8, 110},     // 4 fuel tanks
    {72, 72, 60, 60, 12, 100},    // 5 radar station
    {120, 104, 104, 88, 12, 220}, // 6 factory
    {56, 56, 40, 40, 14, 70},     // 7 water tower
    {104, 72, 92, 60, 7, 130},    // 8 warehouse
    {88, 88, 72, 72, 9, 150},     // 9 command post
    {72, 64, 60, 50, 8, 60},      // 10 farmhouse
    {72, 72, 62, 62, 3, 80},      // 11 gun emplacement
    {96, 80, 84, 68, 5, 120},     // 12 ammunition depot
};

void roof(cairo_t* cr, double x, double y, double w, double h, Rgb c, double r = 2)
{
    roundedRect(cr, x, y, w, h, r);
    fillLit(cr, c, 0.3);
    strokeLine(cr, shade(c, 0.45), 1.0, 1.0);
}

// A pitched roof seen from above: the half facing the upper left is lit.
void gableRoof(cairo_t* cr, double x, double y, double w, double h, Rgb c, bool ridgeAlongX)
{
    if (ridgeAlongX) {
        cairo_rectangle(cr, x, y, w, h / 2);
        setColor(cr, shade(c, 1.18));
        cairo_fill(cr);
        cairo_rectangle(cr, x, y + h / 2, w, h / 2);
        setColor(cr, shade(c, 0.72));
        cairo_fill(cr);
        for (double xx = x + 5; xx < x + w; xx += 6) {
            cairo_move_to(cr, xx, y + 1);
            cairo_line_to(cr, xx, y + h - 1);
        }
    } else {
        cairo_rectangle(cr, x, y, w / 2, h);
        setColor(cr, shade(c, 1.18));
        cairo_fill(cr);
        cairo_rectangle(cr, x + w / 2, y, w / 2, h);
        setColor(cr, shade(c, 0.72));
        cairo_fill(cr);
        for (double yy = y + 5; yy < y + h; yy += 6) {
            cairo_move_to(cr, x + 1, yy);
            cairo_line_to(cr, x + w - 1, yy);
        }
    }
    strokeLine(cr, pal::black, 0.15, 0.8);
    cairo_rectangle(cr, x, y, w, h);
    strokeLine(cr, shade(c, 0.4), 1.0, 1.0);
}

void vent(cairo_t* cr, double x, double y, double r)
{
    ellipse(cr, x, y, r, r);
    fillLit(cr, pal::grey, 0.5);
    strokeLine(cr, pal::black, 0.5, 0.6);
    ellipse(cr, x, y, r * 0.5, r * 0.5);
    setColor(cr, pal::black, 0.7);
    cairo_fill(cr);
}

void paintBuilding(cairo_t* cr, int model, const BuildingModel& m)
{
    const double w = m.footW, h = m.footH, x0 = -w / 2, y0 = -h / 2;
    switch (model) {
    case 0: {
        ellipse(cr, 0, 0, w / 2, h / 2);
        fillLit(cr, {0.6, 0.6, 0.56}, 0.4);
        strokeLine(cr, {0.3, 0.3, 0.28}, 1, 1.2);
        ellipse(cr, 0, 0, w / 2 - 6, h / 2 - 6);
        fillLit(cr, {0.66, 0.66, 0.62}, 0.35);
        cairo_new_path(cr);
        cairo_rectangle(cr, -9, -h / 2 + 1, 18, 4);
        setColor(cr, pal::black, 0.85);
        cairo_fill(cr);
        cairo_rectangle(cr, -1.5, -h / 2 - 6, 3, 10);
        setColor(cr, pal::greyDark);
        cairo_fill(cr);
        break;
    }
    case 1: {
        gableRoof(cr, x0, y0, w, h, pal::olive, true);
        for (double x : {x0 + 18, x0 + 46, x0 + 74})
            vent(cr, x, y0 + h * 0.25, 3);
        cairo_rectangle(cr, x0 + w - 16, y0 + 4, 10, 6);
        setColor(cr, pal::red);
        cairo_fill(cr);
        break;
    }
    case 2: {
        cairo_rectangle(cr, x0, y0, w, h);
        cairo_pattern_t* p = cairo_pattern_create_linear(x0, 0, x0 + w, 0);
        cairo_pattern_add_color_stop_rgb(p, 0, 0.52, 0.55, 0.5);
        cairo_pattern_add_color_stop_rgb(p, 0.3, 0.78, 0.8, 0.76);
        cairo_pattern_add_color_stop_rgb(p, 0.55, 0.6, 0.62, 0.58);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.32, 0.34, 0.32);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        strokeLine(cr, {0.25, 0.25, 0.24}, 1, 1.2);
        for (double y = y0 + 6; y < y0 + h; y += 6) {
            cairo_move_to(cr, x0 + 1, y);
            cairo_line_to(cr, x0 + w - 1, y);
        }
        strokeLine(cr, pal::black, 0.18, 0.8);
        cairo_rectangle(cr, x0 + w * 0.3, y0 + h - 5, w * 0.4, 5);
        setColor(cr, {0.2, 0.2, 0.2});
        cairo_fill(cr);
        ellipse(cr, 0, 0, 7, 7);
        setColor(cr, pal::white, 0.8);
        cairo_fill(cr);
        ellipse(cr, 0, 0, 4.5, 4.5);
        setColor(cr, pal::red);
        cairo_fill(cr);
        break;
    }
    case 3: {
        roundedRect(cr, x0, y0, w, h, 3);
        setColor(cr, {0.45, 0.43, 0.36});
        cairo_fill(cr);
        const double rs[3] = {16, 13, 12};
        const Point2 cs[3] = {{-w * 0.22, -h * 0.12}, {w * 0.26, -h * 0.2}, {w * 0.12, h * 0.26}};
        for (int i = 0; i < 3; ++i) {
            ellipse(cr, cs[i].x, cs[i].y, rs[i], rs[i]);
            fillLit(cr, {0.78, 0.76, 0.7}, 0.45);
            strokeLine(cr, {0.3, 0.3, 0.28}, 1, 1);
            ellipse(cr, cs[i].x, cs[i].y, rs[i] * 0.35, rs[i] * 0.35);
            strokeLine(cr, {0.4, 0.4, 0.36}, 1, 0.8);
            cairo_rectangle(cr, cs[i].x - rs[i] * 0.6, cs[i].y - 1.2, rs[i] * 1.2, 2.4);
            setColor(cr, pal::red, 0.85);
            cairo_fill(cr);
        }
        cairo_move_to(cr, cs[0].x, cs[0].y);
        cairo_line_to(cr, cs[1].x, cs[1].y);
        cairo_line_to(cr, cs[2].x, cs[2].y);
        strokeLine(cr, pal::black, 0.35, 1.5);
        break;
    }
    case 4: {
        roundedRect(cr, x0, y0, w, h, 6);
        fillLit(cr, {0.52, 0.52, 0.48}, 0.25);
        strokeLine(cr, {0.3, 0.3, 0.28}, 1, 1.2);
        roof(cr, x0 + 8, y0 + 16, w - 16, h - 22, {0.7, 0.7, 0.66});
        cairo_rectangle(cr, x0 + 14, y0 + h - 14, 14, 6);
        setColor(cr, pal::glass);
        cairo_fill(cr);
        // dish on a mast, tilted toward the upper left
        ellipse(cr, -4, -8, 17, 12);
        fillLit(cr, {0.92, 0.92, 0.9}, 0.5);
        strokeLine(cr, {0.4, 0.4, 0.4}, 1, 1);
        ellipse(cr, -6, -10, 10, 6.5);
        setColor(cr, {0.7, 0.7, 0.7}, 0.6);
        cairo_fill(cr);
        cairo_move_to(cr, -4, -8);
        cairo_line_to(cr, -14, -17);
        strokeLine(cr, pal::greyDark, 1, 1.5);
        ellipse(cr, w / 2 - 8, h / 2 - 8, 2, 2);
        setColor(cr, pal::red);
        cairo_fill(cr);
        break;
    }
    case 5: {
        gableRoof(cr, x0, y0 + h * 0.3, w * 0.62, h * 0.7, {0.55, 0.42, 0.35}, false);
        roof(cr, x0 + w * 0.62, y0, w * 0.38, h, {0.55, 0.56, 0.54});
        for (int i = 0; i < 3; ++i) {
            const double sx = x0 + w * 0.72 + (i % 2) * 16, sy = y0 + 16 + i * 24;
            ellipse(cr, sx, sy, 7, 7);
            fillLit(cr, {0.6, 0.35, 0.28}, 0.45);
            strokeLine(cr, {0.25, 0.15, 0.1}, 1, 1);
            ellipse(cr, sx, sy, 4, 4);
            setColor(cr, pal::black, 0.9);
            cairo_fill(cr);
            ellipse(cr, sx + 3, sy - 3, 5, 4);
            setColor(cr, {0.7, 0.7, 0.7}, 0.35);
            cairo_fill(cr);
        }
        roof(cr, x0, y0, w * 0.62, h * 0.3, {0.5, 0.5, 0.48}, 1);
        for (double x = x0 + 6; x < x0 + w * 0.6; x += 12) {
            cairo_rectangle(cr, x, y0 + 4, 8, h * 0.22);
            setColor(cr, {0.35, 0.5, 0.58});
            cairo_fill(cr);
        }
        cairo_rectangle(cr, x0, y0, w * 0.62, h * 0.3);
        strokeLine(cr, {0.3, 0.3, 0.3}, 1, 1);
        break;
    }
    case 6: {
        for (double s : {-1.0, 1.0})
            for (double t : {-1.0, 1.0}) {
                cairo_move_to(cr, s * 6, t * 6);
                cairo_line_to(cr, s * w * 0.45, t * h * 0.45);
            }
        strokeLine(cr, {0.3, 0.28, 0.25}, 1, 2.2);
        ellipse(cr, 0, 0, w * 0.36, h * 0.36);
        fillLit(cr, {0.6, 0.55, 0.45}, 0.5);
        strokeLine(cr, {0.3, 0.25, 0.2}, 1, 1.2);
        ellipse(cr, 0, 0, w * 0.16, h * 0.16);
        strokeLine(cr, {0.35, 0.3, 0.25}, 1, 1);
        cairo_rectangle(cr, -w * 0.36, -1.5, w * 0.72, 3);
        setColor(cr, pal::red, 0.8);
        cairo_fill(cr);
        break;
    }
    case 7: {
        roof(cr, x0, y0, w, h, {0.62, 0.5, 0.38}, 1);
        for (double x = x0 + 8; x < x0 + w; x += 8) {
            cairo_move_to(cr, x, y0 + 1);
            cairo_line_to(cr, x, y0 + h - 1);
        }
        strokeLine(cr, pal::black, 0.2, 1);
        for (double x : {x0 + w * 0.25, x0 + w * 0.75}) {
            cairo_rectangle(cr, x - 6, y0 + h * 0.35, 12, h * 0.3);
            setColor(cr, {0.8, 0.82, 0.85}, 0.7);
            cairo_fill(cr);
        }
        break;
    }
    case 8: {
        roof(cr, x0, y0, w, h, {0.45, 0.47, 0.38});
        roof(cr, x0 + 10, y0 + 10, w - 20, h - 20, {0.52, 0.54, 0.44});
        ellipse(cr, 0, 0, 12, 12);
        setColor(cr, {0.3, 0.3, 0.28});
        cairo_fill(cr);
        cairo_move_to(cr, -8, 0);
        cairo_line_to(cr, 8, 0);
        cairo_move_to(cr, 0, -8);
        cairo_line_to(cr, 0, 8);
        strokeLine(cr, pal::white, 0.8, 2);
        cairo_move_to(cr, x0 + w - 10, y0 + 10);
        cairo_line_to(cr, x0 + w - 2, y0 - 2);
        strokeLine(cr, pal::greyDark, 1, 1.5);
        ellipse(cr, x0 + w - 2, y0 - 2, 2, 2);
        setColor(cr, pal::red);
        cairo_fill(cr);
        for (double s : {-1.0, 1.0}) {
            cairo_rectangle(cr, s * (w / 2 - 16) - 4, y0 + 3, 8, 4);
            setColor(cr, pal::red);
            cairo_fill(cr);
        }
        break;
    }
    case 9: {
        gableRoof(cr, x0, y0, w * 0.7, h, {0.7, 0.25, 0.18}, true);
        gableRoof(cr, x0 + w * 0.7, y0 + h * 0.25, w * 0.3, h * 0.5, {0.6, 0.58, 0.5}, true);
        cairo_rectangle(cr, x0 + w * 0.5, y0 + 5, 6, 6);
        setColor(cr, {0.4, 0.3, 0.25});
        cairo_fill(cr);
        break;
    }
    case 10: {
        // sandbag ring with a gun
        ellipse(cr, 0, 0, w / 2, h / 2);
        setColor(cr, {0.5, 0.45, 0.33});
        cairo_fill(cr);
        for (int i = 0; i < 18; ++i) {
            const double a = i * 2 * kPi / 18;
            ellipse(cr, std::cos(a) * (w / 2 - 5), std::sin(a) * (h / 2 - 5), 5.5, 4.5);
            fillLit(cr, pal::sand, 0.35);
            strokeLine(cr, pal::sandDark, 1, 0.8);
        }
        ellipse(cr, 0, 0, w / 2 - 12, h / 2 - 12);
        setColor(cr, {0.36, 0.33, 0.25});
        cairo_fill(cr);
        cairo_rectangle(cr, -1.5, -h / 2 + 2, 3, h / 2);
        setColor(cr, pal::black);
        cairo_fill(cr);
        ellipse(cr, 0, 2, 7, 7);
        fillLit(cr, pal::olive, 0.45);
        strokeLine(cr, pal::oliveDark, 1, 1);
        break;
    }
    default: {
        roundedRect(cr, x0, y0, w, h, 4);
        setColor(cr, {0.48, 0.45, 0.36});
        cairo_fill(cr);
        Rng rng(42);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c) {
                const double bx = x0 + 6 + c * (w - 12) / 4, by = y0 + 6 + r * (h - 12) / 3;
                roof(cr, bx, by, (w - 12) / 4 - 3, (h - 12) / 3 - 3, (r + c) % 3 ? pal::olive : pal::sandDark,
                     1);
                cairo_move_to(cr, bx + 2, by + 2);
                cairo_line_to(cr, bx + (w - 12) / 4 - 5, by + (h - 12) / 3 - 5);
                strokeLine(cr, pal::black, 0.25, 0.8);
                if (rng.uniform() < 0.3) {
                    ellipse(cr, bx + 6, by + 6, 2, 2);
                    setColor(cr, pal::red);
                    cairo_fill(cr);
                }
            }
        break;
    }
    }
}

// Circles on a grid over the footprint; round structures get a ring instead.
std::vector<Circle> footprintCircles(int model, const BuildingModel& m)
{
    std::vector<Circle> out;
    const bool round = model == 0 || model == 6 || model == 10;
    if (round) {
        out.push_back({0, 0, m.footW * 0.3});
        for (int i = 0; i < 6; ++i) {
            const double a = i * kPi / 3;
            out.push_back({std::cos(a) * m.footW * 0.3, std::sin(a) * m.footH * 0.3, m.footW * 0.18});
        }
        return out;
    }
    const double cell = std::min(m.footW, m.footH) / 2;
    const int nx = std::max(1, static_cast<int>(std::round(m.footW / cell)));
    const int ny = std::max(1, static_cast<int>(std::round(m.footH / cell)));
    const double sx = m.footW / nx, sy = m.footH / ny;
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i)
            out.push_back(
                {-m.footW / 2 + sx * (i + 0.5), m.footH / 2 - sy * (j + 0.5), std::max(sx, sy) * 0.68});
    return out;
}

} // namespace

void generateBuildings(const DataTree& tree, SpriteBook* book)
{
    for (int i = 0; i < 12; ++i) {
        const BuildingModel& m = kBuildings[i];
        char dir[32];
        std::snprintf(dir, sizeof dir, "dat/building%02d/", i + 1);
        const std::string d = dir;
        writeStripSprite(tree, book, d + "sprite.xml", d + "building.png", m.width, m.height, 1, 1, 0,
                         [&](cairo_t* cr, int, int) {
                             paintBuilding(cr, i, m);
                             lightPass(cr, -m.width / 2.0, -m.height / 2.0, m.width, m.height, 0.5);
                         });
        ParamFile params;
        params.circles(footprintCircles(i, m));
        params.value("hull", m.hullPoints);
        // Light from the upper left: shadows fall right and down, longer for taller structures.
        params.value("shadowX", static_cast<float>(m.elevation));
        params.value("shadowY", static_cast<float>(m.elevation));
        params.write(tree, d + "params.xml");
    }
}

} // namespace datagen::art
