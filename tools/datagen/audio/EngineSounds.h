#pragma once

#include "audio/AudioBuffer.h"

#include <cstdint>

namespace datagen::audio {

// Engine loops. Every periodic part completes a whole number of cycles per loop and the noise
// repeats with the loop (see renderPeriodic), so the loops have no seam at all.

struct RotorDesign {
    std::uint64_t seed = 1;
    double seconds = 2.0;
    double bladeRate = 14.0;      // blade passes per second
    double secondRotorRate = 0.0; // tandem rotor (0: none)
    double sharpness = 6.0;       // how fast each blade slap dies away
    double thumpFrequency = 70.0; // body tone of a blade pass
    float thumpLevel = 0.8f;
    double chopLow = 150.0; // band of the chopped air noise
    double chopHigh = 900.0;
    float chopLevel = 0.6f;
    float crackLevel = 0.0f; // blade-vortex crack at the start of each pass
    double whine = 2600.0;   // turbine
    float whineLevel = 0.05f;
    double tailRate = 0.0; // tail rotor buzz (0: none)
    float tailLevel = 0.0f;
    float rumbleLevel = 0.2f;
};

struct PistonDesign {
    std::uint64_t seed = 1;
    double seconds = 2.0;
    double firingRate = 45.0;  // exhaust pulses per second
    double secondEngine = 0.0; // rate of a second engine (0: none); beats against the first
    double propRate = 90.0;    // propeller blade passes per second
    float propLevel = 0.3f;
    double brightness = 900.0; // low-pass on the exhaust
    float roughness = 0.25f;   // pulse-to-pulse variation
    float windLevel = 0.15f;
};

struct JetDesign {
    std::uint64_t seed = 1;
    double seconds = 2.0;
    double roarLow = 80.0; // band of the exhaust roar
    double roarHigh = 2500.0;
    float roarLevel = 1.0f;
    double whine = 4000.0;
    double whineBeat = 0.0; // second engine's whine offset in Hz (0: single engine)
    float whineLevel = 0.08f;
    float rumbleLevel = 0.3f;
    double howlRate = 0.5; // slow swell of the roar
    float howlDepth = 0.15f;
};

Signal renderRotor(const RotorDesign& design);
Signal renderPiston(const PistonDesign& design);
Signal renderJet(const JetDesign& design);

} // namespace datagen::audio
