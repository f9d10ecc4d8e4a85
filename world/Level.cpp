#include "world/Level.h"

#include "combat/Arena.h"
#include "combat/Bonus.h"
#include "combat/Shot.h"
#include "content/ParticleSystem.h"
#include "content/ResourceArchive.h"
#include "content/Sprite.h"
#include "enemies/Enemies.h"
#include "enemies/GroundQuery.h"
#include "platform/KWindow.h"
#include "world/Terrain.h"

#include <cstdio>

namespace {

// Moves everything drawn after it down by dy logical pixels.
void shiftView(float dy)
{
    if (KWindow* window = KWindow::current())
        window->setViewTransform(0.0f, dy, 0.0f, 1.0f, false);
}

} // namespace

namespace NVolant {

// The enemies ask the ground through their own small question; the terrain answers it.
class Level::Ground final : public GroundQuery {
public:
    explicit Ground(const Terrain& terrain) : m_terrain(terrain) {}
    bool anyTile(const CollitionPoints& points) const override { return m_terrain.anyTile(points); }
    bool anyWater(const CollitionPoints& points) const override { return m_terrain.anyWater(points); }

private:
    const Terrain& m_terrain;
};

std::string Level::folderFor(int levelNumber)
{
    char folder[32];
    std::snprintf(folder, sizeof folder, "levels/%02d/", levelNumber);
    return folder;
}

Level::Level(Arena& arena, const std::string& folder) : m_arena(arena), m_folder(folder)
{
    m_terrain = std::make_unique<Terrain>();
    m_terrain->load(*NLib::ResourceArchive::instance(), m_folder + "level.xml", m_arena.random());
    m_ground = std::make_unique<Ground>(*m_terrain);

    m_enemies = std::make_unique<Enemies>(m_arena);
    m_enemies->setGround(m_ground.get());
    m_enemies->load(m_folder + "enemies.dat");

    const float mapHeight = static_cast<float>(m_terrain->rows() * m_terrain->cellSize());
    m_arena.bonuses().load(m_folder + "bonuses.dat", mapHeight);
    m_arena.scores().resetLevelStats();
}

Level::~Level()
{
    m_enemies.reset();
    m_ground.reset();
    m_terrain.reset();
    m_arena.clearLevel();
}

void Level::update(float dtMs)
{
    m_terrain->update(dtMs);
    m_arena.effects().update(dtMs);
    m_arena.shots().update(dtMs);
    m_arena.bonuses().update(dtMs);
    m_enemies->update(dtMs);
    m_arena.scores().update(dtMs);
}

void Level::setCamera(const Vector4& camera)
{
    m_terrain->setPosition(camera.x, camera.y, camera.z, camera.w);
    m_enemies->setCamera(camera);
    m_arena.shots().setCamera(camera);
    m_arena.bonuses().setCamera(camera);
    m_arena.effects().setCamera(camera);
}

void Level::drawGround(float terrainShift, float shift)
{
    // Only a frame drawn between steps moves the view; any other is drawn exactly as it was.
    const bool shifted = terrainShift != 0.0f || shift != 0.0f;
    if (shifted)
        shiftView(terrainShift);
    m_terrain->draw();
    if (shifted)
        shiftView(shift);
    Effects& effects = m_arena.effects();
    effects.drawBurners();
    m_enemies->draw();
    effects.drawTrailsAndAnimations();
    m_arena.shots().draw();
    if (shifted)
        shiftView(0.0f);
}

void Level::drawTop(float shift)
{
    if (shift != 0.0f)
        shiftView(shift);
    m_arena.bonuses().draw();
    m_arena.effects().drawAnimations();
    m_arena.scores().draw(m_terrain->position());
    if (shift != 0.0f)
        shiftView(0.0f);
}

int Level::collidePlayer(const CollitionCircles& circles)
{
    const int rammed = m_enemies->collideWithPlayer(circles);
    if (rammed != 0)
        return rammed;
    return m_arena.shots().hitByEnemyShot(circles);
}

Vector4 Level::cameraPosition() const
{
    return m_terrain->position();
}

void Level::setCheckpoint(int bridges)
{
    m_enemies->setCheckpoint(bridges);
}

void Level::restartFromCheckpoint()
{
    m_enemies->restartFromCheckpoint();
    m_enemies->clear();
    m_arena.clearFlight();
    const Vector4& camera = m_enemies->camera();
    m_terrain->setPosition(camera.x, camera.y, camera.z, camera.w);
    m_enemies->load(m_folder + "enemies.dat");
}

bool Level::endReached() const
{
    return m_enemies->levelEndReached() || m_terrain->isEndReached();
}

} // namespace NVolant
