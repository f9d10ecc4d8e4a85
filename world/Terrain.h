#pragma once

#include "content/LevelFiles.h"
#include "platform/ImageDecoder.h"
#include "platform/Vector4.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class KGraphic;

namespace NLib {
class Random;
class ResourceArchive;
} // namespace NLib

namespace NVolant {

class CloudShadows;
class CollitionPoints;
class TerrainDecor;
class TerrainTexture;

// The scrolling river valley: a grid of square cells, each naming a tile of one of the level's
// composed sector pictures, over a scrolling water texture. Answers whether a point is on water,
// on any tile, and whether the end of the map has come.
class Terrain final {
public:
    // A cell is sector x 1000 + tile. Tiles 1-6 are water, 7-10 drawn with the water but not water,
    // 11 and up land, which casts a shadow. 0 (or -1) shows only the water.
    static constexpr int kFirstLand = 11;

    Terrain();
    Terrain(const Terrain&) = delete;
    Terrain& operator=(const Terrain&) = delete;
    ~Terrain();

    // Reads "level.xml" and everything it names through the archive; composes the sector pictures,
    // their texture variants picked with random. A missing or malformed level.xml is a broken
    // installation.
    void load(const NLib::ResourceArchive& archive, const std::string& path, NLib::Random& random);

    // Moves what drifts over the valley (the cloud shadows); nothing the game asks about.
    void update(float dt);
    // The plane's position; y is the scroll, how far the view has moved up the level.
    void setPosition(float x, float y, float z, float w) { m_position = Vector4(x, y, z, w); }
    const Vector4& position() const { return m_position; }
    void draw();

    bool isWater(const Vector4& point) const;
    bool hasTile(const Vector4& point) const;
    bool anyWater(const CollitionPoints& points) const;
    bool anyTile(const CollitionPoints& points) const;
    bool isEndReached() const;

    int columns() const { return m_map.columns; }
    int rows() const { return m_map.rows; }
    int cellSize() const { return m_map.cellSize; }
    // The cell's value, or -1 outside the map.
    int cell(int column, int row) const;
    std::size_t sectorGraphicCount() const { return m_sectorGraphics.size(); }
    const KGraphic* sectorGraphic(std::size_t i) const { return m_sectorGraphics[i].get(); }
    const KGraphic* water() const { return m_water.get(); }
    // The level's scenery and cloud shadows, when its level.xml names them.
    const TerrainDecor* decor() const { return m_decor.get(); }
    const CloudShadows* clouds() const { return m_clouds.get(); }

    // Reads a map file as the level files are read: false (and nothing changed) when the header
    // is missing or its sizes are absurd.
    bool readMap(const std::uint8_t* data, std::size_t size);

    // Paints texture variants over a sector's base picture and blends the block that borders the
    // next sector into the next sector's texture. Exposed for tests.
    static void fillSector(DecodedImage& base, TerrainTexture& texture, int cellSize);
    void blendTransition(DecodedImage& base, int boundaryRow, int sectorCount, TerrainTexture& next,
                         NLib::Random& random) const;
    // The highest row whose first cell belongs to the sector, or -1.
    int boundaryRow(int sector) const;

private:
    // The tile under a level point, or -1 when there is none to ask.
    int tileAt(const Vector4& point) const;
    void drawCells(int pass);

    // Whether a tile has no transparent pixel: drawn as a plain copy, and the shadows it covers
    // need not be drawn at all (the picture comes out the same, in a fraction of the time).
    bool isOpaqueTile(std::size_t sector, int tile) const;
    static std::vector<bool> opaqueTiles(const DecodedImage& picture, int cellSize);

    std::vector<std::unique_ptr<KGraphic>> m_sectorGraphics;
    std::vector<std::vector<bool>> m_opaqueTiles;
    std::unique_ptr<KGraphic> m_water;
    std::unique_ptr<TerrainDecor> m_decor;
    std::unique_ptr<CloudShadows> m_clouds;
    TileMap m_map;
    Vector4 m_position{0.0f, 0.0f, 0.0f, 1.0f};
};

} // namespace NVolant
