#pragma once

#include "levels/Image.h"
#include "levels/LevelData.h"

#include <functional>
#include <string>
#include <vector>

namespace datagen::levels {

// Composes the sector graphics of a level exactly as the game's terrain does when it loads:
// the base picture of each sector refilled block by block from its texture's variants, the
// blocks named by its boundary row (cell minus 1000 x the number of sectors) blended towards
// the next sector's texture. Variant choices that
// the game leaves to chance start at 0 here.
struct ComposedTerrain {
    std::vector<Image> graphics; // index = sector number, unless a sector got none
    Image water;
};

using PictureSource = std::function<const Image*(const std::string& path)>;

ComposedTerrain composeTerrain(const LevelData& level, const PictureSource& pictures);

} // namespace datagen::levels
