#pragma once

#include <cairo.h>

#include <cstdint>
#include <initializer_list>
#include <utility>

namespace datagen::art {

struct Rgb {
    double r, g, b;
};

// The shared palette: the player silver and blue, enemies olive, grey and sand with red markings.
namespace pal {
inline constexpr Rgb silver{0.80, 0.83, 0.86};
inline constexpr Rgb silverDark{0.50, 0.54, 0.60};
inline constexpr Rgb blue{0.17, 0.38, 0.72};
inline constexpr Rgb blueLight{0.42, 0.64, 0.93};
inline constexpr Rgb olive{0.42, 0.45, 0.24};
inline constexpr Rgb oliveDark{0.27, 0.30, 0.15};
inline constexpr Rgb grey{0.52, 0.54, 0.55};
inline constexpr Rgb greyDark{0.30, 0.32, 0.33};
inline constexpr Rgb sand{0.78, 0.69, 0.49};
inline constexpr Rgb sandDark{0.56, 0.47, 0.30};
inline constexpr Rgb red{0.80, 0.12, 0.10};
inline constexpr Rgb glass{0.18, 0.30, 0.40};
inline constexpr Rgb black{0.08, 0.08, 0.09};
inline constexpr Rgb white{1.0, 1.0, 1.0};
inline constexpr Rgb cream{0.894, 0.894, 0.745};
inline constexpr Rgb fire{1.0, 0.62, 0.16};
} // namespace pal

Rgb mix(Rgb a, Rgb b, double t);
Rgb shade(Rgb c, double f); // f > 1 lighter, f < 1 darker

void setColor(cairo_t* cr, Rgb c, double alpha = 1.0);
void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
void polygon(cairo_t* cr, std::initializer_list<std::pair<double, double>> points);
// The polygon and its mirror image about x = 0, given as the right half from top to bottom.
void mirroredShape(cairo_t* cr, std::initializer_list<std::pair<double, double>> rightHalf);

// Fills the current path with a lit gradient: light falls from the upper left of the screen,
// whatever the current transformation. The path is kept.
void fillLit(cairo_t* cr, Rgb base, double spread = 0.35);
void strokeLine(cairo_t* cr, Rgb c, double alpha, double width);

// Light from the upper left over everything already drawn in the rectangle (screen space).
void lightPass(cairo_t* cr, double x, double y, double w, double h, double strength = 1.0);

// Deterministic pseudo-random numbers for scatter and noise.
class Rng final {
public:
    explicit Rng(std::uint32_t seed) : m_state(seed * 2654435761u + 12345u) {}
    std::uint32_t next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return m_state >> 8;
    }
    double uniform() { return static_cast<double>(next() & 0xFFFFFF) / 16777216.0; }
    double range(double a, double b) { return a + (b - a) * uniform(); }

private:
    std::uint32_t m_state;
};

inline constexpr double kPi = 3.14159265358979323846;

} // namespace datagen::art
