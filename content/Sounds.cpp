#include "content/Sounds.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace NVolant {

namespace {

std::unique_ptr<NAudio::Sound> loadLooping(const std::string& path, int maxInstances)
{
    std::unique_ptr<NAudio::Sound> sound = NAudio::Sound::load(path, maxInstances);
    if (sound)
        sound->setLooping(true);
    return sound;
}

} // namespace

Sounds::Sounds()
{
    using NAudio::Sound;
    for (int i = 0; i < 4; ++i)
        m_helic[i] = loadLooping("sounds/helic" + std::to_string(i + 1) + ".ogg", 3);
    m_helicExpl = Sound::load("sounds/helic_expl.ogg", 1);
    for (int i = 0; i < 4; ++i)
        m_plane[i] = loadLooping("sounds/plane" + std::to_string(i + 1) + ".ogg", 3);
    m_planeExpl = Sound::load("sounds/plane_expl.ogg", 1);
    m_boatHit = Sound::load("sounds/boat_hit.ogg", 1);
    for (int i = 0; i < 3; ++i)
        m_boatExpl[i] = Sound::load("sounds/boat_expl" + std::to_string(i + 1) + ".ogg", 1);
    m_playerMissile = Sound::load("sounds/player_missile.ogg", 3);
    m_playerMissileExpl = Sound::load("sounds/player_missile_expl.ogg", 1);
    m_playerBullet[0] = Sound::load("sounds/player_bullet.ogg", 1);
    m_playerBullet[1] = Sound::load("sounds/player_bullet.ogg", 1);
    m_playerPlane = Sound::load("sounds/player_plane.ogg", 1);
    m_playerHitSmall = Sound::load("sounds/player_hit_small.ogg", 1);
    m_playerHitBig = Sound::load("sounds/player_hit_big.ogg", 1);
    m_bonus = Sound::load("sounds/bonus.ogg", 1);
    m_addLife = Sound::load("sounds/addlife.ogg", 1);
    m_enemyMissile = Sound::load("sounds/tank_missile.ogg", 2);
    m_enemyMissileExpl = Sound::load("sounds/player_missile_expl.ogg", 1);
    m_arc = Sound::load("sounds/arc9.ogg", 1);
}

Sounds::~Sounds() = default;

void Sounds::tickEngines()
{
    for (auto& sound : m_helic)
        if (sound)
            sound->tick();
    for (auto& sound : m_plane)
        if (sound)
            sound->tick();
    if (m_enemyMissile)
        m_enemyMissile->tick();
}

void Sounds::stopAll()
{
    // The cannon and the hit sounds are short and left to finish.
    NAudio::Sound* all[] = {m_helic[0].get(),
                            m_helic[1].get(),
                            m_helic[2].get(),
                            m_helic[3].get(),
                            m_helicExpl.get(),
                            m_plane[0].get(),
                            m_plane[1].get(),
                            m_plane[2].get(),
                            m_plane[3].get(),
                            m_planeExpl.get(),
                            m_boatHit.get(),
                            m_boatExpl[0].get(),
                            m_boatExpl[1].get(),
                            m_boatExpl[2].get(),
                            m_bonus.get(),
                            m_addLife.get(),
                            m_playerPlane.get(),
                            m_playerMissile.get(),
                            m_playerMissileExpl.get(),
                            m_enemyMissile.get(),
                            m_enemyMissileExpl.get(),
                            m_arc.get()};
    for (NAudio::Sound* sound : all)
        if (sound)
            sound->stop();
}

} // namespace NVolant
