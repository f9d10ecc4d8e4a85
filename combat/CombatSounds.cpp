#include "combat/CombatSounds.h"

#include "content/Sound.h"
#include "content/Sounds.h"

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
        return sounds->helicExplode();
    case SoundCue::Bonus:
        return sounds->bonus();
    case SoundCue::EnemyMissile:
        return sounds->enemyMissile();
    case SoundCue::EnemyMissileExpl:
        return sounds->enemyMissileExplode();
    case SoundCue::None:
        break;
    }
    return nullptr;
}

} // namespace

void CombatSounds::play(SoundCue cue, bool restart, bool loop, int volume)
{
    if (NAudio::Sound* sound = soundOf(cue))
        sound->play(restart, loop, volume);
}

bool CombatSounds::isPlaying(SoundCue cue)
{
    const NAudio::Sound* sound = soundOf(cue);
    return sound && sound->isPlaying();
}

void CombatSounds::stop(SoundCue cue)
{
    if (NAudio::Sound* sound = soundOf(cue))
        sound->stop();
}

void CombatSounds::playAt(SoundCue cue, const Vector4& worldPosition, float distance)
{
    NAudio::Sound* sound = soundOf(cue);
    if (!sound)
        return;
    const Sounds& sounds = *Sounds::existing();
    sound->setPan(sounds.pan(worldPosition));
    sound->play(true, false, sounds.volumeAt(worldPosition, distance));
}

void CombatSounds::keepFlying(SoundCue cue, int key, const Vector4& worldPosition)
{
    NAudio::Sound* sound = soundOf(cue);
    if (!sound || key <= 0)
        return;
    const auto id = static_cast<std::uint32_t>(key);
    if (sound->acquire(id, 3))
        sound->playInstance(id, false);
    if (!sound->hasInstance(id))
        return;
    const Sounds& sounds = *Sounds::existing();
    sound->setInstancePan(id, sounds.pan(worldPosition));
    sound->setInstanceVolume(id, sounds.volumeAt(worldPosition, 300.0f));
}

void CombatSounds::stopFlying(SoundCue cue, int key)
{
    NAudio::Sound* sound = soundOf(cue);
    if (sound && key > 0)
        sound->stopInstance(static_cast<std::uint32_t>(key));
}

} // namespace NVolant
