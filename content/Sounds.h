#pragma once

#include "content/Singleton.h"
#include "content/Sound.h"

#include <array>
#include <memory>

namespace NVolant {

// Every sound effect of the game, loaded once from the archive on first use. A slot is null when
// there is no audio device or its file is missing or broken; callers skip null sounds.
class Sounds final : public NLib::Singleton<Sounds> {
public:
    Sounds();
    ~Sounds();
    Sounds(const Sounds&) = delete;
    Sounds& operator=(const Sounds&) = delete;

    // Engines: model 0..3. Looping, three instances each.
    NAudio::Sound* helicEngine(int model) const { return m_helic[clampIndex(model, 4)].get(); }
    NAudio::Sound* helicExplode() const { return m_helicExpl.get(); }
    NAudio::Sound* planeEngine(int model) const { return m_plane[clampIndex(model, 4)].get(); }
    NAudio::Sound* planeExplode() const { return m_planeExpl.get(); }
    NAudio::Sound* boatHit() const { return m_boatHit.get(); }
    // 0..2.
    NAudio::Sound* boatExplode(int which) const { return m_boatExpl[clampIndex(which, 3)].get(); }
    NAudio::Sound* bonus() const { return m_bonus.get(); }
    NAudio::Sound* addLife() const { return m_addLife.get(); }
    NAudio::Sound* playerPlane() const { return m_playerPlane.get(); }
    // Flight of the player's missiles: three instances keyed by missile.
    NAudio::Sound* playerMissile() const { return m_playerMissile.get(); }
    // Two entries of the cannon, 0 and 1, so shots can overlap.
    NAudio::Sound* playerBullet(int which) const { return m_playerBullet[clampIndex(which, 2)].get(); }
    NAudio::Sound* playerMissileExplode() const { return m_playerMissileExpl.get(); }
    NAudio::Sound* playerHitSmall() const { return m_playerHitSmall.get(); }
    NAudio::Sound* playerHitBig() const { return m_playerHitBig.get(); }
    // Flight of enemy rockets and missiles (two instances) and their impact.
    NAudio::Sound* enemyMissile() const { return m_enemyMissile.get(); }
    NAudio::Sound* enemyMissileExplode() const { return m_enemyMissileExpl.get(); }
    // The welding arc of the main menu.
    NAudio::Sound* arc() const { return m_arc.get(); }

    // Once per frame: the engine and enemy-rocket instances nobody refreshed fall silent.
    void tickEngines();
    // Silences everything but the cannon and the hit sounds.
    void stopAll();

private:
    static int clampIndex(int index, int count) { return index < 0 ? 0 : index >= count ? count - 1 : index; }

    std::array<std::unique_ptr<NAudio::Sound>, 4> m_helic;
    std::unique_ptr<NAudio::Sound> m_helicExpl;
    std::array<std::unique_ptr<NAudio::Sound>, 4> m_plane;
    std::unique_ptr<NAudio::Sound> m_planeExpl;
    std::unique_ptr<NAudio::Sound> m_boatHit;
    std::array<std::unique_ptr<NAudio::Sound>, 3> m_boatExpl;
    std::unique_ptr<NAudio::Sound> m_bonus;
    std::unique_ptr<NAudio::Sound> m_addLife;
    std::unique_ptr<NAudio::Sound> m_playerPlane;
    std::unique_ptr<NAudio::Sound> m_playerMissile;
    std::array<std::unique_ptr<NAudio::Sound>, 2> m_playerBullet;
    std::unique_ptr<NAudio::Sound> m_playerMissileExpl;
    std::unique_ptr<NAudio::Sound> m_playerHitSmall;
    std::unique_ptr<NAudio::Sound> m_playerHitBig;
    std::unique_ptr<NAudio::Sound> m_enemyMissile;
    std::unique_ptr<NAudio::Sound> m_enemyMissileExpl;
    std::unique_ptr<NAudio::Sound> m_arc;
};

} // namespace NVolant
