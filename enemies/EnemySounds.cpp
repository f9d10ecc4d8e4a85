#include "enemies/EnemySounds.h"

#include "content/Sound.h"
#include "content/Sounds.h"

#include <cstdint>
#include <utility>

// Every request goes to the sound registry (a sound that is not loaded is skipped, so the game
// plays silently without it); a listener (tests) may watch them too.

namespace NVolant {

namespace {

EnemySounds::Listener& listener()
{
    static EnemySounds::Listener l;
    return l;
}

void tell(const EnemySounds::Request& request)
{
    if (listener())
        listener()(request);
}

NAudio::Sound* effectSound(const Sounds& sounds, EnemySounds::Effect effect)
{
    switch (effect) {
    case EnemySounds::Effect::BoatHit:
        return sounds.boatHit();
    case EnemySounds::Effect::BoatExplosion1:
        return sounds.boatExplode(0);
    case EnemySounds::Effect::BoatExplosion2:
        return sounds.boatExplode(1);
    case EnemySounds::Effect::BoatExplosion3:
        return sounds.boatExplode(2);
    case EnemySounds::Effect::HelicExplosion:
        return sounds.helicExplode();
    case EnemySounds::Effect::PlaneExplosion:
        return sounds.planeExplode();
    }
    return nullptr;
}

NAudio::Sound* engineSound(const Sounds& sounds, EnemySounds::Engine engine, int model)
{
    return engine == EnemySounds::Engine::Helic ? sounds.helicEngine(model) : sounds.planeEngine(model);
}

} // namespace

void EnemySounds::setListener(Listener l)
{
    listener() = std::move(l);
}

void EnemySounds::play(Effect effect, const Vector4& position, float distance)
{
    tell({Request::Play, static_cast<int>(effect), 0, 0, position, distance});
    const Sounds* sounds = Sounds::existing();
    NAudio::Sound* sound = sounds ? effectSound(*sounds, effect) : nullptr;
    if (!sound)
        return;
    sound->setPan(sounds->pan(position));
    sound->play(true, false, sounds->volumeAt(position, distance));
}

void EnemySounds::keepEngine(Engine engine, int model, int key, const Vector4& position, float distance)
{
    tell({Request::Keep, static_cast<int>(engine), model, key, position, distance});
    const Sounds* sounds = Sounds::existing();
    NAudio::Sound* sound = sounds ? engineSound(*sounds, engine, model) : nullptr;
    if (!sound || key <= 0)
        return;
    const auto id = static_cast<std::uint32_t>(key);
    if (sound->acquire(id, 3))
        sound->playInstance(id, false);
    if (sound->hasInstance(id)) {
        sound->acquire(id, 3);
        sound->setInstancePan(id, sounds->pan(position));
        sound->setInstanceVolume(id, sounds->volumeAt(position, distance));
    }
}

void EnemySounds::stopEngine(Engine engine, int model, int key)
{
    tell({Request::Stop, static_cast<int>(engine), model, key, Vector4(), 0.0f});
    const Sounds* sounds = Sounds::existing();
    NAudio::Sound* sound = sounds ? engineSound(*sounds, engine, model) : nullptr;
    if (sound && key > 0)
        sound->stopInstance(static_cast<std::uint32_t>(key));
}

} // namespace NVolant
