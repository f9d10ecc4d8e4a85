// The game's reader of a level's map file on arbitrary bytes, then every question the play world
// asks of the map: all of them must stay inside the cells and never overflow.
#include "world/Terrain.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    NVolant::Terrain terrain;
    if (!terrain.readMap(data, size))
        return 0;
    for (float x : {-1.0f, 0.0f, 15.5f, 799.0f, 1e9f, -1e9f})
        for (float y : {-3.0f, 0.0f, 31.0f, 4000.0f, 1e9f, -1e9f}) {
            const Vector4 point(x, y);
            terrain.isWater(point);
            terrain.hasTile(point);
            terrain.setPosition(0.0f, y, 0.0f, 1.0f);
            terrain.isEndReached();
        }
    for (int sector = 0; sector < 4; ++sector)
        terrain.boundaryRow(sector);
    return 0;
}
