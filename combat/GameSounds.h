#pragma once

#include "platform/Vector4.h"

#include <array>
#include <map>

namespace NVolant {

// Every sound of a running game by what makes it; the registry's file for each is noted.
enum class SoundCue {
    None,
    PlayerPlane,       // "sounds/player_plane.ogg", the engine
    PlayerBullet1,     // "sounds/player_bullet.ogg", first entry
    PlayerBullet2,     // "sounds/player_bullet.ogg", second entry
    PlayerMissile,     // "sounds/player_missile.ogg", flight
    PlayerMissileExpl, // "sounds/player_missile_expl.ogg", first entry
    PlayerHitSmall,    // "sounds/player_hit_small.ogg"
    PlayerHitBig,      // "sounds/player_hit_big.ogg"
    PlaneExplodes,     // "sounds/helic_expl.ogg"
    Bonus,             // "sounds/bonus.ogg"
    EnemyMissile,      // "sounds/tank_missile.ogg", flight of enemy rockets and missiles
    EnemyMissileExpl,  // "sounds/player_missile_expl.ogg", second entry
    BoatHit,           // "sounds/boat_hit.ogg"
    BoatExplosion1,    // the boats' three explosions
    BoatExplosion2,
    BoatExplosion3,
    HelicExplosion, // "sounds/helic_expl.ogg"
    PlaneExplosion, // "sounds/plane_expl.ogg"
    ExtraLife,      // "sounds/addlife.ogg"
    Count
};

// The sounds of one running game: what the plane, the projectiles, the enemies and the field ask
// for meets the read-only sound registry here. Keeps what it was asked (the engines and flights
// running, by owner key, and how often each cue was played), whether or not a sound is heard: with
// no audio device or a missing file a request does nothing else, and no rule depends on a sound.
class GameSounds final {
public:
    enum class Engine { Helic, Plane };
    // An enemy engine kept running by its owner.
    struct Voice {
        Engine engine = Engine::Helic;
        int model = 0;
        Vector4 position;
        float distance = 0.0f;
    };

    GameSounds() = default;
    GameSounds(const GameSounds&) = delete;
    GameSounds& operator=(const GameSounds&) = delete;

    // Plays from the start (restart) or carries on, looping or not; volume 0..100, below 0 the
    // player's effect volume.
    void play(SoundCue cue, bool restart, bool loop, int volume);
    bool isPlaying(SoundCue cue) const;
    void stop(SoundCue cue);
    // A one-shot placed in the world: from the start at a volume that falls off over distance and
    // panned toward the listener's side.
    void playAt(SoundCue cue, const Vector4& worldPosition, float distance);

    // Flight noise of one projectile, keyed by its identifier: starts it when there is a free
    // instance, keeps it alive for this frame, and places it in the world.
    void keepFlying(SoundCue cue, int key, const Vector4& worldPosition);
    void stopFlying(SoundCue cue, int key);

    // An enemy engine keyed by the enemy's identifier: started when an instance is free, then kept
    // alive for this frame, panned and faded by distance. An owner that stops calling goes quiet.
    void keepEngine(Engine engine, int model, int key, const Vector4& position, float distance);
    void stopEngine(Engine engine, int model, int key);

    // The field's duties each frame: the listener follows the plane, engines nobody kept go quiet.
    void setListener(const Vector4& worldPosition) { m_listener = worldPosition; }
    void tickEngines();

    // Stereo placement -100..100 of a sound at a position: 300 units either side is fully over.
    int pan(const Vector4& position) const;
    // 100 at the listener falling linearly to 0 at distance, never below 10.
    int volumeAt(const Vector4& position, float distance) const;

    // How many times a cue was played in this game.
    int plays(SoundCue cue) const { return m_plays[static_cast<std::size_t>(cue)]; }
    // The engine running for an owner key, if any.
    const Voice* engine(int key) const;
    int flights() const { return static_cast<int>(m_flights.size()); }

private:
    std::array<int, static_cast<std::size_t>(SoundCue::Count)> m_plays{};
    std::map<int, Voice> m_engines;
    std::map<int, SoundCue> m_flights;
    Vector4 m_listener{0.0f, 0.0f, 0.0f, 1.0f};
};

} // namespace NVolant
