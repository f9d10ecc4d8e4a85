#pragma once

#include "levels/Image.h"
#include "levels/Progression.h"

namespace datagen::levels {

// The water under the river, drawn repeated in both directions as the screen scrolls: colour
// deepening in slow patches, streaks along the current (down the screen), ripple crests across
// it lit from the upper left, and glints on the crests. Every layer wraps on the picture.
namespace water_art {

constexpr int kSize = 512;

Image picture(Water w);

} // namespace water_art

} // namespace datagen::levels
