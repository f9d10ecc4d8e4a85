#include "world/World.h"

#include "world/Level.h"

namespace NVolant {

World::World(std::uint32_t seed) : m_arena(seed)
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
