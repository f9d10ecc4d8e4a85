#include "combat/CombatSounds.h"

// Silent until the sound registry is part of the game: every operation is a no-op here, and the
// registry's calls go in these bodies (see the header for which file each cue names).

namespace NVolant {

void CombatSounds::play(SoundCue cue, bool restart, bool loop, int volume)
{
    (void)cue;
    (void)restart;
    (void)loop;
    (void)volume;
}

bool CombatSounds::isPlaying(SoundCue cue)
{
    (void)cue;
    return false;
}

void CombatSounds::stop(SoundCue cue)
{
    (void)cue;
}

void CombatSounds::playAt(SoundCue cue, const Vector4& worldPosition, float distance)
{
    (void)cue;
    (void)worldPosition;
    (void)distance;
}

void CombatSounds::keepFlying(SoundCue cue, int key, const Vector4& worldPosition)
{
    (void)cue;
    (void)key;
    (void)worldPosition;
}

void CombatSounds::stopFlying(SoundCue cue, int key)
{
    (void)cue;
    (void)key;
}

} // namespace NVolant
