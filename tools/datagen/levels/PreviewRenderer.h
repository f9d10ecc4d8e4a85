#pragma once

#include "levels/Image.h"
#include "levels/LevelData.h"
#include "levels/SpriteBook.h"
#include "levels/TerrainComposer.h"
#include "levels/UnitCatalog.h"

namespace datagen::levels {

// Draws a whole level for review: the terrain as the game draws it (scrolling water, tile
// shadows, opaque flat tiles, blended land), then a marker for every enemy and bonus, a time
// scale in seconds of flight and the generator's notes. The level is cut into one-minute
// strips laid side by side, the start at the bottom left. With a sprite book the units, bridges,
// roads and bonuses are drawn with their own sprites under the markers.
Image renderPreview(const LevelData& level, const ComposedTerrain& terrain, const UnitCatalog& catalog,
                    SpriteBook* sprites = nullptr);

// Only the terrain, world y up, as one tall picture of 800 x rows x cell size.
Image renderTerrain(const LevelData& level, const ComposedTerrain& terrain);

} // namespace datagen::levels
