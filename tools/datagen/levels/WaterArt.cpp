#include "levels/WaterArt.h"

#include "levels/Rng.h"
#include "levels/TerrainNoise.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace datagen::levels::water_art {

namespace {

namespace tn = terrain_noise;

constexpr double kTau = 6.283185307179586;

struct Palette {
    double deep[3], light[3], glint[3];
};

Palette paletteOf(Water w)
{
    switch (w) {
    case Water::Arid:
        return {{46, 94, 104}, {92, 142, 140}, {214, 226, 214}};
    case Water::Cold:
        return {{48, 68, 88}, {94, 116, 136}, {214, 226, 238}};
    default:
        return {{38, 76, 94}, {76, 120, 130}, {206, 224, 226}};
    }
}

} // namespace

Image picture(Water w)
{
    constexpr int S = kSize;
    const Palette p = paletteOf(w);
    const std::uint64_t seed = seedOf(0x3A7E, static_cast<std::uint64_t>(w));
    // Height of the surface; the light comes from its slope.
    std::vector<double> height(static_cast<std::size_t>(S) * S), depth(height.size()), sparkle(height.size());
    for (int y = 0; y < S; ++y)
        for (int x = 0; x < S; ++x) {
            const double fx = x + 0.5, fy = y + 0.5;
            const double streak = tn::fbm(seed + 1, fx, fy, S, S, 24, 4, 3);
            const double warp = tn::fbm(seed + 2, fx, fy, S, S, 4, 4, 3) - 0.5;
            const double cross = tn::fbm(seed + 3, fx, fy, S, S, 8, 2, 2);
            depth[static_cast<std::size_t>(y) * S + x] = tn::fbm(seed + 4, fx, fy, S, S, 3, 2, 4);
            // Crests across the current, bent and broken up so that no straight line shows.
            const double crest = std::sin(kTau * (40.0 * fy / S + 2.0 * fx / S + 6.0 * warp));
            const double crest2 = std::sin(kTau * (-5.0 * fx / S + 64.0 * fy / S + 9.0 * warp));
            const double amp = tn::smoothstep(0.45, 0.75, cross);
            const std::size_t i = static_cast<std::size_t>(y) * S + x;
            height[i] = 0.25 * streak + 0.03 * amp * crest + 0.012 * crest2 * (1 - amp) * tn::smoothstep(0.5, 0.8, depth[i]);
            sparkle[i] = tn::fbm(seed + 5, fx, fy, S, S, 128, 64, 2);
        }
    Image img(S, S);
    auto h = [&](int x, int y) { return height[static_cast<std::size_t>((y + S) % S) * S + (x + S) % S]; };
    for (int y = 0; y < S; ++y)
        for (int x = 0; x < S; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * S + x;
            const double slope = (h(x + 1, y + 1) - h(x - 1, y - 1)) + (h(x, y + 2) - h(x, y - 2)) * 0.5;
            const double t = std::clamp(0.15 + 1.1 * (depth[i] - 0.35) + 0.25 * (h(x, y) - 0.2), 0.0, 1.0);
            const double k = 1 + 1.6 * slope;
            // Glints where a crest faces the light and the fine pattern peaks.
            const double glint = 0.8 * tn::smoothstep(0.78, 0.9, sparkle[i]) * tn::smoothstep(0.02, 0.06, slope);
            std::uint8_t* o = img.at(x, y);
            for (int c = 0; c < 3; ++c) {
                const double base = (p.deep[c] + (p.light[c] - p.deep[c]) * t) * k;
                const double v = base + (p.glint[c] - base) * 0.8 * glint;
                o[c] = static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 255.0)));
            }
            o[3] = 255;
        }
    return img;
}

} // namespace datagen::levels::water_art
