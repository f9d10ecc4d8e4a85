#pragma once

#include "levels/Progression.h"

#include <array>
#include <cstdint>

namespace datagen::levels::ground {

// The continuous part of a ground picture before light: colour (0..1) and height (about 0..1)
// of every pixel of a 32 x 32 cell. Every field wraps: its left edge continues its right edge
// and its top its bottom, so the common ground of a landscape tiles by itself.
struct Sample {
    double r = 0, g = 0, b = 0, h = 0;
};
using Field = std::array<Sample, 32 * 32>;

// The common ground (`common`) shows along the edges of every variant, so it carries only fine
// texture: a large shape in it would repeat in every cell.
Field paintField(Landscape landscape, std::uint64_t seed, bool common);

// How strongly the height shapes the light, per landscape: a canopy is all relief, sand little.
double reliefOf(Landscape landscape);

} // namespace datagen::levels::ground
