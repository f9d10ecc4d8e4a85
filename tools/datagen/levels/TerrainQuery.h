#pragma once

#include "content/LevelFiles.h"
#include "levels/TileSet.h"

namespace datagen::levels {

// Questions about the ground of a tile map in world coordinates (x from the left, y up from the
// bottom edge), answered the way the game's terrain answers them.
class TerrainQuery final {
public:
    explicit TerrainQuery(const NVolant::TileMap& map) : m_map(map) {}

    // Tile number under a point; -1 outside the map.
    int tileAt(float x, float y) const;
    bool inside(float x, float y) const { return tileAt(x, y) >= 0; }
    bool emptyAt(float x, float y) const { return tileAt(x, y) == 0; }
    bool groundAt(float x, float y) const { return tiles::isGroundTile(tileAt(x, y)); }
    bool flatWaterAt(float x, float y) const
    {
        return tiles::classify(tileAt(x, y)) == tiles::Class::FlatWater;
    }
    // Every cell that the rectangle touches.
    bool rectGround(float x0, float y0, float x1, float y1) const;
    bool rectEmpty(float x0, float y0, float x1, float y1) const;

private:
    template <typename F> bool allCells(float x0, float y0, float x1, float y1, F f) const;
    const NVolant::TileMap& m_map;
};

} // namespace datagen::levels
