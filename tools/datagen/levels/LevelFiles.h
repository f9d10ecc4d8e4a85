#pragma once

#include "levels/LevelData.h"

#include <string>

namespace datagen {
class DataTree;
}

namespace datagen::levels {

std::string levelFolder(int number); // "levels/07/"
std::string levelXmlText(const LevelData& level);

// Writes "level.xml", the map file, "enemies.dat" and "bonuses.dat" of a level.
void writeLevel(const DataTree& tree, const LevelData& level);

// Reads a level back from a data tree. Fills what it could and returns false with a reason
// when a file is missing, does not parse or has the wrong size for its counts.
bool readLevel(const std::string& treeRoot, int number, LevelData& out, std::string& why);

} // namespace datagen::levels
