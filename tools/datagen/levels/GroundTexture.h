#pragma once

#include "levels/Image.h"
#include "levels/Progression.h"

namespace datagen::levels {

// One-cell (32 x 32) ground pictures of a landscape. Every variant is the landscape's common
// wrapping ground near the cell's edges and its own detail inside, so any two variants meet
// without a seam in every direction, whichever the game puts side by side.
namespace ground {

constexpr int kSize = 32;
// Pixels from the edge over which a variant turns from the common ground into its own.
constexpr double kBlendStart = 0.5, kBlendWidth = 3.0;

// The share of the variant's own detail at pixel (x, y): 0 on the edges, 1 well inside.
double ownShare(int x, int y);

Image variant(Landscape landscape, int index);

} // namespace ground

} // namespace datagen::levels
