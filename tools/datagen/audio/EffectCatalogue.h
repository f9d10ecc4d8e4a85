#pragma once

#include "audio/AudioBuffer.h"

#include <functional>
#include <string>
#include <vector>

namespace datagen::audio {

// One sound file of the game: where it goes, how it is made and how loud it is mastered.
// One-shots are scaled to a peak level; loops (engines) to a loudness, because they play
// continuously and a peak says little about how loud they seem.
struct EffectSpec {
    std::string path;
    bool loop = false;
    std::function<Signal()> render;
    double peakDb = -1.0;    // one-shots
    double loudness = -20.0; // loops, LUFS (mono)
};

const std::vector<EffectSpec>& effectCatalogue();

// Renders and masters one effect; the result never exceeds -1 dBFS.
Signal renderEffect(const EffectSpec& spec);

} // namespace datagen::audio
