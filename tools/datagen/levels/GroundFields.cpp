#include "levels/GroundFields.h"

#include "levels/Rng.h"
#include "levels/TerrainNoise.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace datagen::levels::ground {

namespace {

namespace tn = terrain_noise;

constexpr int kN = 32;
constexpr double kTau = 6.283185307179586;

struct Colour {
    double r, g, b;
};

constexpr Colour c8(int r, int g, int b)
{
    return {r / 255.0, g / 255.0, b / 255.0};
}

Colour mix(Colour a, Colour b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour scale(Colour c, double k)
{
    return {c.r * k, c.g * k, c.b * k};
}

Sample sample(Colour c, double h)
{
    return {c.r, c.g, c.b, h};
}

// Octaves over the cell, first lattice f x f cells. Value noise is calmer between its lattice
// points than on them; each field shifts its lattice, or every variant would share those rows.
double n(std::uint64_t seed, int x, int y, int f, int octaves, double gain = 0.5)
{
    const double ox = tn::hash(seed, 101, 7) * kN, oy = tn::hash(seed, 7, 101) * kN;
    return tn::fbm(seed, x + 0.5 + ox, y + 0.5 + oy, kN, kN, f, f, octaves, gain);
}

// Broad patches of colour, which the common ground must not have: they would show as the same
// tint around every cell. There they fade to a gentle fine mottle about the middle value.
double broad(std::uint64_t seed, int x, int y, int f, int octaves, bool common)
{
    return common ? 0.5 + 0.35 * (n(seed, x, y, 8, 2) - 0.5) : n(seed, x, y, f, octaves);
}

double grain(std::uint64_t seed, int x, int y)
{
    return tn::hash(seed ^ 0x51ED, x, y);
}

// Signed offset from a to b on the wrapping cell, in -16..16.
double wrapDelta(double a, double b)
{
    double d = b - a;
    if (d > kN / 2.0)
        d -= kN;
    else if (d < -kN / 2.0)
        d += kN;
    return d;
}

// Round domes on the wrapping cell: crowns of trees and bushes.
struct Dome {
    double x, y, r, top;
    Colour colour;
};

// The highest dome over a pixel, or none.
const Dome* highest(const std::vector<Dome>& domes, double x, double y, double& height)
{
    const Dome* best = nullptr;
    height = 0;
    for (const Dome& d : domes) {
        const double dx = wrapDelta(d.x, x), dy = wrapDelta(d.y, y);
        const double q = 1 - (dx * dx + dy * dy) / (d.r * d.r);
        if (q <= 0)
            continue;
        const double h = d.top * std::sqrt(q);
        if (h > height) {
            height = h;
            best = &d;
        }
    }
    return best;
}

// Ripples and strata: waves that wrap on the cell (whole numbers of waves across it), bent by
// noise.
double waves(std::uint64_t seed, int x, int y, int ax, int ay, double bend)
{
    const double warp = n(seed, x, y, 2, 2) - 0.5;
    return std::sin(kTau * (ax * (x + 0.5) + ay * (y + 0.5)) / kN + bend * kTau * warp);
}

Field grass(std::uint64_t s, bool common)
{
    Field f;
    const Colour lush = c8(84, 106, 62), dry = c8(118, 122, 80), soil = c8(112, 102, 78);
    for (int y = 0; y < kN; ++y)
        for (int x = 0; x < kN; ++x) {
            const double m = broad(s + 1, x, y, 2, 3, common), patch = broad(s + 2, x, y, 4, 2, common);
            const double streak = tn::fbm(s + 3, x + 0.5 + 13 * (s % 3), y + 0.5 + 7 * (s % 5), kN, kN, 16, 8, 2);
            Colour c = mix(lush, dry, tn::smoothstep(0.3, 0.75, m));
            c = mix(c, soil, 0.55 * tn::smoothstep(0.64, 0.78, patch));
            c = scale(c, (0.92 + 0.16 * streak) * (0.95 + 0.1 * grain(s, x, y)));
            f[y * kN + x] = sample(c, 0.55 * broad(s + 4, x, y, 4, 3, common) + 0.45 * streak);
        }
    return f;
}

std::vector<Dome> canopy(Rng& rng, const std::vector<Colour>& palette, int count, double rLo, double rHi)
{
    std::vector<Dome> out;
    for (int i = 0; i < count; ++i) {
        Dome d{rng.uniform(0, kN), rng.uniform(0, kN), rng.uniform(rLo, rHi), rng.uniform(0.7, 1.0),
               rng.pick(palette)};
        d.colour = scale(d.colour, rng.uniform(0.9, 1.1));
        out.push_back(d);
    }
    return out;
}

Field forest(std::uint64_t s, bool autumn, bool common)
{
    Rng rng(s);
    const std::vector<Colour> greens = {c8(64, 88, 52), c8(56, 80, 50), c8(74, 96, 58), c8(50, 72, 48),
                                        c8(46, 66, 48)};
    const std::vector<Colour> fall = {c8(140, 104, 62), c8(150, 126, 70), c8(118, 106, 60), c8(122, 84, 56),
                                      c8(84, 92, 56),   c8(100, 86, 56),  c8(70, 84, 54)};
    // The common canopy is small leafy clumps; the variants' own crowns are whole trees.
    std::vector<Dome> domes = common ? canopy(rng, autumn ? fall : greens, 45, 2.5, 4.5)
                                     : canopy(rng, autumn ? fall : greens, 14, 5.0, 9.5);
    if (common)
        for (Dome& d : domes)
            d.top *= 0.35;
    const Colour gap = autumn ? c8(58, 50, 36) : c8(32, 42, 30);
    Field f;
    for (int y = 0; y < kN; ++y)
        for (int x = 0; x < kN; ++x) {
            double h = 0;
            const Dome* d = highest(domes, x + 0.5, y + 0.5, h);
            const double leaf = n(s + 5, x, y, 8, 2);
            // Deep between the crowns is darker than their tops.
            const Colour c = d ? scale(d->colour, (0.82 + 0.36 * leaf) * (0.75 + 0.3 * h)) : gap;
            f[y * kN + x] = sample(c, 0.8 * h + 0.2 * leaf * (h > 0));
        }
    return f;
}

Field scrub(std::uint64_t s, bool common)
{
    Rng rng(s);
    const std::vector<Dome> bushes =
        canopy(rng, {c8(92, 98, 62), c8(104, 104, 68), c8(84, 90, 60)}, common ? 0 : rng.range(1, 5), 2.4, 4.8);
    const Colour soil = c8(150, 138, 104), dryGrass = c8(136, 132, 92);
    Field f;
    for (int y = 0; y < kN; ++y)
        for (int x = 0; x < kN; ++x) {
            const double m = broad(s + 1, x, y, 2, 3, common), fine = n(s + 2, x, y, 8, 2);
            Colour c = mix(soil, dryGrass, tn::smoothstep(0.35, 0.7, m));
            c = scale(c, (0.9 + 0.2 * fine) * (0.95 + 0.1 * grain(s, x, y)));
            double h = 0;
            if (const Dome* d = highest(bushes, x + 0.5, y + 0.5, h))
                c = scale(d->colour, 0.8 + 0.4 * n(s + 3, x, y, 16, 1));
            f[y * kN + x] = sample(c, 0.25 * fine + 0.45 * h);
        }
    return f;
}

// Whole numbers of waves across the cell give a wave that wraps; a few directions per landscape.
void waveDirection(Rng& rng, const std::vector<std::pair<int, int>>& choices, int& ax, int& ay)
{
    const auto& c = rng.pick(choices);
    ax = c.first;
    ay = c.second;
}

// Rock breaks into slabs: each its own tilted face (lit by its slope), cracks where two slabs
// meet. The common ground breaks into gravel-sized pieces, the variants' own into slabs.
Field rock(std::uint64_t s, bool common)
{
    Rng rng(s);
    struct Slab {
        double x, y, tx, ty, lift;
        Colour colour;
    };
    const std::vector<Colour> stones = {c8(130, 124, 114), c8(122, 118, 112), c8(138, 130, 116), c8(116, 112, 106),
                                        c8(128, 126, 118)};
    std::vector<Slab> slabs;
    const int count = common ? 40 : rng.range(5, 9);
    const double tilt = common ? 0.03 : 0.05;
    for (int i = 0; i < count; ++i)
        slabs.push_back({rng.uniform(0, kN), rng.uniform(0, kN), rng.uniform(-tilt, tilt), rng.uniform(-tilt, tilt),
                         rng.uniform(0, common ? 0.06 : 0.14), scale(rng.pick(stones), rng.uniform(0.94, 1.06))});
    int ax = 0, ay = 0;
    waveDirection(rng, {{1, 4}, {1, 5}, {-1, 4}, {2, 5}, {-1, 5}, {0, 4}}, ax, ay);
    Field f;
    for (int y = 0; y < kN; ++y)
        for (int x = 0; x < kN; ++x) {
            double d1 = 1e9, d2 = 1e9;
            const Slab* nearest = nullptr;
            double ox = 0, oy = 0;
            for (const Slab& sl : slabs) {
                const double dx = wrapDelta(sl.x, x + 0.5), dy = wrapDelta(sl.y, y + 0.5);
                const double d = std::sqrt(dx * dx + dy * dy);
                if (d < d1) {
                    d2 = d1;
                    d1 = d;
                    nearest = &sl;
                    ox = dx;
                    oy = dy;
                } else if (d < d2) {
                    d2 = d;
                }
            }
            const double crack = 1 - tn::smoothstep(0.0, common ? 0.7 : 1.1, d2 - d1);
            const double strata = waves(s + 1, x, y, ax, ay, 0.8);
            const double fine = n(s + 4, x, y, 8, 2);
            Colour c = scale(nearest->colour, (0.96 + 0.04 * strata) * (0.93 + 0.14 * fine) *
                                                  (0.96 + 0.08 * grain(s, x, y)) * (1 - (common ? 0.2 : 0.35) * crack));
            const double h = nearest->lift + nearest->tx * ox + nearest->ty * oy + 0.04 * fine - 0.15 * crack;
            f[y * kN + x] = sample(c, h);
        }
    return f;
}

Field desert(std::uint64_t s, bool common)
{
    Rng rng(s);
    int ax = 0, ay = 0;
    waveDirection(rng, {{1, 4}, {0, 5}, {1, 5}, {-1, 4}, {0, 4}, {-1, 5}}, ax, ay);
    const Colour sand = c8(192, 174, 134), pale = c8(204, 190, 154), dark = c8(172, 152, 114);
    Field f;
    for (int y = 0; y < kN; ++y)
        for (int x = 0; x < kN; ++x) {
            const double w = waves(s + 1, x, y, ax, ay, 1.2);
            const double ripple = 0.5 + 0.5 * w * std::abs(w); // sharper crests
            const double m = broad(s + 2, x, y, 2, 3, common);
            Colour c = m < 0.5 ? mix(dark, sand, m * 2) : mix(sand, pale, (m - 0.5) * 2);
            c = scale(c, 0.95 + 0.1 * grain(s, x, y));
            f[y * kN + x] = sample(c, (common ? 0.15 : 0.45) * ripple + 0.3 * m + 0.05 * grain(s + 9, x, y));
        }
    return f;
}

Field snow(std::uint64_t s, bool common)
{
    Rng rng(s);
    int ax = 0, ay = 0;
    waveDirection(rng, {{1, 2}, {2, 3}, {1, 3}, {-1, 2}, {0, 2}, {-1, 3}}, ax, ay);
    const Colour white = c8(226, 230, 236), crust = c8(204, 212, 224), blue = c8(212, 222, 236);
    Field f;
    for (int y = 0; y < kN; ++y)
        for (int x = 0; x < kN; ++x) {
            const double w = waves(s + 1, x, y, ax, ay, 1.6);
            const double m = broad(s + 2, x, y, 2, 3, common), fine = n(s + 3, x, y, 8, 2);
            Colour c = mix(white, blue, tn::smoothstep(0.4, 0.8, m));
            c = mix(c, crust, 0.7 * tn::smoothstep(0.55, 0.7, broad(s + 4, x, y, 4, 2, common)));
            c = scale(c, 0.985 + 0.03 * grain(s, x, y));
            f[y * kN + x] = sample(c, (common ? 0.1 : 0.3) * (0.5 + 0.5 * w) + 0.35 * m + 0.1 * fine);
        }
    return f;
}

Field town(std::uint64_t s, bool common)
{
    const Colour lawn = c8(108, 116, 86), worn = c8(124, 120, 98);
    Field f;
    for (int y = 0; y < kN; ++y)
        for (int x = 0; x < kN; ++x) {
            const double m = broad(s + 1, x, y, 2, 3, common), fine = n(s + 2, x, y, 8, 2);
            Colour c = mix(lawn, worn, tn::smoothstep(0.4, 0.75, m));
            c = scale(c, (0.92 + 0.16 * fine) * (0.95 + 0.1 * grain(s, x, y)));
            f[y * kN + x] = sample(c, 0.5 * m + 0.3 * fine);
        }
    return f;
}

} // namespace

Field paintField(Landscape l, std::uint64_t seed, bool common)
{
    switch (l) {
    case Landscape::Grass:
        return grass(seed, common);
    case Landscape::Forest:
        return forest(seed, false, common);
    case Landscape::Autumn:
        return forest(seed, true, common);
    case Landscape::Scrub:
        return scrub(seed, common);
    case Landscape::Desert:
        return desert(seed, common);
    case Landscape::Rock:
        return rock(seed, common);
    case Landscape::Snow:
        return snow(seed, common);
    case Landscape::Town:
        return town(seed, common);
    }
    return {};
}

double reliefOf(Landscape l)
{
    switch (l) {
    case Landscape::Forest:
    case Landscape::Autumn:
        return 1.0;
    case Landscape::Scrub:
        return 1.2;
    case Landscape::Rock:
        return 1.1;
    case Landscape::Desert:
        return 0.5;
    case Landscape::Snow:
        return 0.28;
    default:
        return 0.6;
    }
}

} // namespace datagen::levels::ground
