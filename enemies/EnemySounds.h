#pragma once

#include "platform/Vector4.h"

#include <functional>

namespace NVolant {

// Every noise an enemy makes goes through here, so that no enemy depends on a sound being
// present (no audio device, a missing file, a registry not yet built): a request for a sound
// that is not there does nothing.
class EnemySounds final {
public:
    enum class Effect {
        BoatHit,
        BoatExplosion1,
        BoatExplosion2,
        BoatExplosion3,
        HelicExplosion,
        PlaneExplosion
    };
    enum class Engine { Helic, Plane };

    // A one-shot effect panned to the position, its volume falling off over distance.
    static void play(Effect effect, const Vector4& position, float distance);
    // An engine keyed by the enemy's identifier: started when an instance is free, then kept
    // alive for this frame, panned and faded by distance. An owner that stops calling goes quiet.
    static void keepEngine(Engine engine, int model, int key, const Vector4& position, float distance);
    static void stopEngine(Engine engine, int model, int key);

    // What was asked for, for tests that listen in.
    struct Request {
        enum Kind { Play, Keep, Stop } kind = Play;
        int sound = 0; // the Effect or Engine
        int model = 0;
        int key = 0;
        Vector4 position;
        float distance = 0.0f;
    };
    using Listener = std::function<void(const Request&)>;
    static void setListener(Listener listener);
};

} // namespace NVolant
