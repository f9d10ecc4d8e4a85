#pragma once

#include "audio/AudioBuffer.h"

namespace datagen::audio {

// The player's cannon. The game fires it about every 60 ms, restarting each of its two channels
// in turn, so the shot has all its punch in the first tens of milliseconds and has died away
// before its channel is taken again.
Signal renderCannon();

// Flight sounds. A missile's roar lasts its whole flight; the game stops it at impact.
Signal renderPlayerMissile();
Signal renderEnemyRocket();

// Impacts on hulls: bullets on a boat, light and heavy hits on the player's plane.
Signal renderBoatHit();
Signal renderPlayerHitSmall();
Signal renderPlayerHitBig();

} // namespace datagen::audio
