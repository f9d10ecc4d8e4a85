#pragma once

#include "content/DecorFile.h"
#include "levels/DecorArt.h"
#include "levels/LevelData.h"
#include "levels/River.h"
#include "levels/Rng.h"
#include "levels/TerrainQuery.h"
#include "levels/UnitCatalog.h"

#include <vector>

namespace datagen::levels {

// The scenery of one level: roads along both banks that meet every bridge and pass by the
// tanks, then what each landscape grows (fields and villages, woods, scrub, rock, snow, dunes),
// reeds and sand along the shores and broad soft patches of light and dark ground. It draws
// only from its own random stream, so the map, the units and the bonuses never notice it.
class DecorPlacer final {
public:
    DecorPlacer(const LevelData& level, const River& river, const UnitCatalog& catalog);
    NVolant::Decor place();

    // The rules the placer keeps and the checker and tests hold it to.
    // Discs that tall props keep out of: tanks, buildings, bridge ends.
    static std::vector<Circle> keepClear(const LevelData& level, const UnitCatalog& catalog);
    // Radius of the solid part of a prop (a tree's crown, a roof without its shadow).
    static float footprint(const NVolant::DecorProp& prop);
    // Props that belong on the shoreline and may reach over the water.
    static bool bankPiece(int piece);
    // Whether (x, y) lies on the deck or a ramp of a bridge, where a road may cross water.
    static bool atBridge(const LevelData& level, const UnitCatalog& catalog, float x, float y);

private:
    using Piece = decor_art::Piece;
    struct Way {
        std::vector<Point> points;
    };

    Landscape landscapeAt(float y) const;
    float shoreX(float y, int side) const;
    void add(Piece piece, NVolant::DecorLayer layer, float x, float y, float angle, float scale,
             std::uint32_t colour = 0xFFFFFFFFu);
    bool clearOfUnits(float x, float y, float r) const;
    bool clearOfWays(float x, float y, float r) const;
    bool clearOfTall(float x, float y, float r) const;
    bool inBridgeBand(float y, float margin) const;

    void planRoads();
    void layWay(const std::vector<Point>& path, Piece piece, float spacing);
    void placeGroundPatches();
    void placeBanks();
    void placeFields(float y0, float y1);
    void placeVillages();
    void placeHouse(float x, float y, bool town);
    void placeScatter(float y0, float y1, Landscape l);
    NVolant::Decor finish();

    const LevelData& m_level;
    const River& m_river;
    const UnitCatalog& m_catalog;
    TerrainQuery m_query;
    Rng m_rng;
    float m_height;
    std::vector<int> m_starts;
    std::vector<Circle> m_clear;
    std::vector<Circle> m_tall;
    std::vector<Way> m_ways;
    std::vector<NVolant::DecorProp> m_props;
};

} // namespace datagen::levels
