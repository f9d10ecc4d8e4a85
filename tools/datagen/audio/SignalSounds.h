#pragma once

#include "audio/AudioBuffer.h"

namespace datagen::audio {

// A bright rising chime for a bonus picked up.
Signal renderBonusChime();
// A short fanfare for an extra life.
Signal renderExtraLifeJingle();
// The welding arc of the menu's hangar: mains hum, sizzle and crackle. The menu plays it for a
// tenth to half a second at a time and stops it, so every part of it sounds like an arc.
Signal renderWeldingArc();

} // namespace datagen::audio
