#pragma once

#include "levels/LevelData.h"
#include "levels/River.h"
#include "levels/UnitCatalog.h"

#include <cstdint>
#include <vector>

namespace datagen::levels {

// The road along one bank of a level: it keeps a slowly wandering distance from the water, bends
// to pass beside the tanks on its bank, rounds buildings, meets both ends of every bridge and
// swings aside, never jogs, where the river comes too close.
class RoadPlanner final {
public:
    static constexpr float kStep = 32; // height between two points of a road

    RoadPlanner(const LevelData& level, const River& river, const UnitCatalog& catalog);

    // The centre line from the bottom of the map to its top; side -1 the left bank, +1 the right.
    std::vector<Point> plan(int side, std::uint64_t wander) const;

    // The first water met going from the screen edge of a side toward the river.
    static float shoreX(const River& river, float y, int side);

private:
    bool inBridgeBand(float y, float margin) const;

    const LevelData& m_level;
    const River& m_river;
    const UnitCatalog& m_catalog;
    float m_height;
};

} // namespace datagen::levels
