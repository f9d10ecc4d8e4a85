#include "enemies/EnemySounds.h"

#include <utility>

// The sound registry is not part of the game yet: every request ends here, and a listener (tests)
// may watch them. When the registry arrives, each function below makes its calls:
//   play:       Sounds::pan / Sounds::volumeAt(position, distance), then the effect's slot plays
//               from the start, not looping;
//   keepEngine: Sound::acquire(key, 3) -> Sound::playInstance(key, false) when it returns true;
//               then, while Sound::hasInstance(key): Sound::acquire(key, 3), setInstancePan,
//               setInstanceVolume(volumeAt(position, distance));
//   stopEngine: Sound::stopInstance(key).
// A sound that is not loaded is skipped, so the game plays silently without it.

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

} // namespace

void EnemySounds::setListener(Listener l)
{
    listener() = std::move(l);
}

void EnemySounds::play(Effect effect, const Vector4& position, float distance)
{
    tell({Request::Play, static_cast<int>(effect), 0, 0, position, distance});
}

void EnemySounds::keepEngine(Engine engine, int model, int key, const Vector4& position, float distance)
{
    tell({Request::Keep, static_cast<int>(engine), model, key, position, distance});
}

void EnemySounds::stopEngine(Engine engine, int model, int key)
{
    tell({Request::Stop, static_cast<int>(engine), model, key, Vector4(), 0.0f});
}

} // namespace NVolant
