#include "combat/GameSounds.h"

#include "content/Sound.h"
#include "content/Sounds.h"

#include <algorithm>
#include <cmath>

namespace NVolant {

namespace {

// The registry's sound for a cue; null without a registry, an audio device or the file.
NAudio::Sound* soundOf(SoundCue cue)
{
    const Sounds* sounds = Sounds::existing();
    if (!sounds)
        return nullptr;
    switch (cue) {
    case SoundCue::PlayerPlane:
        return sounds->playerPlane();
    case SoundCue::PlayerBullet1:
        return sounds->playerBullet(0);
    case SoundCue::PlayerBullet2:
        return sounds->playerBullet(1);
    case SoundCue::PlayerMissile:
        return sounds->playerMissile();
    case SoundCue::PlayerMissileExpl:
        return sounds->playerMissileExplode();
    case SoundCue::PlayerHitSmall:
        return sounds->playerHitSmall();
    case SoundCue::PlayerHitBig:
        return sounds->playerHitBig();
    case SoundCue::PlaneExplodes:
    case SoundCue::HelicExplosion:
        return sounds->helicExplode();
    case SoundCue::Bonus:
        return sounds->bonus();
    case SoundCue::EnemyMissile:
        return sounds->enemyMissile();
    case SoundCue::EnemyMissileExpl:
        return sounds->enemyMissileExplode();
    case SoundCue::BoatHit:
        return sounds->boatHit();
    case SoundCue::BoatExplosion1:
        return sounds->boatExplode(0);
    case SoundCue::BoatExplosion2:
        return sounds->boatExplode(1);
    case SoundCue::BoatExplosion3:
        return sounds->boatExplode(2);
    case SoundCue::PlaneExplosion:
        return sounds->planeExplode();
    case SoundCue::ExtraLife:
        return sounds->addLife();
    case SoundCue::None:
    case SoundCue::Count:
        break;
    }
    return nullptr;
}

NAudio::Sound* engineSound(GameSounds::Engine engine, int model)
{
    const Sounds* sounds = Sounds::existing();
    if (!sounds)
        return nullptr;
    return engine == GameSounds::Engine::Helic ? sounds->helicEngine(model) : sounds->planeEngine(model);
}

} // namespace

void GameSounds::play(SoundCue cue, bool restart, bool loop, int volume)
{
    ++m_plays[static_cast<std::size_t>(cue)];
    if (NAudio::Sound* sound = soundOf(cue))
        sound->play(restart, loop, volume);
}

bool GameSounds::isPlaying(SoundCue cue) const
{
    const NAudio::Sound* sound = soundOf(cue);
    return sound && sound->isPlaying();
}

void GameSounds::stop(SoundCue cue)
{
    if (NAudio::Sound* sound = soundOf(cue))
        sound->stop();
}

void GameSounds::playAt(SoundCue cue, const Vector4& worldPosition, float distance)
{
    ++m_plays[static_cast<std::size_t>(cue)];
    NAudio::Sound* sound = soundOf(cue);
    if (!sound)
        return;
    sound->setPan(pan(worldPosition));
    sound->play(true, false, volumeAt(worldPosition, distance));
}

void GameSounds::keepFlying(SoundCue cue, int key, const Vector4& worldPosition)
{
    if (key <= 0)
        return;
    m_flights[key] = cue;
    NAudio::Sound* sound = soundOf(cue);
    if (!sound)
        return;
    const auto id = static_cast<std::uint32_t>(key);
    if (sound->acquire(id, 3))
        sound->playInstance(id, false);
    if (!sound->hasInstance(id))
        return;
    sound->setInstancePan(id, pan(worldPosition));
    sound->setInstanceVolume(id, volumeAt(worldPosition, 300.0f));
}

void GameSounds::stopFlying(SoundCue cue, int key)
{
    if (key <= 0)
        return;
    m_flights.erase(key);
    if (NAudio::Sound* sound = soundOf(cue))
        sound->stopInstance(static_cast<std::uint32_t>(key));
}

void GameSounds::keepEngine(Engine engine, int model, int key, const Vector4& position, float distance)
{
    if (key <= 0)
        return;
    m_engines[key] = Voice{engine, model, position, distance};
    NAudio::Sound* sound = engineSound(engine, model);
    if (!sound)
        return;
    const auto id = static_cast<std::uint32_t>(key);
    if (sound->acquire(id, 3))
        sound->playInstance(id, false);
    // acquire has already refreshed an instance that was playing.
    if (sound->hasInstance(id)) {
        sound->setInstancePan(id, pan(position));
        sound->setInstanceVolume(id, volumeAt(position, distance));
    }
}

void GameSounds::stopEngine(Engine engine, int model, int key)
{
    if (key <= 0)
        return;
    m_engines.erase(key);
    if (NAudio::Sound* sound = engineSound(engine, model))
        sound->stopInstance(static_cast<std::uint32_t>(key));
}

const GameSounds::Voice* GameSounds::engine(int key) const
{
    const auto it = m_engines.find(key);
    return it == m_engines.end() ? nullptr : &it->second;
}

int GameSounds::pan(const Vector4& position) const
{
    const float dx = std::clamp(position.x - m_listener.x, -300.0f, 300.0f);
    if (std::isnan(dx))
        return 0;
    return static_cast<int>(dx * 100.0f / 300.0f);
}

int GameSounds::volumeAt(const Vector4& position, float distance) const
{
    const float d = (position - m_listener).length();
    if (!(distance > 0.0f))
        return d > 0.0f ? 10 : 100;
    const float v = 100.0f - 100.0f * d / distance;
    // Far away (or nowhere, for a position that is not a number) is still just audible.
    if (!(v >= 10.0f))
        return 10;
    return static_cast<int>(v);
}

void GameSounds::tickEngines()
{
    if (Sounds* sounds = Sounds::existing())
        sounds->tickEngines();
}

} // namespace NVolant
