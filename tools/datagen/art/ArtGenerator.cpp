#include "Generators.h"
#include "art/ArtParts.h"

namespace datagen {

void generateArt(const DataTree& tree)
{
    art::SpriteBook* book = nullptr;
    art::generatePlayer(tree, book);
    art::generateBoats(tree, book);
    art::generateHelicopters(tree, book);
    art::generatePlanes(tree, book);
    art::generateTanks(tree, book);
    art::generateBuildings(tree, book);
    art::generateBridge(tree, book);
    art::generateBonuses(tree, book);
    art::generateEffects(tree, book);
    art::generateParticles(tree);
    art::generateHud(tree, book);
    art::generateMenus(tree, book);
    art::generateWidgets(tree);
    art::generatePanels(tree);
    art::generateFont(tree);
    art::generateIcons(tree);
}

} // namespace datagen
