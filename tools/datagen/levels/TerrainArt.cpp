#include "levels/TerrainArt.h"

#include "levels/GroundTexture.h"
#include "levels/Rng.h"
#include "levels/TileSet.h"
#include "levels/WaterArt.h"

#include <cstdio>
#include <numeric>
#include <utility>

namespace datagen::levels::terrain_art {

std::string basePicturePath()
{
    return "levels/terrain/base.png";
}

std::string texturePath(Landscape l, int variant)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "levels/terrain/%s_%02d.png", landscapeName(l), variant + 1);
    return buf;
}

std::string waterPath(Water w)
{
    return std::string("levels/terrain/") + waterName(w) + ".png";
}

std::vector<int> levelVariants(int level, Landscape l)
{
    Rng rng(seedOf(0x7E7A, static_cast<std::uint64_t>(level), static_cast<std::uint64_t>(l)));
    std::vector<int> pool(kPoolSize);
    std::iota(pool.begin(), pool.end(), 0);
    for (int i = 0; i < kVariants; ++i)
        std::swap(pool[static_cast<std::size_t>(i)], pool[static_cast<std::size_t>(rng.range(i, kPoolSize - 1))]);
    pool.resize(kVariants);
    return pool;
}

Image texture(Landscape l, int variant)
{
    return ground::variant(l, variant);
}

Image water(Water w)
{
    return water_art::picture(w);
}

std::map<std::string, Image> allPictures()
{
    std::map<std::string, Image> out;
    Image base(tiles::kPicture, tiles::kPicture);
    base.rgba = tiles::basePicture();
    out[basePicturePath()] = std::move(base);
    for (Landscape l : {Landscape::Grass, Landscape::Forest, Landscape::Autumn, Landscape::Scrub,
                        Landscape::Desert, Landscape::Rock, Landscape::Snow, Landscape::Town})
        for (int v = 0; v < kPoolSize; ++v)
            out[texturePath(l, v)] = texture(l, v);
    for (Water w : {Water::Temperate, Water::Arid, Water::Cold})
        out[waterPath(w)] = water(w);
    return out;
}

} // namespace datagen::levels::terrain_art
