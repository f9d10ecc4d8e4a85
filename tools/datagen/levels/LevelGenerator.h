#pragma once

#include "levels/LevelData.h"
#include "levels/UnitCatalog.h"

#include <string>

namespace datagen::levels {

// Level n as the generator ships it: the first attempt that passes the level checker.
// Throws std::runtime_error listing the problems when no attempt passes.
LevelData makeLevel(int number, const UnitCatalog& catalog);

// "datagen --preview": renders level n, built against the art found in treeRoot, to a PNG file.
void writePreview(int number, const std::string& treeRoot, const std::string& pngPath);

} // namespace datagen::levels
