#include "art/Draw.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace datagen::art {

Rgb mix(Rgb a, Rgb b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb shade(Rgb c, double f)
{
    if (f >= 1.0)
        return mix(c, pal::white, std::min(1.0, f - 1.0));
    return {c.r * f, c.g * f, c.b * f};
}

void setColor(cairo_t* cr, Rgb c, double alpha)
{
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

void polygon(cairo_t* cr, std::initializer_list<std::pair<double, double>> points)
{
    bool first = true;
    for (const auto& [x, y] : points) {
        if (first)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
        first = false;
    }
    cairo_close_path(cr);
}

void mirroredShape(cairo_t* cr, std::initializer_list<std::pair<double, double>> rightHalf)
{
    bool first = true;
    for (const auto& [x, y] : rightHalf) {
        if (first)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
        first = false;
    }
    for (auto it = std::rbegin(rightHalf); it != std::rend(rightHalf); ++it)
        cairo_line_to(cr, -it->first, it->second);
    cairo_close_path(cr);
}

void fillLit(cairo_t* cr, Rgb base, double spread)
{
    double x1, y1, x2, y2;
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_path_extents(cr, &x1, &y1, &x2, &y2);
    cairo_pattern_t* p = cairo_pattern_create_linear(x1, y1, x2, y2);
    const Rgb hi = shade(base, 1.0 + spread);
    const Rgb lo = shade(base, 1.0 - spread);
    cairo_pattern_add_color_stop_rgb(p, 0.0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 0.45, base.r, base.g, base.b);
    cairo_pattern_add_color_stop_rgb(p, 1.0, lo.r, lo.g, lo.b);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void strokeLine(cairo_t* cr, Rgb c, double alpha, double width)
{
    setColor(cr, c, alpha);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void lightPass(cairo_t* cr, double x, double y, double w, double h, double strength)
{
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    cairo_pattern_t* p = cairo_pattern_create_linear(x, y, x + w, y + h);
    cairo_pattern_add_color_stop_rgba(p, 0.0, 1, 1, 1, 0.22 * strength);
    cairo_pattern_add_color_stop_rgba(p, 0.5, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(p, 1.0, 0, 0, 0, 0.30 * strength);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

} // namespace datagen::art
