#pragma once

#include "platform/Vector4.h"

namespace NVolant {

// The sounds the plane, its weapons and the projectiles of both sides make. Everything that flies
// or fires names its sound here and calls the operations below, so the whole of the combat noise
// meets the sound registry in one place. Each call does nothing when the sound is absent (no audio
// device, a missing file): no game rule ever depends on a sound.
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
};

class CombatSounds final {
public:
    CombatSounds() = delete;

    // Plays from the start (restart) or carries on, looping or not; volume 0..100, below 0 the
    // player's effect volume.
    static void play(SoundCue cue, bool restart, bool loop, int volume);
    static bool isPlaying(SoundCue cue);
    static void stop(SoundCue cue);

    // A one-shot placed in the world: from the start at a volume that falls off over distance and
    // panned toward the listener's side.
    static void playAt(SoundCue cue, const Vector4& worldPosition, float distance);

    // Flight noise of one projectile, keyed by its identifier: starts it when there is a free
    // instance, keeps it alive for this frame, and places it in the world.
    static void keepFlying(SoundCue cue, int key, const Vector4& worldPosition);
    static void stopFlying(SoundCue cue, int key);
};

} // namespace NVolant
