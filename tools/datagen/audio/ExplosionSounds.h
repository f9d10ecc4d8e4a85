#pragma once

#include "audio/AudioBuffer.h"

#include <cstdint>
#include <vector>

namespace datagen::audio {

// One recipe for every blast, from a missile's sharp bang to a ship going down: a crack, a
// noise body whose brightness falls as it decays, a sub-bass thump, a rumbling tail, crackling
// debris, and optional metal, water and secondary blasts.
struct ExplosionDesign {
    std::uint64_t seed = 1;
    double seconds = 2.0;
    float crackLevel = 0.6f;
    double bodyDecay = 1.0;     // seconds to -60 dB
    double bodyBright = 4000.0; // low-pass at the start of the body ...
    double bodyDark = 300.0;    // ... and at its end
    float bodyLevel = 1.0f;
    double thumpFrom = 110.0;
    double thumpTo = 38.0;
    double thumpDecay = 0.6;
    float thumpLevel = 0.9f;
    double rumbleDecay = 1.6;
    float rumbleLevel = 0.5f;
    int debrisCount = 30; // crackles spread over the first part of the blast
    double debrisSpan = 0.8;
    float debrisLevel = 0.25f;
    int metalHits = 0; // clanks of falling metal
    float metalLevel = 0.0f;
    float splashLevel = 0.0f; // water thrown up and falling back
    double splashDecay = 1.2;
    std::vector<double> secondaries; // start times of smaller follow-up blasts
    float drive = 1.5f;
};

Signal renderExplosion(const ExplosionDesign& design);

} // namespace datagen::audio
