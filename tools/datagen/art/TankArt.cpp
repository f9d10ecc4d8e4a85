#include "art/ArtParts.h"
#include "art/Draw.h"
#include "art/Params.h"

#include <cmath>
#include <string>

namespace datagen::art {

namespace {

struct TankModel {
    int frame;
    double length, width;
    Rgb color;
    int kind; // 0 light tank, 1 medium tank, 2 rocket truck, 3 twin flak, 4 quad flak
    int flak, flakCount, hullPoints;
    std::vector<Point2> muzzles; // unit frame, y toward the front
};

// Ground targets never move, so the player chooses when to face them: tanks are tougher than boats
// of their size. Flak vehicles fire many weak shells (8 each) and are given less armour than the
// rocket tanks, whose 50-point rockets hurt most.
const TankModel kTanks[5] = {
    {64, 34, 22, pal::olive, 0, 0, 10, 60, {{0, 25}}},
    {72, 40, 26, {0.36, 0.40, 0.30}, 1, 0, 10, 90, {{0, 33}}},
    {72, 44, 20, pal::sand, 2, 0, 10, 70, {{-4, 9}, {4, 9}}},
    {64, 34, 24, pal::grey, 3, 1, 10, 80, {{-2.6, 24}, {2.6, 24}}},
    {80, 42, 28, {0.5, 0.45, 0.33}, 4, 2, 14, 120, {{-3.5, 28}, {3.5, 28}, {-6.5, 28}, {6.5, 28}}},
};

void tracks(cairo_t* cr, double L, double W)
{
    for (double s : {-1.0, 1.0}) {
        roundedRect(cr, s > 0 ? W / 2 - 6 : -W / 2, -L / 2, 6, L, 2);
        setColor(cr, {0.16, 0.16, 0.14});
        cairo_fill(cr);
        for (double y = -L / 2 + 2; y < L / 2 - 1; y += 3) {
            cairo_move_to(cr, s > 0 ? W / 2 - 5.5 : -W / 2 + 0.5, y);
            cairo_line_to(cr, s > 0 ? W / 2 - 0.5 : -W / 2 + 5.5, y);
        }
        strokeLine(cr, {0.35, 0.35, 0.32}, 0.9, 1.0);
    }
}

void paintTank(cairo_t* cr, const TankModel& m)
{
    const double L = m.length, W = m.width;
    const Rgb c = m.color, edge = shade(c, 0.45);
    if (m.kind == 2) {
        // rocket truck: wheels, cab at the front, launcher on the bed
        for (double y : {-L * 0.32, L * 0.12, L * 0.32})
            for (double s : {-1.0, 1.0}) {
                roundedRect(cr, s * W / 2 - 2.5, y - 4, 5, 8, 2);
                setColor(cr, {0.12, 0.12, 0.12});
                cairo_fill(cr);
            }
        roundedRect(cr, -W / 2 + 2, -L / 2, W - 4, L * 0.28, 3);
        fillLit(cr, c, 0.35);
        strokeLine(cr, edge, 1, 0.8);
        cairo_rectangle(cr, -W / 2 + 4, -L / 2 + 2, W - 8, 3);
        setColor(cr, pal::glass);
        cairo_fill(cr);
        roundedRect(cr, -W / 2 + 1, -L / 2 + L * 0.3, W - 2, L * 0.7, 2);
        fillLit(cr, shade(c, 0.85), 0.3);
        strokeLine(cr, edge, 1, 0.8);
        // the launcher: four tubes along the bed, rocket noses showing at the front
        roundedRect(cr, -8, -9.5, 16, 24, 2);
        fillLit(cr, shade(c, 0.6), 0.3);
        strokeLine(cr, pal::black, 0.6, 0.8);
        for (int t = 0; t < 4; ++t) {
            const double x = -6 + t * 4;
            roundedRect(cr, x - 1.7, -9, 3.4, 22, 1.7);
            fillLit(cr, {0.42, 0.44, 0.36}, 0.45);
            strokeLine(cr, pal::black, 0.5, 0.5);
            ellipse(cr, x, -8, 1.5, 1.5);
            setColor(cr, pal::red);
            cairo_fill(cr);
        }
        cairo_rectangle(cr, -W / 2 + 1, L / 2 - 4, W - 2, 2);
        setColor(cr, pal::red);
        cairo_fill(cr);
        return;
    }
    tracks(cr, L, W);
    roundedRect(cr, -W / 2 + 5, -L / 2 + 1, W - 10, L - 2, 3);
    fillLit(cr, c, 0.35);
    strokeLine(cr, edge, 1, 0.8);
    // engine grille at the back
    for (double y = L / 2 - 9; y < L / 2 - 2; y += 2) {
        cairo_move_to(cr, -W / 2 + 7, y);
        cairo_line_to(cr, W / 2 - 7, y);
    }
    strokeLine(cr, pal::black, 0.4, 0.7);
    if (m.kind <= 1) {
        const double r = W * 0.3;
        const double tip = m.muzzles[0].y;
        cairo_rectangle(cr, -1.5, -tip, 3, tip);
        setColor(cr, shade(c, 0.6));
        cairo_fill(cr);
        cairo_rectangle(cr, -2.2, -tip, 4.4, 4);
        setColor(cr, shade(c, 0.5));
        cairo_fill(cr);
        ellipse(cr, 0, 1, r, r * 1.1);
        fillLit(cr, shade(c, 1.1), 0.45);
        strokeLine(cr, edge, 1, 0.8);
        ellipse(cr, r * 0.35, 3, 2.5, 2.5);
        setColor(cr, shade(c, 0.7));
        cairo_fill(cr);
        polygon(cr, {{-r * 0.5, r * 0.5}, {0, r * 0.1}, {r * 0.5, r * 0.5}, {0, r * 0.3}});
        setColor(cr, pal::red);
        cairo_fill(cr);
    } else {
        const double r = W * 0.32;
        for (const Point2& mz : m.muzzles) {
            cairo_rectangle(cr, mz.x - 0.9, -mz.y, 1.8, mz.y - 2);
            setColor(cr, pal::black, 0.9);
            cairo_fill(cr);
        }
        roundedRect(cr, -r, -r, 2 * r, 2 * r * 1.05, 4);
        fillLit(cr, shade(c, 1.1), 0.45);
        strokeLine(cr, edge, 1, 0.8);
        // radar dish
        ellipse(cr, 0, r * 0.45, r * 0.45, r * 0.3);
        fillLit(cr, {0.75, 0.75, 0.72}, 0.4);
        cairo_new_path(cr);
        ellipse(cr, -r * 0.5, -r * 0.4, 1.6, 1.6);
        setColor(cr, pal::red);
        cairo_fill(cr);
    }
}

} // namespace

void generateTanks(const DataTree& tree, SpriteBook* book)
{
    for (int i = 0; i < 5; ++i) {
        const TankModel& m = kTanks[i];
        const std::string dir = "dat/tank0" + std::to_string(i + 1) + "/";
        writeStripSprite(tree, book, dir + "sprite.xml", dir + "tank.png", m.frame, m.frame, 1, 8, 0,
                         [&](cairo_t* cr, int, int g) {
                             paintRotatedUnit(
                                 cr, m.frame, m.frame, g, [&](cairo_t* u) { paintTank(u, m); }, 3.0, 0.35);
                         });
        ParamFile params;
        std::vector<Circle> circles;
        for (const Circle& c : axisCircles(m.length, m.width * 0.9, 1.0))
            circles.push_back(c);
        params.circles(circles);
        params.value("hull", m.hullPoints);
        params.value("flak", m.flak);
        params.value("flakCount", m.flakCount);
        // Shot origins are offsets in the world (y up the screen), one block per direction group.
        std::vector<Point2> shoot;
        for (int g = 0; g < 8; ++g)
            for (const Point2& mz : m.muzzles) {
                const Point2 s = unitToScreen(mz, g);
                shoot.push_back({s.x, -s.y});
            }
        params.points("shootPos", shoot);
        params.write(tree, dir + "params.xml");
    }
}

} // namespace datagen::art
