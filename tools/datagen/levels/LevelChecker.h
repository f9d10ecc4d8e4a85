#pragma once

#include "levels/LevelData.h"
#include "levels/UnitCatalog.h"

#include <string>
#include <vector>

namespace datagen::levels {

// The rules every level must keep, whoever made it. Each broken rule gives one line naming
// the level, the rule and the place.
class LevelChecker final {
public:
    explicit LevelChecker(const UnitCatalog& catalog) : m_catalog(catalog) {}

    // A level in memory: terrain classes, river, sectors, placements, bridges, bonuses.
    std::vector<std::string> check(const LevelData& level) const;
    // A level as written into a data tree: the files, their sizes and the pictures they name,
    // then everything check() looks at.
    std::vector<std::string> checkFiles(const std::string& treeRoot, int number) const;

private:
    void checkMap(const LevelData& level, std::vector<std::string>& out) const;
    void checkRiver(const LevelData& level, std::vector<std::string>& out) const;
    void checkEnemies(const LevelData& level, std::vector<std::string>& out) const;
    void checkBridges(const LevelData& level, std::vector<std::string>& out) const;
    void checkBonuses(const LevelData& level, std::vector<std::string>& out) const;
    void checkThreat(const LevelData& level, std::vector<std::string>& out) const;

    const UnitCatalog& m_catalog;
};

} // namespace datagen::levels
