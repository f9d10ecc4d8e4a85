#include "world/SectorPicture.h"

#include "world/TerrainTexture.h"

#include <algorithm>

namespace NVolant::SectorPicture {

void fill(DecodedImage& base, TerrainTexture& texture, int cellSize)
{
    const int blocksX = base.width / cellSize;
    const int blocksY = base.height / cellSize;
    for (int bx = 0; bx < blocksX; ++bx)
        for (int by = 0; by < blocksY; ++by) {
            const DecodedImage* v = texture.nextVariant();
            if (!v || v->empty())
                continue;
            const int x0 = bx * cellSize;
            const int y0 = by * cellSize;
            for (int y = y0; y < std::min(y0 + v->height, base.height); ++y)
                for (int x = x0; x < std::min(x0 + v->width, base.width); ++x) {
                    const std::uint8_t* src =
                        &v->rgba[(static_cast<std::size_t>(y % v->height) * v->width + x % v->width) * 4];
                    std::uint8_t* dst = &base.rgba[(static_cast<std::size_t>(y) * base.width + x) * 4];
                    dst[0] = src[0];
                    dst[1] = src[1];
                    dst[2] = src[2];
                }
        }
}

void blendIntoNext(DecodedImage& base, const std::vector<std::int32_t>& boundaryCells, int cellSize,
                   int sectorCount, TerrainTexture& next, NLib::Random& random)
{
    const int k = cellSize;
    const int tilesPerColumn = base.height / k;
    if (tilesPerColumn <= 0)
        return;
    for (const std::int32_t cell : boundaryCells) {
        const int t = cell - 1000 * sectorCount;
        if (t < 0)
            continue;
        const DecodedImage* v = next.randomVariant(random);
        if (!v || v->empty())
            continue;
        // A tile number from the map may point far outside the picture.
        const long long column = t / tilesPerColumn;
        if (column * k >= base.width)
            continue;
        const int x0 = static_cast<int>(column) * k;
        const int y0 = (t % tilesPerColumn) * k;
        // Top row keeps the base picture; towards the bottom it turns into the next texture.
        for (int j = 0; j < v->height && y0 + j < base.height; ++j)
            for (int i = 0; i < v->width && x0 + i < base.width; ++i) {
                const int x = x0 + i;
                const int y = y0 + j;
                const std::uint8_t* src =
                    &v->rgba[(static_cast<std::size_t>(y % v->height) * v->width + x % v->width) * 4];
                std::uint8_t* dst = &base.rgba[(static_cast<std::size_t>(y) * base.width + x) * 4];
                for (int c = 0; c < 3; ++c)
                    dst[c] = static_cast<std::uint8_t>(dst[c] + (src[c] - dst[c]) * j / v->height);
            }
    }
}

} // namespace NVolant::SectorPicture
