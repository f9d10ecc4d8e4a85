#pragma once

#include "content/DecorFile.h"

#include <array>
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
class TerrainDecor final {
public:
    TerrainDecor();
    TerrainDecor(const TerrainDecor&) = delete;
    TerrainDecor& operator=(const TerrainDecor&) = delete;
    ~TerrainDecor();

    // Reads the decor file and its atlas picture. Scenery is optional: a missing or damaged file
    // is logged and leaves nothing (or what the file still holds) to draw.
    void load(const NLib::ResourceArchive& archive, const std::string& decorPath, const std::string& atlasPath);

    // Everything within sight at this scroll, layer by layer.
    void draw(float scroll) const;

    std::size_t propCount() const;
    // The props whose pieces reach into the view at this scroll.
    std::size_t visibleCount(float scroll) const;

private:
    struct Layer {
        std::vector<DecorProp> props; // from the top of the level down
        float reach = 0.0f;           // the farthest any prop reaches from its centre
    };
    // The props of a layer whose reach touches the screen, as a range of its list.
    std::pair<std::size_t, std::size_t> visible(const Layer& layer, float scroll) const;
    void drawProp(const DecorProp& prop, float whole) const;

    std::unique_ptr<KGraphic> m_atlas;
    std::vector<DecorPiece> m_pieces;
    std::array<Layer, DecorFile::kLayers> m_layers;
};

} // namespace NVolant
