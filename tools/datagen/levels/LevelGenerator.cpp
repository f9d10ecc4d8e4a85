#include "Generators.h"

#include "common/DataTree.h"
#include "levels/DecorArt.h"
#include "levels/Image.h"
#include "levels/LevelBuilder.h"
#include "levels/LevelChecker.h"
#include "levels/LevelFiles.h"
#include "levels/LevelGenerator.h"
#include "levels/PreviewRenderer.h"
#include "levels/SpriteBook.h"
#include "levels/TerrainArt.h"
#include "levels/TerrainComposer.h"

#include <stdexcept>

namespace datagen {

namespace levels {

namespace {

constexpr int kLevels = 30;
constexpr int kAttempts = 12;

} // namespace

LevelData makeLevel(int number, const UnitCatalog& catalog)
{
    const LevelChecker checker(catalog);
    std::string problems;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        LevelData level = buildLevel(number, catalog, attempt);
        const std::vector<std::string> found = checker.check(level);
        if (found.empty())
            return level;
        problems =
            found.front() + (found.size() > 1 ? " (and " + std::to_string(found.size() - 1) + " more)" : "");
    }
    throw std::runtime_error("no attempt at level " + std::to_string(number) +
                             " passes the checker: " + problems);
}

void writePreview(int number, const std::string& treeRoot, const std::string& pngPath)
{
    const UnitCatalog catalog = UnitCatalog::load(treeRoot);
    const LevelData level = makeLevel(number, catalog);
    const std::map<std::string, Image> pictures = terrain_art::allPictures();
    const ComposedTerrain terrain = composeTerrain(level, [&](const std::string& path) -> const Image* {
        auto it = pictures.find(path);
        return it == pictures.end() ? nullptr : &it->second;
    });
    SpriteBook sprites(treeRoot);
    if (!writePngFile(renderPreview(level, terrain, catalog, &sprites), pngPath))
        throw std::runtime_error("cannot write " + pngPath);
}

} // namespace levels

void generateLevels(const DataTree& tree)
{
    // The art is already in the tree: unit sizes and outlines come from it.
    const levels::UnitCatalog catalog = levels::UnitCatalog::load(tree.root());
    for (const auto& [path, image] : levels::terrain_art::allPictures())
        tree.writeBytes(path, levels::encodePng(image));
    tree.writeBytes(levels::decor_art::kAtlasPath, levels::encodePng(levels::decor_art::atlas()));
    tree.writeBytes(levels::decor_art::kCloudsPath, levels::encodePng(levels::decor_art::clouds()));
    for (int n = 1; n <= levels::kLevels; ++n)
        levels::writeLevel(tree, levels::makeLevel(n, catalog));
}

} // namespace datagen
