#include "world/World.h"

#include "world/Level.h"

namespace NVolant {

World::World(std::uint32_t seed, std::uint32_t integerSeed) : m_arena(seed, integerSeed)
{
}

World::~World()
{
    dropLevel();
}

Level& World::loadLevel(const std::string& folder)
{
    dropLevel();
    m_level = std::make_unique<Level>(m_arena, folder);
    return *m_level;
}

void World::dropLevel()
{
    m_level.reset();
}

} // namespace NVolant
