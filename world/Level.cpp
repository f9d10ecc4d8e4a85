#include "world/Level.h"

#include "combat/Bonus.h"
#include "combat/Bonuses.h"
#include "combat/Effects.h"
#include "combat/Shot.h"
#include "combat/Shots.h"
#include "content/ParticleSystem.h"
#include "content/ResourceArchive.h"
#include "content/Sprite.h"
#include "enemies/Enemies.h"
#include "enemies/GroundQuery.h"
#include "score/Scores.h"
#include "world/Terrain.h"

#include <cstdio>

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

Level::Level(const std::string& folder) : m_folder(folder)
{
    m_terrain = std::make_unique<Terrain>();
    m_terrain->load(*NLib::ResourceArchive::instance(), m_folder + "level.xml");
    m_ground = std::make_unique<Ground>(*m_terrain);

    m_enemies = std::make_unique<Enemies>();
    m_enemies->setGround(m_ground.get());
    m_enemies->load(m_folder + "enemies.dat");

    // The level's managers exist from the start, whether or not a frame is ever drawn.
    Shots::instance();
    Effects::instance();
    const float mapHeight = static_cast<float>(m_terrain->rows() * m_terrain->cellSize());
    Bonuses::instance()->load(m_folder + "bonuses.dat", mapHeight);
    Scores::instance()->resetLevelStats();
}

Level::~Level()
{
    m_enemies.reset();
    m_ground.reset();
    m_terrain.reset();
    // Bullets leave their impacts in the effects as they go, so the shots go first.
    Shots::destroy();
    Bonuses::destroy();
    Effects::destroy();
}

void Level::update(float dtMs)
{
    m_terrain->update(dtMs);
    Effects::instance()->update(dtMs);
    Shots::instance()->update(dtMs);
    Bonuses::instance()->update(dtMs);
    m_enemies->update(dtMs);
    Scores::instance()->update(dtMs);
}

void Level::setCamera(const Vector4& camera)
{
    m_terrain->setPosition(camera.x, camera.y, camera.z, camera.w);
    m_enemies->setCamera(camera);
    Shots::instance()->setCamera(camera);
    Bonuses::instance()->setCamera(camera);
    Effects::instance()->setCamera(camera);
}

void Level::drawGround()
{
    m_terrain->draw();
    Effects* effects = Effects::instance();
    effects->drawBurners();
    m_enemies->draw();
    effects->drawTrailsAndAnimations();
    Shots::instance()->draw();
}

void Level::drawTop()
{
    Bonuses::instance()->draw();
    Effects::instance()->drawAnimations();
    Scores::instance()->draw(m_terrain->position());
}

int Level::collidePlayer(const CollitionCircles& circles)
{
    const int rammed = m_enemies->collideWithPlayer(circles);
    if (rammed != 0)
        return rammed;
    return Shots::instance()->hitByEnemyShot(circles);
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
    // Shots go before effects: bullets leave their impacts there as they go.
    Shots::destroy();
    Effects::destroy();
    Shots::instance();
    Effects::instance();
    const Vector4& camera = m_enemies->camera();
    m_terrain->setPosition(camera.x, camera.y, camera.z, camera.w);
    m_enemies->load(m_folder + "enemies.dat");
}

bool Level::endReached() const
{
    return m_enemies->levelEndReached() || m_terrain->isEndReached();
}

} // namespace NVolant
