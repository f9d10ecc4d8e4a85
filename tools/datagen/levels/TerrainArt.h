#pragma once

#include "levels/Image.h"
#include "levels/Progression.h"

#include <map>
#include <string>
#include <vector>

namespace datagen::levels {

// The shared terrain pictures under "levels/terrain/": the base picture of every sector (tile
// shapes), twelve one-cell texture variants per landscape and one water image per climate.
// Natural, slightly desaturated colours so that the units stand out.
namespace terrain_art {

constexpr int kVariants = 12;
constexpr int kWaterSize = 256;

std::string basePicturePath();
std::string texturePath(Landscape l, int variant);
std::string waterPath(Water w);

Image texture(Landscape l, int variant);
Image water(Water w);

// Every shared picture by its path in the data tree.
std::map<std::string, Image> allPictures();

} // namespace terrain_art

} // namespace datagen::levels
