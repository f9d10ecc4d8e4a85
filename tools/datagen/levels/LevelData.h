#pragma once

#include "content/DecorFile.h"
#include "content/LevelFiles.h"
#include "levels/Progression.h"

#include <string>
#include <vector>

namespace datagen::levels {

// The generator writes the level files the game reads, with the game's own records and codes.
using NVolant::BonusRecord;
using NVolant::EnemyKind;
using NVolant::enemyKindOf;
using NVolant::enemyModelOf;
using NVolant::EnemyRecord;
using NVolant::LevelFiles;
using NVolant::TileMap;
using NVolant::kBoatType;
using NVolant::kBridgeType;
using NVolant::kBuildingType;
using NVolant::kHelicType;
using NVolant::kPlaneType;
using NVolant::kTankType;

struct TextureDef {
    std::string name;
    std::vector<std::string> images;
};

struct SectorDef {
    std::string name; // selects the texture of that name
    std::string base; // base picture
};

// A note for the preview: what the generator meant at some height.
struct Note {
    float y = 0;
    std::string text;
};

// One level as the generator builds it, before it becomes files.
struct LevelData {
    int number = 1;
    LevelPlan plan;
    std::string folder;  // "levels/07/"
    std::string mapPath; // the map file named by "level.xml"
    TileMap map;
    std::vector<TextureDef> textures;
    std::vector<SectorDef> sectors;
    std::string waterPath;
    std::vector<EnemyRecord> enemies;
    std::vector<BonusRecord> bonuses;
    std::vector<float> bridges; // heights of the bridges, bottom to top
    std::vector<Note> notes;
    NVolant::Decor decor;
    std::string decorPath; // "" for a level without scenery

    // Scroll at which the game ends the level: rows x cell size - 750.
    float height() const { return static_cast<float>(map.rows * map.cellSize); }
    float endScroll() const { return height() - 750.0f; }
};

} // namespace datagen::levels
