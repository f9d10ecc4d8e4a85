#pragma once

#include "content/DecorFile.h"

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

class KGraphic;

namespace NLib {
class ResourceArchive;
} // namespace NLib

namespace NVolant {

// The level's scenery over the ground: roads, fields, trees, roofs and the like, pieces of one
// atlas placed by the level's decor file. Only drawn: nothing in the game asks it anything.
class DecorBaker;

class TerrainDecor final {
public:
    TerrainDecor();
    TerrainDecor(const TerrainDecor&) = delete;
    TerrainDecor& operator=(const TerrainDecor&) = delete;
    ~TerrainDecor();

    // Reads the decor file and its atlas picture. Scenery is optional: a missing or damaged file
    // is logged and leaves nothing (or what the file still holds) to draw.
    void load(const NLib::ResourceArchive& archive, const std::string& decorPath, const std::string& atlasPath);

    // Everything within sight at this scroll, layer by layer. The scenery is painted into bands
    // of the level as they come into sight and drawn from them (see DecorBaker).
    void draw(float scroll);

    // Height of a band, and how many bands are kept painted at most.
    static constexpr int kBandHeight = 32;
    static constexpr int kCellWidth = 32;

    std::size_t propCount() const;
    // The props whose pieces reach into the view at this scroll.
    std::size_t visibleCount(float scroll) const;

private:
    struct Layer {
        std::vector<DecorProp> props; // from the top of the level down
        float reach = 0.0f;           // the farthest any prop reaches from its centre
    };
    // A band painted: its picture, and for each cell across it whether it is clear, partly
    // covered or covered all over (drawn as a plain copy).
    struct Band {
        std::unique_ptr<KGraphic> picture;
        std::vector<int> cells; // 0 clear, 1 partly, 2 all over
    };
    // The props of a layer whose reach touches the level heights from bottom to top, as a range
    // of its list.
    std::pair<std::size_t, std::size_t> within(const Layer& layer, float bottom, float top) const;
    Band bake(int band) const;
    void drawBand(const Band& band, float y) const;

    std::unique_ptr<DecorBaker> m_baker;
    std::vector<DecorPiece> m_pieces;
    std::array<Layer, DecorFile::kLayers> m_layers;
    std::map<int, Band> m_bands;
};

} // namespace NVolant
