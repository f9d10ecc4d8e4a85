#include "art/ArtParts.h"
#include "art/Draw.h"
#include "art/Params.h"

#include <cmath>
#include <string>

namespace datagen::art {

namespace {

struct HelicModel {
    int frame;
    double bodyLength, bodyWidth, tail, rotor;
    int blades;
    Rgb color;
    bool twinRotor, stubWings;
    int hullPoints;
};

// Hull values: the scout falls to a short burst, the gunship to about a second of fire, the heavy
// transport needs a missile and change. Helicopters that hover and fire are worth the most.
const HelicModel kHelics[4] = {
    {80, 24, 11, 20, 30, 2, pal::olive, false, false, 50},
    {96, 30, 12, 24, 36, 4, pal::grey, false, true, 80},
    {112, 62, 15, 0, 27, 3, pal::sand, true, false, 150},
    {96, 32, 10, 24, 37, 4, {0.46, 0.5, 0.38}, false, true, 110},
};

void rotorDisc(cairo_t* cr, double x, double y, double r, int blades, int frame)
{
    cairo_pattern_t* p = cairo_pattern_create_radial(x, y, r * 0.1, x, y, r);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.1, 0.1, 0.1, 0.05);
    cairo_pattern_add_color_stop_rgba(p, 0.85, 0.15, 0.15, 0.15, 0.16);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.15, 0.15, 0.15, 0.0);
    cairo_set_source(cr, p);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    const double step = 2 * kPi / blades;
    const double base = frame * step / 4.0;
    for (int b = 0; b < blades; ++b) {
        const double a = base + b * step;
        // motion blur: a faint sector trailing each blade
        cairo_move_to(cr, x, y);
        cairo_arc(cr, x, y, r, a - step * 0.22, a);
        cairo_close_path(cr);
        cairo_set_source_rgba(cr, 0.1, 0.1, 0.1, 0.12);
        cairo_fill(cr);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, a);
        cairo_rectangle(cr, 0, -1.3, r, 2.6);
        cairo_set_source_rgba(cr, 0.12, 0.12, 0.12, 0.85);
        cairo_fill(cr);
        cairo_rectangle(cr, r - 3, -1.3, 3, 2.6);
        setColor(cr, {0.95, 0.85, 0.2}, 0.9);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    ellipse(cr, x, y, 2.5, 2.5);
    setColor(cr, pal::greyDark);
    cairo_fill(cr);
}

void paintHelic(cairo_t* cr, const HelicModel& m, int frame)
{
    const double L = m.bodyLength, W = m.bodyWidth;
    const double top = -L / 2 - (m.tail > 0 ? m.tail * 0.35 : 0);
    const double bottom = top + L;
    if (m.twinRotor) {
        // tandem transport: long box body, rotors fore and aft
        roundedRect(cr, -W / 2, top, W, L, W * 0.45);
        fillLit(cr, m.color, 0.35);
        strokeLine(cr, shade(m.color, 0.5), 1.0, 0.9);
        for (double y = top + 12; y < bottom - 8; y += 9) {
            cairo_move_to(cr, -W / 2 + 2, y);
            cairo_line_to(cr, W / 2 - 2, y);
        }
        strokeLine(cr, pal::black, 0.25, 0.6);
        ellipse(cr, 0, top + 6, W * 0.32, 4);
        setColor(cr, pal::glass);
        cairo_fill(cr);
        for (double y : {top + L * 0.45, top + L * 0.6}) {
            ellipse(cr, 0, y, 3, 3);
            setColor(cr, pal::red);
            cairo_fill(cr);
        }
        roundedRect(cr, -W * 0.3, bottom - 14, W * 0.6, 10, 3);
        fillLit(cr, shade(m.color, 0.8), 0.4);
        cairo_new_path(cr);
        rotorDisc(cr, 0, top + 10, m.rotor, m.blades, frame);
        rotorDisc(cr, 0, bottom - 10, m.rotor, m.blades, (frame + 2) % 4);
        return;
    }
    const double tailEnd = bottom + m.tail;
    // tail boom, stabiliser and tail rotor
    polygon(cr, {{-2.2, bottom - 4}, {2.2, bottom - 4}, {1.3, tailEnd}, {-1.3, tailEnd}});
    fillLit(cr, m.color, 0.3);
    strokeLine(cr, shade(m.color, 0.5), 0.9, 0.6);
    roundedRect(cr, -7, tailEnd - 9, 14, 3.2, 1.2);
    fillLit(cr, m.color, 0.3);
    cairo_new_path(cr);
    cairo_rectangle(cr, -1.5, tailEnd - 2, 3, 2.5);
    setColor(cr, pal::red);
    cairo_fill(cr);
    {
        const double a = frame * kPi / 4;
        cairo_move_to(cr, 3 + std::cos(a) * 0.6, tailEnd - 2 - 5 * std::cos(a));
        cairo_line_to(cr, 3 - std::cos(a) * 0.6, tailEnd - 2 + 5 * std::cos(a));
        setColor(cr, pal::black, 0.8);
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
    }
    if (m.stubWings) {
        for (double s : {-1.0, 1.0}) {
            roundedRect(cr, s > 0 ? W / 2 - 1 : -W / 2 - 9, top + L * 0.45, 10, 4, 1);
            fillLit(cr, shade(m.color, 0.85), 0.3);
            cairo_new_path(cr);
            roundedRect(cr, s * (W / 2 + 6) - 2.2, top + L * 0.35, 4.4, 11, 2);
            fillLit(cr, pal::greyDark, 0.4);
            cairo_new_path(cr);
            ellipse(cr, s * (W / 2 + 6), top + L * 0.35 + 1, 1.5, 1.2);
            setColor(cr, pal::red);
            cairo_fill(cr);
        }
    } else {
        for (double s : {-1.0, 1.0}) {
            roundedRect(cr, s * (W / 2 + 2) - 0.8, top + 3, 1.6, L * 0.75, 0.8);
            setColor(cr, pal::greyDark);
            cairo_fill(cr);
        }
    }
    // body pod
    cairo_move_to(cr, 0, top);
    cairo_curve_to(cr, W * 0.6, top, W / 2, top + L * 0.3, W / 2, top + L * 0.55);
    cairo_curve_to(cr, W / 2, top + L * 0.85, W * 0.2, bottom, 0, bottom);
    cairo_curve_to(cr, -W * 0.2, bottom, -W / 2, top + L * 0.85, -W / 2, top + L * 0.55);
    cairo_curve_to(cr, -W / 2, top + L * 0.3, -W * 0.6, top, 0, top);
    cairo_close_path(cr);
    fillLit(cr, m.color, 0.4);
    strokeLine(cr, shade(m.color, 0.5), 1.0, 0.9);
    // canopy, engine deck, markings
    cairo_move_to(cr, 0, top + 1.5);
    cairo_curve_to(cr, W * 0.45, top + 1.5, W * 0.42, top + L * 0.28, W * 0.35, top + L * 0.33);
    cairo_line_to(cr, -W * 0.35, top + L * 0.33);
    cairo_curve_to(cr, -W * 0.42, top + L * 0.28, -W * 0.45, top + 1.5, 0, top + 1.5);
    cairo_close_path(cr);
    {
        cairo_pattern_t* p = cairo_pattern_create_linear(-W / 2, top, W / 2, top + L * 0.3);
        cairo_pattern_add_color_stop_rgb(p, 0, 0.6, 0.8, 0.9);
        cairo_pattern_add_color_stop_rgb(p, 0.4, pal::glass.r, pal::glass.g, pal::glass.b);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.05, 0.1, 0.14);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
    roundedRect(cr, -W * 0.3, top + L * 0.5, W * 0.6, L * 0.3, 2);
    fillLit(cr, shade(m.color, 0.75), 0.4);
    cairo_new_path(cr);
    for (double s : {-1.0, 1.0}) {
        ellipse(cr, s * W * 0.15, top + L * 0.72, 1.6, 1.6);
        setColor(cr, pal::black, 0.8);
        cairo_fill(cr);
    }
    ellipse(cr, 0, top + L * 0.42, 2.2, 2.2);
    setColor(cr, pal::red);
    cairo_fill(cr);
    rotorDisc(cr, 0, top + L * 0.5, m.rotor, m.blades, frame);
}

} // namespace

void generateHelicopters(const DataTree& tree, SpriteBook* book)
{
    for (int i = 0; i < 4; ++i) {
        const HelicModel& m = kHelics[i];
        const std::string dir = "dat/helic0" + std::to_string(i + 1) + "/";
        writeStripSprite(tree, book, dir + "helic0" + std::to_string(i + 1) + ".xml", dir + "helic.png",
                         m.frame, m.frame, 4, 8, 20, [&](cairo_t* cr, int f, int g) {
                             paintRotatedUnit(cr, m.frame, m.frame, g,
                                              [&](cairo_t* u) { paintHelic(u, m, f); });
                         });
        // Unit frame: y toward the nose. The pod spans from its nose to the start of the tail.
        const double L = m.bodyLength, W = m.bodyWidth;
        const double nose = L / 2 + (m.tail > 0 ? m.tail * 0.35 : 0);
        const double centre = nose - L / 2;
        std::vector<Circle> circles;
        for (const Circle& c : axisCircles(L, W, 1.05))
            circles.push_back({c.x, c.y + centre, c.r});
        if (m.tail > 0)
            circles.push_back({0, centre - L / 2 - m.tail * 0.55, 3.5});
        const double tailTip = m.tail > 0 ? centre - L / 2 - m.tail : centre - L / 2;
        ParamFile params;
        params.points("collition_points", {{0, nose},
                                           {W / 2, centre + L * 0.1},
                                           {-W / 2, centre + L * 0.1},
                                           {W / 2 * 0.7, centre - L * 0.3},
                                           {-W / 2 * 0.7, centre - L * 0.3},
                                           {0, tailTip}});
        params.circles(circles);
        params.value("hull", m.hullPoints);
        params.write(tree, dir + "params.xml");
    }
}

} // namespace datagen::art
