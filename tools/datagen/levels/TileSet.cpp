#include "levels/TileSet.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace datagen::levels::tiles {

namespace {

struct Tables {
    std::array<int, kConfigs> tileOfConfig{};
    std::vector<int> configOfShore;
    Tables()
    {
        static_assert(kLastTile < kBlockRows * kBlockRows, "every tile needs a block of the picture");
        for (int c = 0; c < kConfigs; ++c) {
            if (shapeOf(c) == Shape::Shore) {
                tileOfConfig[static_cast<std::size_t>(c)] =
                    kShoreFirst + static_cast<int>(configOfShore.size());
                configOfShore.push_back(c);
            }
        }
        if (configOfShore.size() != static_cast<std::size_t>(kShoreCount))
            throw std::logic_error("shoreline tiles do not fit their numbers");
    }
};

const Tables& tables()
{
    static const Tables t;
    return t;
}

int shoreCount()
{
    return static_cast<int>(tables().configOfShore.size());
}

int corner(int config, int i)
{
    return (config >> (2 * i)) & 3;
}

constexpr float kPi = 3.14159265f;

float phaseOf(unsigned key, unsigned salt)
{
    unsigned h = key * 0x9E3779B1u ^ salt * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 13;
    return static_cast<float>(h % 6283u) / 1000.0f;
}

// The bend of the bank along one edge, from its two corner values alone (a at s = 0, b at
// s = 1, `across` for the vertical edges) and nothing on an edge the shore does not cross,
// where the land must stay whole or stay water to meet a full or an empty neighbour.
float edgeBend(int a, int b, bool across, float s)
{
    if (std::min(a, b) > 1 || std::max(a, b) < 2)
        return 0;
    const unsigned key = static_cast<unsigned>(a + 4 * b + 16 * (across ? 1 : 0));
    const float f = 0.075f * std::sin(kPi * (1.6f * s) + phaseOf(key, 1)) +
                    0.04f * std::sin(kPi * (3.4f * s) + phaseOf(key, 2)) +
                    0.022f * std::sin(kPi * (7.2f * s) + phaseOf(key, 3));
    return std::sin(kPi * s) * f;
}

} // namespace

Shape shapeOf(int config)
{
    int lo = 3, hi = 0;
    for (int i = 0; i < 4; ++i) {
        lo = std::min(lo, corner(config, i));
        hi = std::max(hi, corner(config, i));
    }
    if (hi <= 1)
        return Shape::Empty;
    if (lo >= 2)
        return Shape::Full;
    return Shape::Shore;
}

int shoreTile(int config)
{
    return config >= 0 && config < kConfigs ? tables().tileOfConfig[static_cast<std::size_t>(config)] : 0;
}

int configOfTile(int tile)
{
    const int i = tile - kShoreFirst;
    return i >= 0 && i < shoreCount() ? tables().configOfShore[static_cast<std::size_t>(i)] : -1;
}

Class classify(int tile)
{
    if (tile == 0)
        return Class::Empty;
    if (tile >= kFlatWaterFirst && tile <= kFlatWaterLast)
        return Class::FlatWater;
    if (tile >= kFlatLandFirst && tile <= kFlatLandLast)
        return Class::FlatLand;
    if (tile >= kFullFirst && tile < kShoreFirst)
        return Class::FullLand;
    if (tile >= kShoreFirst && tile < kGradientFirst)
        return Class::Shore;
    if (tile >= kGradientFirst && tile <= kLastTile)
        return Class::Gradient;
    return Class::Invalid;
}

float landAt(int cfg, float u, float t)
{
    const int bl = corner(cfg, 0), br = corner(cfg, 1), tl = corner(cfg, 2), tr = corner(cfg, 3);
    float f = ((1 - u) * (1 - t) * static_cast<float>(bl) + u * (1 - t) * static_cast<float>(br) +
               (1 - u) * t * static_cast<float>(tl) + u * t * static_cast<float>(tr)) /
              3;
    // Each edge's bend carried into the cell (their ends vanish, so no corner terms are needed).
    f += (1 - t) * edgeBend(bl, br, false, u) + t * edgeBend(tl, tr, false, u) +
         (1 - u) * edgeBend(bl, tl, true, t) + u * edgeBend(br, tr, true, t);
    // Inside, coves and spits of the cell's own, gone on the edges.
    const float window = std::sin(kPi * u) * std::sin(kPi * t);
    const auto key = static_cast<unsigned>(cfg);
    f += window * (0.07f * std::sin(kPi * (2.6f * u + 1.4f * t) + phaseOf(key, 4)) +
                   0.045f * std::sin(kPi * (-3.1f * u + 4.7f * t) + phaseOf(key, 5)) +
                   0.03f * std::sin(kPi * (8.3f * u + 6.1f * t) + phaseOf(key, 6)));
    return f;
}

std::uint8_t alphaAt(int tile, int px, int py)
{
    const Class c = classify(tile);
    if (c == Class::Empty || c == Class::Invalid)
        return 0;
    if (c != Class::Shore)
        return 255;
    const float u = (static_cast<float>(px) + 0.5f) / kCell;
    const float t = 1 - (static_cast<float>(py) + 0.5f) / kCell; // 0 at the bottom edge
    const float f = landAt(configOfTile(tile), u, t);
    const float lo = 0.38f, hi = 0.62f;
    float a = std::clamp((f - lo) / (hi - lo), 0.0f, 1.0f);
    a = a * a * (3 - 2 * a);
    return static_cast<std::uint8_t>(std::lround(a * 255));
}

std::vector<std::uint8_t> basePicture()
{
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(kPicture) * kPicture * 4, 0);
    for (int tile = 1; tile <= kLastTile; ++tile) {
        const int bx = (tile / kBlockRows) * kCell, by = (tile % kBlockRows) * kCell;
        for (int py = 0; py < kCell; ++py) {
            for (int px = 0; px < kCell; ++px) {
                std::uint8_t* p = &rgba[(static_cast<std::size_t>(by + py) * kPicture + bx + px) * 4];
                p[0] = p[1] = p[2] = 128;
                p[3] = alphaAt(tile, px, py);
            }
        }
    }
    return rgba;
}

} // namespace datagen::levels::tiles
