#pragma once

#include "audio/AudioBuffer.h"

#include <functional>
#include <string>
#include <vector>

namespace datagen::audio {

// One sound file of the game: where it goes, how it is made and how loud it is mastered.
// Short events are scaled to a peak level. Sustained sounds (engines, missile flight) are scaled
// to a loudness instead: they play for long stretches, and a peak says little about how loud
// they seem.
struct EffectRecipe {
    std::string path;
    bool loop = false;
    std::function<Signal()> render;
    double peakDb = -1.0;  // events
    double loudness = 0.0; // sustained sounds, LUFS (mono); 0 for events
};

const std::vector<EffectRecipe>& effectCatalogue();

// Renders and masters one effect; the result never exceeds -1 dBFS.
Signal renderEffect(const EffectRecipe& recipe);

} // namespace datagen::audio
