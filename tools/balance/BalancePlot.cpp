#include "BalancePlot.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace balance {

namespace {

using datagen::levels::Image;

constexpr int kWidth = 1400;
constexpr int kHeight = 820;
constexpr int kStrips = 5;

struct Colour {
    double r, g, b;
};

Colour pilotColour(const std::string& pilot)
{
    if (pilot == "novice")
        return {0.20, 0.62, 0.25};
    if (pilot == "average")
        return {0.95, 0.62, 0.10};
    if (pilot == "expert")
        return {0.85, 0.18, 0.15};
    return {0.35, 0.45, 0.85};
}

void text(cairo_t* cr, double x, double y, const std::string& s, double size = 13)
{
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, s.c_str());
}

void chart(cairo_t* cr, const BalanceTable& table, double x0, double y0, double w, double h)
{
    const std::vector<int> levels = table.levels();
    const int last = levels.empty() ? 30 : std::max(30, levels.back());
    auto px = [&](double level) { return x0 + (level - 1) / std::max(1, last - 1) * w; };
    auto py = [&](double rate) { return y0 + h - rate * h; };

    cairo_set_source_rgb(cr, 0.85, 0.85, 0.85);
    cairo_set_line_width(cr, 1);
    for (int p = 0; p <= 100; p += 25) {
        cairo_move_to(cr, x0, py(p / 100.0));
        cairo_line_to(cr, x0 + w, py(p / 100.0));
        cairo_stroke(cr);
        cairo_set_source_rgb(cr, 0.3, 0.3, 0.3);
        text(cr, x0 - 42, py(p / 100.0) + 4, std::to_string(p) + " %");
        cairo_set_source_rgb(cr, 0.85, 0.85, 0.85);
    }
    cairo_set_source_rgb(cr, 0.3, 0.3, 0.3);
    for (int level = 1; level <= last; level += (level == 1 ? 4 : 5))
        text(cr, px(level) - 6, y0 + h + 18, std::to_string(level));
    text(cr, x0 + w / 2 - 20, y0 + h + 38, "level");
    text(cr, x0, y0 - 14, "Levels completed from their start with three lives", 15);

    double legendY = y0 + 10;
    for (const std::string& pilot : table.pilots()) {
        const Colour c = pilotColour(pilot);
        cairo_set_source_rgb(cr, c.r, c.g, c.b);
        cairo_set_line_width(cr, pilot == "ace" ? 1.5 : 2.5);
        if (pilot == "ace") {
            const double dash[] = {5, 4};
            cairo_set_dash(cr, dash, 2, 0);
        }
        bool started = false;
        for (const int level : levels)
            if (const LevelFigures* f = table.find(level, pilot)) {
                if (started)
                    cairo_line_to(cr, px(level), py(f->completionRate()));
                else
                    cairo_move_to(cr, px(level), py(f->completionRate()));
                started = true;
            }
        cairo_stroke(cr);
        cairo_set_dash(cr, nullptr, 0, 0);
        for (const int level : levels)
            if (const LevelFigures* f = table.find(level, pilot)) {
                cairo_arc(cr, px(level), py(f->completionRate()), 3, 0, 2 * M_PI);
                cairo_fill(cr);
            }
        cairo_rectangle(cr, x0 + w - 110, legendY - 9, 18, 4);
        cairo_fill(cr);
        cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
        text(cr, x0 + w - 86, legendY, pilot);
        legendY += 18;
    }
}

void deathMap(cairo_t* cr, const BalanceTable& table, const std::vector<FlightLine>& flights, const Image* ground,
              double x0, double y0, double w, double h)
{
    const int level = table.hardestLevel();
    char title[96];
    std::snprintf(title, sizeof title, "Level %d: where lives were lost (start at the bottom left)", level);
    cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
    text(cr, x0, y0 - 14, title, 15);
    if (level == 0)
        return;
    // The level's height: the ground's, else the highest death.
    float height = ground ? static_cast<float>(ground->height) : 0.0f;
    for (const FlightLine& f : flights)
        if (f.level == level)
            for (const auto& d : f.deaths)
                height = std::max(height, d.second + 600.0f);
    if (height <= 0.0f)
        return;
    const double stripW = w / kStrips;
    const double stripH = static_cast<double>(height) / kStrips;
    const double scale = std::min(stripW / 800.0, h / stripH);
    cairo_surface_t* picture = ground ? datagen::levels::toSurface(*ground) : nullptr;
    for (int s = 0; s < kStrips; ++s) {
        const double sx = x0 + s * stripW;
        if (picture) {
            cairo_save(cr);
            cairo_rectangle(cr, sx, y0, 800 * scale, stripH * scale);
            cairo_clip(cr);
            // The ground picture has the level's top at its top; strip s shows heights
            // s x stripH .. (s + 1) x stripH with the lower end at the bottom.
            cairo_translate(cr, sx, y0 + stripH * scale - (height - s * stripH) * scale);
            cairo_scale(cr, scale, scale);
            cairo_set_source_surface(cr, picture, 0, height - ground->height);
            cairo_paint(cr);
            cairo_restore(cr);
        }
        cairo_set_source_rgb(cr, 0.4, 0.4, 0.4);
        cairo_set_line_width(cr, 1);
        cairo_rectangle(cr, sx, y0, 800 * scale, stripH * scale);
        cairo_stroke(cr);
    }
    if (picture)
        cairo_surface_destroy(picture);
    for (const FlightLine& f : flights) {
        if (f.level != level)
            continue;
        const Colour c = pilotColour(f.pilot);
        for (const auto& d : f.deaths) {
            const int s = std::clamp(static_cast<int>(d.second / stripH), 0, kStrips - 1);
            const double x = x0 + s * stripW + d.first * scale;
            const double y = y0 + stripH * scale - (d.second - s * stripH) * scale;
            cairo_set_source_rgba(cr, c.r, c.g, c.b, 0.9);
            cairo_arc(cr, x, y, 4, 0, 2 * M_PI);
            cairo_fill_preserve(cr);
            cairo_set_source_rgb(cr, 1, 1, 1);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        }
    }
}

} // namespace

Image plotBalance(const BalanceTable& table, const std::vector<FlightLine>& flights, const Image* hardestGround)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    chart(cr, table, 70, 60, 620, 680);
    deathMap(cr, table, flights, hardestGround, 760, 60, 620, 740);
    cairo_destroy(cr);
    Image out = datagen::levels::fromSurface(surface);
    cairo_surface_destroy(surface);
    return out;
}

} // namespace balance
