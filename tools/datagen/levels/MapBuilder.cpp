#include "levels/MapBuilder.h"

#include "levels/TerrainArt.h"
#include "levels/TileSet.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace datagen::levels {

namespace {

constexpr int kCell = tiles::kCell;
constexpr int kColumns = 800 / kCell;

// Interior bridges (all but the last) at which the landscape changes, spread over the level.
std::vector<int> boundaryBridges(int interior, int changes)
{
    std::vector<int> out;
    for (int j = 1; j <= changes; ++j)
        out.push_back(static_cast<int>(std::lround(static_cast<double>(j) * (interior + 1) / (changes + 1))) -
                      1);
    return out;
}

} // namespace

std::vector<int> roadColumns(float bridgeX, float bridgeWidth, float roadWidth, int cellSize)
{
    // The game lays road tiles leftwards from the bridge while their centres stay right of 0.
    float x = bridgeX - bridgeWidth / 2 - roadWidth / 2;
    float left = bridgeX - bridgeWidth / 2;
    while (x > 0) {
        left = x - roadWidth / 2;
        x -= roadWidth;
    }
    const float right = bridgeX - bridgeWidth / 2;
    std::vector<int> out;
    for (int c = 0; (c + 1) * cellSize <= static_cast<int>(right); ++c)
        if (static_cast<float>(c * cellSize) >= left)
            out.push_back(c);
    return out;
}

void buildTerrain(LevelData& level, const River& river, Rng& rng)
{
    TileMap& map = level.map;
    map.columns = kColumns;
    map.cellSize = kCell;
    map.cells.assign(static_cast<std::size_t>(map.columns) * map.rows, 0);

    // Corner values from the distance to the shore, in thirds of a cell.
    const int lw = map.columns + 1, lh = map.rows + 1;
    std::vector<int> q(static_cast<std::size_t>(lw) * lh);
    for (int j = 0; j < lh; ++j) {
        for (int i = 0; i < lw; ++i) {
            const float d = river.landDistance(static_cast<float>(i * kCell), static_cast<float>(j * kCell));
            const float v = 0.5f + d / kCell;
            q[static_cast<std::size_t>(j) * lw + i] = std::clamp(static_cast<int>(std::lround(v * 3)), 0, 3);
        }
    }

    // Regions change at bridges; a level with fewer bridges than changes drops landscapes.
    const int interior = static_cast<int>(level.bridges.size()) - 1;
    if (static_cast<int>(level.plan.landscapes.size()) - 1 > interior)
        level.plan.landscapes.resize(static_cast<std::size_t>(std::max(1, interior + 1)));
    const int m = static_cast<int>(level.plan.landscapes.size());
    std::vector<int> starts = {0}; // first row of each region, bottom to top
    for (int b : boundaryBridges(interior, m - 1))
        starts.push_back(static_cast<int>(level.bridges[static_cast<std::size_t>(b)] / kCell) + 1);
    auto sectorOf = [m](int region) { return m - 1 - region; };

    level.sectors.clear();
    level.textures.clear();
    for (int k = m - 1; k >= 0; --k)
        level.sectors.push_back({landscapeName(level.plan.landscapes[static_cast<std::size_t>(k)]),
                                 terrain_art::basePicturePath()});
    std::set<Landscape> used;
    for (Landscape l : level.plan.landscapes) {
        if (!used.insert(l).second)
            continue;
        TextureDef t{landscapeName(l), {}};
        for (int v : terrain_art::levelVariants(level.number, l))
            t.images.push_back(terrain_art::texturePath(l, v));
        level.textures.push_back(std::move(t));
    }
    level.waterPath = terrain_art::waterPath(level.plan.water);

    for (int r = 0; r < map.rows; ++r) {
        int k = m - 1;
        while (k > 0 && r < starts[static_cast<std::size_t>(k)])
            --k;
        const int sector = sectorOf(k);
        const bool gradientRow = k > 0 && r == starts[static_cast<std::size_t>(k)];
        for (int c = 0; c < map.columns; ++c) {
            const int bl = q[static_cast<std::size_t>(r) * lw + c],
                      br = q[static_cast<std::size_t>(r) * lw + c + 1];
            const int tl = q[static_cast<std::size_t>(r + 1) * lw + c],
                      tr = q[static_cast<std::size_t>(r + 1) * lw + c + 1];
            const int cfg = tiles::config(bl, br, tl, tr);
            int tile = 0;
            switch (tiles::shapeOf(cfg)) {
            case tiles::Shape::Empty:
                break;
            case tiles::Shape::Full:
                tile = gradientRow ? tiles::kGradientFirst + c % tiles::kGradientCount
                                   : tiles::kFullFirst + rng.range(0, tiles::kFullCount - 1);
                break;
            case tiles::Shape::Shore:
                tile = tiles::shoreTile(cfg);
                break;
            }
            map.at(c, r) = tile == 0 ? 0 : sector * 1000 + tile;
        }
    }

    // Now and then an inland cell uses one of the flat land tiles; only where all eight
    // neighbours are full land, since flat tiles are drawn opaque and cast no shadow.
    for (int r = 1; r + 1 < map.rows; ++r) {
        for (int c = 1; c + 1 < map.columns; ++c) {
            bool inland = true;
            for (int dr = -1; dr <= 1 && inland; ++dr)
                for (int dc = -1; dc <= 1 && inland; ++dc)
                    inland = tiles::classify(map.at(c + dc, r + dr) % 1000) == tiles::Class::FullLand;
            if (inland && rng.chance(0.04)) {
                const int v = map.at(c, r);
                map.at(c, r) = (v / 1000) * 1000 + tiles::kFlatLandFirst + rng.range(0, 3);
            }
        }
    }

    // Markers in the top row of every region above the first (see the header).
    for (int k = 1; k < m; ++k) {
        const int top = k + 1 < m ? starts[static_cast<std::size_t>(k + 1)] - 1 : map.rows - 1;
        for (int i = 0; i < kMarkerColumns; ++i)
            map.at(1 + i, top) = m * 1000 + tiles::kGradientFirst + (1 + i) % tiles::kGradientCount;
    }
}

std::vector<int> regionStarts(const LevelData& level)
{
    // Recovered from the map: a region starts where the first column's sector changes.
    std::vector<int> starts = {0};
    const TileMap& map = level.map;
    for (int r = 1; r < map.rows; ++r)
        if (map.at(0, r) / 1000 != map.at(0, r - 1) / 1000)
            starts.push_back(r);
    return starts;
}

} // namespace datagen::levels
