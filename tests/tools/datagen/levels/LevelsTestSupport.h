#pragma once

#include "levels/UnitCatalog.h"

#include <cstdlib>
#include <filesystem>
#include <string>

// The generated data tree of the build, when the build has made one (tests run in the build
// folder).
inline std::string generatedTree()
{
    const char* build = std::getenv("SKYVANE_BUILD_DIR");
    const std::filesystem::path tree = std::filesystem::path(build ? build : ".") / "data";
    return std::filesystem::exists(tree / "levels" / "01" / "level.xml") ? tree.string() : std::string();
}

// Unit shapes as the shipped levels were built with: the build's art when there is one.
inline const datagen::levels::UnitCatalog& testCatalog()
{
    static const datagen::levels::UnitCatalog catalog =
        generatedTree().empty() ? datagen::levels::UnitCatalog::defaults()
                                : datagen::levels::UnitCatalog::load(generatedTree());
    return catalog;
}
