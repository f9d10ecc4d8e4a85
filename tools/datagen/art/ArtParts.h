#pragma once

#include "art/Sprites.h"

#include <vector>

namespace datagen {
class DataTree;
}

namespace datagen::art {

// One function per subject; each writes its pictures, descriptions and parameter files.
void generatePlayer(const DataTree& tree, SpriteBook* book);
void generateBoats(const DataTree& tree, SpriteBook* book);
void generateHelicopters(const DataTree& tree, SpriteBook* book);
void generatePlanes(const DataTree& tree, SpriteBook* book);
void generateTanks(const DataTree& tree, SpriteBook* book);
void generateBuildings(const DataTree& tree, SpriteBook* book);
void generateBridge(const DataTree& tree, SpriteBook* book);
void generateBonuses(const DataTree& tree, SpriteBook* book);
void generateEffects(const DataTree& tree, SpriteBook* book);
void generateParticles(const DataTree& tree);
void generateHud(const DataTree& tree, SpriteBook* book);
void generateMenus(const DataTree& tree, SpriteBook* book);
void generateWidgets(const DataTree& tree);
void generatePanels(const DataTree& tree); // needs the unit and bonus sprites written first
void generateFont(const DataTree& tree);
// The game's icon, "icons/skyvane_N.png" for every N of iconSizes(): the window's icon and the
// desktop's.
void generateIcons(const DataTree& tree);
const std::vector<int>& iconSizes();

// Shared painters.
// A fireball at time t in 0..1 of its life: flash, fire, smoke and debris within radius.
void paintExplosion(cairo_t* cr, double t, double radius, unsigned seed, bool heavy);
// The player's plane, nose up, centred on the origin, 72 pixels across at scale 1.
void paintPlayerShape(cairo_t* cr, int frame, int group);
// A bonus token of kind 1..10, 40 pixels across at scale 1.
void paintBonus(cairo_t* cr, int kind, int frame);
// A small upright flame, phase in 0..1 of its flicker cycle.
void paintFlame(cairo_t* cr, double phase, double height, double width, unsigned seed);

} // namespace datagen::art
