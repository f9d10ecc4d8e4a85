#include "levels/TerrainReview.h"

#include "levels/LevelData.h"
#include "levels/PreviewRenderer.h"
#include "levels/Rng.h"
#include "levels/TerrainArt.h"
#include "levels/TerrainComposer.h"
#include "levels/TileSet.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace datagen::levels {

namespace {

constexpr int kCell = tiles::kCell;
constexpr int kScreenW = 800, kScreenH = 600;
constexpr int kZoom = 3;
constexpr int kGap = 8;
constexpr int kSwatchesPerRow = 16;

constexpr Landscape kAll[] = {Landscape::Grass,  Landscape::Forest, Landscape::Autumn, Landscape::Scrub,
                              Landscape::Desert, Landscape::Rock,   Landscape::Snow,   Landscape::Town};

Water waterOf(Landscape l)
{
    if (l == Landscape::Snow)
        return Water::Cold;
    if (l == Landscape::Desert || l == Landscape::Scrub)
        return Water::Arid;
    return Water::Temperate;
}

// A one-sector level of 25 x 20 cells: land everywhere (river false) or a river winding up the
// screen, its shores picked from the corner values exactly as the map builder picks them.
LevelData reviewLevel(Landscape l, bool river)
{
    LevelData level;
    level.number = 1;
    level.map.columns = kScreenW / kCell;
    level.map.rows = kScreenH / kCell + 1;
    level.map.cellSize = kCell;
    level.map.cells.assign(static_cast<std::size_t>(level.map.columns) * level.map.rows, 0);
    level.sectors.push_back({landscapeName(l), terrain_art::basePicturePath()});
    TextureDef t{landscapeName(l), {}};
    for (int v : terrain_art::levelVariants(7, l))
        t.images.push_back(terrain_art::texturePath(l, v));
    level.textures.push_back(t);
    level.waterPath = terrain_art::waterPath(waterOf(l));

    Rng rng(seedOf(0x5EE, static_cast<std::uint64_t>(l), river ? 1 : 0));
    const int lw = level.map.columns + 1, lh = level.map.rows + 1;
    std::vector<int> q(static_cast<std::size_t>(lw) * lh, 3);
    if (river) {
        for (int j = 0; j < lh; ++j) {
            for (int i = 0; i < lw; ++i) {
                const double y = j * kCell;
                const double centre = 400 + 150 * std::sin(y / 170.0) + 40 * std::sin(y / 53.0);
                const double half = 95 + 30 * std::sin(y / 97.0);
                const double d = std::abs(i * kCell - centre) - half;
                q[static_cast<std::size_t>(j) * lw + i] =
                    std::clamp(static_cast<int>(std::lround((0.5 + d / kCell) * 3)), 0, 3);
            }
        }
    }
    for (int r = 0; r < level.map.rows; ++r) {
        for (int c = 0; c < level.map.columns; ++c) {
            const int cfg = tiles::config(
                q[static_cast<std::size_t>(r) * lw + c], q[static_cast<std::size_t>(r) * lw + c + 1],
                q[static_cast<std::size_t>(r + 1) * lw + c], q[static_cast<std::size_t>(r + 1) * lw + c + 1]);
            int tile = 0;
            if (tiles::shapeOf(cfg) == tiles::Shape::Full)
                tile = rng.chance(0.04) ? tiles::kFlatLandFirst + rng.range(0, 3)
                                        : tiles::kFullFirst + rng.range(0, tiles::kFullCount - 1);
            else if (tiles::shapeOf(cfg) == tiles::Shape::Shore)
                tile = tiles::shoreTile(cfg);
            level.map.at(c, r) = tile;
        }
    }
    return level;
}

void paste(Image& page, const Image& src, int x0, int y0, int zoom = 1, int height = -1)
{
    const int h = height < 0 ? src.height : std::min(height, src.height);
    for (int y = 0; y < h * zoom; ++y)
        for (int x = 0; x < src.width * zoom; ++x) {
            if (x0 + x >= page.width || y0 + y >= page.height)
                continue;
            const std::uint8_t* s = src.at(x / zoom, y / zoom);
            std::uint8_t* d = page.at(x0 + x, y0 + y);
            std::copy(s, s + 3, d);
            d[3] = 255;
        }
}

} // namespace

std::optional<Landscape> landscapeNamed(const std::string& name)
{
    for (Landscape l : kAll)
        if (name == landscapeName(l))
            return l;
    return std::nullopt;
}

Image terrainReviewPage(Landscape l)
{
    std::map<std::string, Image> pictures;
    Image base(tiles::kPicture, tiles::kPicture);
    base.rgba = tiles::basePicture();
    pictures[terrain_art::basePicturePath()] = std::move(base);
    for (int v = 0; v < terrain_art::kPoolSize; ++v)
        pictures[terrain_art::texturePath(l, v)] = terrain_art::texture(l, v);
    pictures[terrain_art::waterPath(waterOf(l))] = terrain_art::water(waterOf(l));
    const PictureSource source = [&](const std::string& path) -> const Image* {
        auto it = pictures.find(path);
        return it == pictures.end() ? nullptr : &it->second;
    };

    const int swatch = kCell * kZoom + kGap;
    const int swatchRows = (terrain_art::kPoolSize + kSwatchesPerRow - 1) / kSwatchesPerRow;
    Image page(2 * kScreenW + 3 * kGap, kScreenH + 2 * kGap + swatchRows * swatch + kGap);
    for (std::size_t i = 0; i < page.rgba.size(); i += 4) {
        page.rgba[i] = page.rgba[i + 1] = page.rgba[i + 2] = 40;
        page.rgba[i + 3] = 255;
    }
    for (int screen = 0; screen < 2; ++screen) {
        const LevelData level = reviewLevel(l, screen == 1);
        const Image ground = renderTerrain(level, composeTerrain(level, source));
        paste(page, ground, kGap + screen * (kScreenW + kGap), kGap, 1, kScreenH);
    }
    for (int v = 0; v < terrain_art::kPoolSize; ++v)
        paste(page, pictures[terrain_art::texturePath(l, v)], kGap + (v % kSwatchesPerRow) * swatch,
              kScreenH + 2 * kGap + (v / kSwatchesPerRow) * swatch, kZoom);
    return page;
}

} // namespace datagen::levels
