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

std::uint8_t alphaAt(int tile, int px, int py)
{
    const Class c = classify(tile);
    if (c == Class::Empty || c == Class::Invalid)
        return 0;
    if (c != Class::Shore)
        return 255;
    const int cfg = configOfTile(tile);
    const float u = (static_cast<float>(px) + 0.5f) / kCell;
    const float t = 1 - (static_cast<float>(py) + 0.5f) / kCell; // 0 at the bottom edge
    const float bl = static_cast<float>(corner(cfg, 0)) / 3, br = static_cast<float>(corner(cfg, 1)) / 3;
    const float tl = static_cast<float>(corner(cfg, 2)) / 3, tr = static_cast<float>(corner(cfg, 3)) / 3;
    float f = (1 - u) * (1 - t) * bl + u * (1 - t) * br + (1 - u) * t * tl + u * t * tr;
    // A wobble that vanishes on the cell's edges keeps the shores from looking drawn with a
    // ruler while the edges still match their neighbours.
    const float window = std::sin(3.14159265f * u) * std::sin(3.14159265f * t);
    const float phase = static_cast<float>(cfg) * 1.7f;
    f += 0.06f * window * std::sin(6.2831853f * (1.3f * u + 0.7f * t) + phase);
    const float lo = 0.36f, hi = 0.64f;
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
