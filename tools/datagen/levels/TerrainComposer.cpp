#include "levels/TerrainComposer.h"

#include <map>

namespace datagen::levels {

namespace {

struct Texture {
    std::vector<const Image*> pictures;
    std::size_t current = 0;
    std::uint32_t random = 12345;

    const Image* next()
    {
        current = (current + 1) % pictures.size();
        return pictures[current];
    }
    const Image* randomVariant()
    {
        auto roll = [this] {
            random = random * 1103515245u + 12345u;
            return (random >> 16) % pictures.size();
        };
        std::size_t i = roll();
        while (pictures.size() >= 2 && i == current)
            i = roll();
        current = i;
        return pictures[current];
    }
};

} // namespace

ComposedTerrain composeTerrain(const LevelData& level, const PictureSource& source)
{
    ComposedTerrain out;
    std::map<std::string, Texture> textures;
    for (const TextureDef& t : level.textures) {
        Texture tex;
        for (const std::string& p : t.images)
            if (const Image* img = source(p))
                tex.pictures.push_back(img);
        if (!tex.pictures.empty())
            textures[t.name] = tex;
    }
    const TileMap& map = level.map;
    const int k = map.cellSize;
    for (std::size_t i = 0; i < level.sectors.size(); ++i) {
        const Image* base = source(level.sectors[i].base);
        auto found = textures.find(level.sectors[i].name);
        if (!base || found == textures.end())
            continue;
        Image p = *base;
        Texture& t = found->second;
        const int blockRows = p.height / k;
        for (int bx = 0; bx < p.width / k; ++bx) {
            for (int by = 0; by < blockRows; ++by) {
                const Image* v = t.next();
                for (int y = 0; y < v->height && by * k + y < p.height; ++y)
                    for (int x = 0; x < v->width && bx * k + x < p.width; ++x) {
                        const std::uint8_t* s = v->at(x % v->width, y % v->height);
                        std::uint8_t* d = p.at(bx * k + x, by * k + y);
                        d[0] = s[0];
                        d[1] = s[1];
                        d[2] = s[2];
                    }
            }
        }
        if (i + 1 < level.sectors.size()) {
            auto next = textures.find(level.sectors[i + 1].name);
            int boundary = -1;
            for (int r = 0; r < map.rows; ++r) {
                const int v = map.at(0, r);
                if (v >= 0 && v % 1000 != 0 && v / 1000 == static_cast<int>(i))
                    boundary = r;
            }
            if (boundary < 0)
                continue; // the game gives such a sector no graphic
            if (next != textures.end()) {
                const int count = static_cast<int>(level.sectors.size());
                for (int n = 0; n < map.columns; ++n) {
                    const int tile = map.at(n, boundary) - 1000 * count;
                    if (tile < 0)
                        continue;
                    const int x0 = (tile / blockRows) * k, y0 = (tile % blockRows) * k;
                    const Image* v = next->second.randomVariant();
                    for (int y = 0; y < v->height; ++y)
                        for (int x = 0; x < v->width; ++x) {
                            if (x0 + x >= p.width || y0 + y >= p.height)
                                continue;
                            std::uint8_t* d = p.at(x0 + x, y0 + y);
                            const std::uint8_t* s = v->at(x % v->width, y % v->height);
                            for (int c = 0; c < 3; ++c)
                                d[c] = static_cast<std::uint8_t>(d[c] + (s[c] - d[c]) * y / v->height);
                        }
                }
            }
        }
        out.graphics.push_back(std::move(p));
    }
    if (const Image* w = source(level.waterPath))
        out.water = *w;
    return out;
}

} // namespace datagen::levels
