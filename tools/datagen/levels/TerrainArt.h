#pragma once

#include "levels/Image.h"
#include "levels/Progression.h"

#include <map>
#include <string>
#include <vector>

namespace datagen::levels {

// The shared terrain pictures under "levels/terrain/": the base picture of every sector (tile
// shapes), a pool of one-cell ground variants per landscape and one water picture per climate.
namespace terrain_art {

// Every texture list of a level names twelve pictures: the game's random draws while it
// composes a sector depend on that number, so it must not change. The pool is larger, and each
// level takes its own twelve, so that levels of the same landscape look different.
constexpr int kVariants = 12;
constexpr int kPoolSize = 28;

std::string basePicturePath();
std::string texturePath(Landscape l, int variant);
std::string waterPath(Water w);

// The pool variants a level's texture list names, in order: kVariants distinct numbers below
// kPoolSize, from the generator's own stream for that level and landscape.
std::vector<int> levelVariants(int level, Landscape l);

Image texture(Landscape l, int variant);
Image water(Water w);

// Every shared picture by its path in the data tree.
std::map<std::string, Image> allPictures();

} // namespace terrain_art

} // namespace datagen::levels
