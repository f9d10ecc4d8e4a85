#pragma once

#include "platform/ImageDecoder.h"

#include <cstdint>
#include <vector>

namespace NLib {
class Random;
} // namespace NLib

namespace NVolant {

class TerrainTexture;

// Composing a sector's picture before it becomes a graphic: the texture's variants painted over the
// base picture, one per block, and the blocks that border the next sector blended into its texture.
namespace SectorPicture {

// Paints a variant of texture over every cellSize block of base; the base picture's alpha stays.
void fill(DecodedImage& base, TerrainTexture& texture, int cellSize);

// Blends the tiles the boundary row names (its cells, as the map holds them) from the base picture
// at their top into the next sector's texture at their bottom. Cells of sectors before sectorCount
// and tile numbers outside the picture blend nothing.
void blendIntoNext(DecodedImage& base, const std::vector<std::int32_t>& boundaryCells, int cellSize,
                   int sectorCount, TerrainTexture& next, NLib::Random& random);

} // namespace SectorPicture

} // namespace NVolant
