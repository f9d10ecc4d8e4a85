#pragma once

#include "levels/LevelData.h"
#include "levels/River.h"
#include "levels/Rng.h"

#include <vector>

namespace datagen::levels {

// Turns the river into the level's tile map and names its sectors, textures and water.
//
// Landscapes change at bridges. Each landscape region is one sector, numbered from the top of
// the map down, so that the sector after each one is the landscape below it. When the game
// composes a sector graphic it blends the blocks named by the cells of the sector's boundary
// row (the highest row whose first cell is in the sector) minus 1000 x the number of sectors:
// from the sector's own texture at the top of a block to the next sector's at the bottom. So
// the top row of every region holds a few marker cells (sector number = the number of sectors,
// never drawn) naming the region's gradient tiles; the top row of the map is never on screen,
// and the top row of every other region is a bridge row, whose markers lie under the road. The
// region's bottom row then uses the gradient tiles: the landscape below fades into this one
// just past the bridge.
void buildTerrain(LevelData& level, const River& river, Rng& rng);

// Map rows where a new landscape region starts, bottom to top (the first is 0).
std::vector<int> regionStarts(const LevelData& level);

// Columns of a bridge row that the road sprites cover from edge to edge, left of the bridge.
std::vector<int> roadColumns(float bridgeX, float bridgeWidth, float roadWidth, int cellSize);

constexpr int kMarkerColumns = 5;

} // namespace datagen::levels
